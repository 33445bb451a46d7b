// The main window as the program starts it: fields, check boxes, labels,
// focus, hidden controls, caption, menu bar, system menu and client size.
#include <QMenu>
#include <QMenuBar>
#include <vector>

#include "window_test_helpers.h"

namespace resonara::testing {
namespace {

using EnclosureStartupTest = MainWindowTest;

struct ShownText {
    const char* what;
    int control;
    const char* text;
};

// The start-up record with doubles at 15 significant digits and floats at 6.
constexpr ShownText kStartupFields[] = {
    {"Qts", kQtsEdit, "0.342"},         {"Qes", kQesEdit, "0.353"},
    {"Fs", kFsEdit, "24"},              {"Vas", kVasEdit, "186.16"},
    {"Pmax", kPmaxEdit, "500"},         {"Diameter", kDiameterEdit, "30.38"},
    {"Xmax", kXmaxEdit, "6"},           {"Dp", kDpEdit, "16"},
    {"Ports", kPortsEdit, "1"},         {"Gain", kGainEdit, "0"},
    {"Vf", kVfEdit, "0"},               {"Vr", kVrEdit, "0"},
    {"Fb", kFbEdit, "0"},               {"Fl", kFlEdit, "0"},
    {"Fh", kFhEdit, "0"},               {"Lp", kLpEdit, "0"},
    {"Vas unit", kVasUnit, " liters"},  {"Diameter unit", kDiameterUnit, " cm"},
    {"Xmax unit", kXmaxUnit, " mm"},    {"Dp unit", kDpUnit, " cm"},
    {"Vf unit", kVfUnit, " liters"},    {"Vr unit", kVrUnit, " liters"},
    {"Lp unit", kLpUnit, " cm"},        {"website button", kWebsiteButton, "www.resonara.example"},
};

TEST_F(EnclosureStartupTest, FieldsShowTheStartupValuesAndMetricLabels) {
    for (const ShownText& row : kStartupFields) EXPECT_EQ(Text(row.control), row.text) << row.what;
}

TEST_F(EnclosureStartupTest, OutputResponseAndSevenTenthsAreTheOnlyChecks) {
    EXPECT_TRUE(Checked(kOutputResponseCheck));
    EXPECT_FALSE(Checked(kPowerResponseCheck));
    EXPECT_FALSE(Checked(kS05Check));
    EXPECT_FALSE(Checked(kS06Check));
    EXPECT_TRUE(Checked(kS07Check));
}

TEST_F(EnclosureStartupTest, FocusIsOnQts) { EXPECT_EQ(window_.GetFocusId(), kQtsEdit); }

TEST_F(EnclosureStartupTest, OkCancelAndAudioBooksAreNeverVisible) {
    for (int id : {IDOK, IDCANCEL}) {
        ASSERT_NE(window_.GetDlgItem(id), nullptr) << id;
        EXPECT_FALSE(window_.GetDlgItem(id)->isVisible()) << id;
        EXPECT_FALSE(window_.GetDlgItem(id)->isEnabled()) << id;
    }
    ASSERT_NE(window_.GetDlgItem(kAudioBooksButton), nullptr);
    EXPECT_FALSE(window_.GetDlgItem(kAudioBooksButton)->isVisible());
}

TEST_F(EnclosureStartupTest, CaptionIsNameBlanksAndAddress) {
    const std::string expected = "Resonara 2.0" + std::string(33, ' ') + "www.resonara.example";
    EXPECT_EQ(window_.Window()->windowTitle().toStdString(), expected);
}

TEST_F(EnclosureStartupTest, ClientAreaIs768By554Pixels) {
    EXPECT_EQ(window_.ClientArea()->size(), QSize(768, 554));
}

TEST_F(EnclosureStartupTest, WindowCarriesTheProgramIconInBothSizes) {
    const QList<QSize> sizes = window_.Window()->windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
}

struct MenuRow {
    const char* popup;
    const char* item;
    int command;
};

constexpr MenuRow kMenu129[] = {
    {"&File", "&Exit", kFileExitCommand},
    {"&Units", "&English", kUnitsEnglishCommand},
    {"&Units", "&Metric", kUnitsMetricCommand},
    {"&Box Calculator", "&Box Calculator", kBoxCalculatorCommand},
    {"&Help", "&Online Help", kOnlineHelpCommand},
    {"&Help", "&About", kAboutCommand},
};

TEST_F(EnclosureStartupTest, MenuBarHoldsMenu129NeitherCheckedNorGreyed) {
    auto* bar = window_.Window()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    std::vector<std::string> popups;
    for (QAction* popup : bar->actions()) popups.push_back(popup->text().toStdString());
    EXPECT_EQ(popups, (std::vector<std::string>{"&File", "&Units", "&Box Calculator", "&Help"}));

    for (const MenuRow& row : kMenu129) {
        QAction* item = window_.FindMenuItem(row.command);
        ASSERT_NE(item, nullptr) << row.item;
        EXPECT_EQ(item->text().toStdString(), row.item);
        EXPECT_TRUE(item->isEnabled()) << row.item;
        EXPECT_FALSE(item->isChecked()) << row.item;
        bool inItsPopup = false;
        for (QAction* popup : bar->actions()) {
            if (popup->text() != row.popup || popup->menu() == nullptr) continue;
            inItsPopup = popup->menu()->actions().contains(item);
        }
        EXPECT_TRUE(inItsPopup) << row.item << " under " << row.popup;
    }
}

TEST_F(EnclosureStartupTest, SystemMenuEndsWithSeparatorAndAboutEntry) {
    SystemMenu* menu = window_.GetSystemMenu();
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> items = menu->Menu().actions();
    ASSERT_GE(items.size(), 2);
    EXPECT_TRUE(items[items.size() - 2]->isSeparator());
    EXPECT_EQ(items.back()->text().toStdString(), "&About Resonara...");
    EXPECT_EQ(menu->FindItem(kSystemAboutCommand), items.back());
}

TEST_F(EnclosureStartupTest, SystemMenuAboutEntryOpensTheAboutWindow) {
    int openedTemplate = 0;
    services_.ExpectModal([&](CDialog& about) {
        openedTemplate = about.Template().id;
        about.SendCommand(IDOK);
    });
    window_.GetSystemMenu()->FindItem(kSystemAboutCommand)->trigger();
    EXPECT_EQ(openedTemplate, 100);
    EXPECT_FALSE(window_.IsEnded());
}

// A system command is known by its id with the low four bits cleared.
TEST_F(EnclosureStartupTest, SystemCommandWithLowBitsSetStillOpensAbout) {
    services_.ExpectModal([](CDialog& about) { about.SendCommand(IDOK); });
    window_.SendSysCommand(kSystemAboutCommand | 0x7);
}

}  // namespace
}  // namespace resonara::testing
