// The About window, opened from the Help menu: dialog 100 with its caption,
// label, icon and OK button; OK, Enter, Esc and the close box end it.
#include <QLabel>
#include <QPushButton>
#include <functional>

#include "window_test_helpers.h"

namespace resonara::testing {
namespace {

using AboutWindowTest = MainWindowTest;

TEST_F(AboutWindowTest, HelpAboutOpensDialog100WithLabelIconAndOk) {
    services_.ExpectModal([this](CDialog& about) {
        EXPECT_EQ(about.Template().id, 100);
        EXPECT_EQ(about.Owner(), &window_);
        EXPECT_TRUE(about.Window()->isVisible());
        EXPECT_EQ(about.Window()->windowTitle().toStdString(), "About Resonara 2.0");

        bool hasVersionLabel = false;
        bool hasIcon = false;
        for (const QLabel* label : about.ClientArea()->findChildren<QLabel*>()) {
            hasVersionLabel = hasVersionLabel || label->text() == "Resonara Version 2.0";
            hasIcon = hasIcon || !label->pixmap().isNull();
        }
        EXPECT_TRUE(hasVersionLabel);
        EXPECT_TRUE(hasIcon);

        auto* ok = qobject_cast<QPushButton*>(about.GetDlgItem(IDOK));
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text().toStdString(), "OK");
        EXPECT_TRUE(ok->isDefault());
        EXPECT_EQ(about.Window()->windowModality(), Qt::ApplicationModal);
        Click(about, IDOK);
        EXPECT_TRUE(about.IsEnded());
        EXPECT_EQ(about.EndCode(), IDOK);
    });
    ChooseMenu(window_, kAboutCommand);
    EXPECT_FALSE(window_.IsEnded());
}

struct EndingWay {
    const char* name;
    std::function<void(CDialog&)> end;
    int code;
};

const EndingWay kEndingWays[] = {
    {"Enter", [](CDialog& about) { PressKey(about.Window(), Qt::Key_Return); }, IDOK},
    {"Esc", [](CDialog& about) { PressKey(about.Window(), Qt::Key_Escape); }, IDCANCEL},
    {"close box", [](CDialog& about) { about.Window()->close(); }, IDCANCEL},
};

// Each opening makes a new window, so one opening per way.
TEST_F(AboutWindowTest, EnterEscAndTheCloseBoxEndIt) {
    for (const EndingWay& way : kEndingWays) {
        SCOPED_TRACE(way.name);
        int code = 0;
        services_.ExpectModal([&](CDialog& about) {
            way.end(about);
            code = about.EndCode();
        });
        ChooseMenu(window_, kAboutCommand);
        EXPECT_EQ(code, way.code);
    }
    EXPECT_FALSE(window_.IsEnded());
}

}  // namespace
}  // namespace resonara::testing
