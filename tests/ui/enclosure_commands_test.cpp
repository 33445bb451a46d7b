// The main window's check boxes and help commands, clicked and chosen as a
// user does: graph modes, S options, online help, website and books page.
#include <vector>

#include "window_test_helpers.h"

namespace resonara::testing {
namespace {

class EnclosureCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        repaints_.emplace(window_.ClientArea());
        repaints_->Reset();
    }

    std::optional<WholeRepaintCounter> repaints_;
};

TEST_F(EnclosureCommandsTest, PowerResponseBeforeACalculationSwitchesModeOnly) {
    Click(window_, kPowerResponseCheck);
    EXPECT_TRUE(Checked(kPowerResponseCheck));
    EXPECT_FALSE(Checked(kOutputResponseCheck));
    EXPECT_EQ(Text(kVfEdit), "0");
    EXPECT_EQ(window_.Design().calculated, 0);
    EXPECT_EQ(repaints_->Count(), 0);
}

// The box toggles itself off when clicked; the command sets it again.
TEST_F(EnclosureCommandsTest, ClickingTheCheckedGraphModeLeavesItChecked) {
    Click(window_, kOutputResponseCheck);
    EXPECT_TRUE(Checked(kOutputResponseCheck));
    EXPECT_FALSE(Checked(kPowerResponseCheck));
    Click(window_, kPowerResponseCheck);
    Click(window_, kPowerResponseCheck);
    EXPECT_TRUE(Checked(kPowerResponseCheck));
    EXPECT_FALSE(Checked(kOutputResponseCheck));
}

TEST_F(EnclosureCommandsTest, GraphModeAfterACalculationRecalculatesAndRepaints) {
    Calculate();
    repaints_->Reset();
    Type(kGainEdit, "3");
    Click(window_, kPowerResponseCheck);
    // Gain 3 dB: Qbp 0.8489302 and the start-up Vf.
    EXPECT_EQ(Text(kFbEdit), "59.574");
    EXPECT_EQ(Text(kVrEdit), "36.0665");
    EXPECT_EQ(Text(kVfEdit), "42.6771");
    EXPECT_GE(repaints_->Count(), 1);
}

struct SOption {
    const char* name;
    int control;
    const char* vf;
    const char* vr;
    const char* fb;
    const char* fl;
    const char* fh;
};

// The start-up driver with S 0.5 (Qbp exactly 1, Fb = Fs / Qts) and S 0.6 (Qbp 5/6).
constexpr SOption kSOptions[] = {
    {"S 0.5", kS05Check, "21.774", "24.6581", "70.1754", "38.5473", "127.754"},
    {"S 0.6", kS06Check, "31.3546", "37.7052", "58.4795", "33.8731", "100.961"},
};

TEST_F(EnclosureCommandsTest, SOptionBeforeAnyCalculationRunsAFullCalculation) {
    for (const SOption& option : kSOptions) {
        SCOPED_TRACE(option.name);
        repaints_->Reset();
        Click(window_, option.control);
        for (int control : {kS05Check, kS06Check, kS07Check}) {
            EXPECT_EQ(Checked(control), control == option.control) << control;
        }
        EXPECT_EQ(Text(kVfEdit), option.vf);
        EXPECT_EQ(Text(kVrEdit), option.vr);
        EXPECT_EQ(Text(kFbEdit), option.fb);
        EXPECT_EQ(Text(kFlEdit), option.fl);
        EXPECT_EQ(Text(kFhEdit), option.fh);
        EXPECT_GE(repaints_->Count(), 1);
    }
}

TEST_F(EnclosureCommandsTest, ClickingTheCheckedSOptionKeepsItAndRecalculates) {
    Click(window_, kS07Check);
    EXPECT_TRUE(Checked(kS07Check));
    EXPECT_EQ(Text(kVfEdit), "42.6771");
}

// The option's own exchange in put the typed values into the record before
// the run took its snapshot, so the refusal puts them back as typed.
TEST_F(EnclosureCommandsTest, SOptionWhoseRunFindsZeroQtsKeepsTheOptionAndTheTypedValues) {
    Type(kQtsEdit, "0");
    Type(kFsEdit, "30");
    services_.ExpectMessageBox();

    Click(window_, kS06Check);

    ASSERT_EQ(services_.MessageBoxes().size(), 1u);
    EXPECT_EQ(services_.MessageBoxes()[0].text, kQtsZeroMessage);
    EXPECT_TRUE(Checked(kS06Check));
    EXPECT_FALSE(Checked(kS07Check));
    EXPECT_EQ(Text(kQtsEdit), "0");
    EXPECT_EQ(Text(kFsEdit), "30");
    EXPECT_EQ(Text(kVfEdit), "0");
    EXPECT_EQ(repaints_->Count(), 0);
}

TEST_F(EnclosureCommandsTest, GraphModeWithABadFieldAfterACalculationShowsTheRecordsValue) {
    Calculate();
    Type(kGainEdit, "loud");
    services_.ExpectMessageBox();

    Click(window_, kPowerResponseCheck);

    ASSERT_EQ(services_.MessageBoxes().size(), 1u);
    EXPECT_EQ(services_.MessageBoxes()[0].text, "Please enter a number.");
    EXPECT_EQ(Text(kGainEdit), "0");
    EXPECT_TRUE(Checked(kPowerResponseCheck));
    EXPECT_EQ(Text(kFbEdit), "50.1253");
}

TEST_F(EnclosureCommandsTest, GraphModeWithABadFieldBeforeACalculationStillReplacesTheText) {
    Type(kDpEdit, "wide");
    services_.ExpectMessageBox();
    Click(window_, kPowerResponseCheck);
    EXPECT_EQ(Text(kDpEdit), "16");
    EXPECT_EQ(Text(kVfEdit), "0");
}

// ---- Help pages -------------------------------------------------------------

constexpr const char* kHomePageText = "http://www.resonara.example/";
constexpr const char* kSpeakerPageAddress = "http://www.resonara.example/speaker/index.php";
constexpr const char* kBooksPageAddress = "http://www.resonara.example/speaker/books.php";

const std::string kOnlineHelpText =
    std::string("Click OK to go to Online help.  If you cannot access online help from this box goto:\n ") +
    kHomePageText;
const std::string kWebsiteText =
    std::string("Click OK to go to www.resonara.example.  If you cannot access from this box goto:\n ") + kHomePageText;
constexpr const char* kWebsiteCaption = "Website: www.resonara.example";

struct HelpCase {
    const char* name;
    void (*start)(CEnclosureDlg&);
    int answer;
    const char* caption;
    const std::string* text;
    std::vector<std::string> opened;
};

void ChooseOnlineHelp(CEnclosureDlg& window) { ChooseMenu(window, kOnlineHelpCommand); }
void ClickWebsite(CEnclosureDlg& window) { Click(window, kWebsiteButton); }
// The button is hidden, so no user reaches it; its command still works.
void SendAudioBooks(CEnclosureDlg& window) { window.SendCommand(kAudioBooksButton); }

const HelpCase kHelpCases[] = {
    {"online help, OK", ChooseOnlineHelp, IDOK, "Online Help", &kOnlineHelpText, {kSpeakerPageAddress}},
    {"online help, Cancel", ChooseOnlineHelp, IDCANCEL, "Online Help", &kOnlineHelpText, {}},
    {"website, OK", ClickWebsite, IDOK, kWebsiteCaption, &kWebsiteText, {kSpeakerPageAddress}},
    {"website, Cancel", ClickWebsite, IDCANCEL, kWebsiteCaption, &kWebsiteText, {}},
    {"audio books, OK", SendAudioBooks, IDOK, kWebsiteCaption, &kWebsiteText, {kBooksPageAddress}},
    {"audio books, Cancel", SendAudioBooks, IDCANCEL, kWebsiteCaption, &kWebsiteText, {}},
};

TEST_F(EnclosureCommandsTest, HelpBoxesOpenTheirPageOnlyOnOk) {
    for (const HelpCase& help : kHelpCases) {
        SCOPED_TRACE(help.name);
        FakeServices services;
        PlatformServices* previous = SetServices(&services);
        services.ExpectMessageBox(help.answer);

        help.start(window_);

        SetServices(previous);
        ASSERT_EQ(services.MessageBoxes().size(), 1u);
        const ShownMessageBox& box = services.MessageBoxes()[0];
        EXPECT_EQ(box.caption, help.caption);
        EXPECT_EQ(box.text, *help.text);
        EXPECT_EQ(box.flags, 0x41u);
        EXPECT_EQ(box.owner, &window_);
        EXPECT_EQ(services.OpenedAddresses(), help.opened);
        services.VerifyAllUsed();
    }
    EXPECT_FALSE(window_.IsEnded());
}

}  // namespace
}  // namespace resonara::testing
