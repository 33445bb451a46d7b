// The calculation run as the user starts it with "Calculate": the results
// shown, the refusal of a zero driver value, a field that does not parse,
// the port warning and the repaint of the chart.
#include <vector>

#include "window_test_helpers.h"

namespace resonara::testing {
namespace {

class EnclosureCalculationTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        repaints_.emplace(window_.ClientArea());
        repaints_->Reset();
    }

    void ExpectResults(const char* vf, const char* vr, const char* fb, const char* fl, const char* fh, const char* lp) {
        EXPECT_EQ(Text(kVfEdit), vf);
        EXPECT_EQ(Text(kVrEdit), vr);
        EXPECT_EQ(Text(kFbEdit), fb);
        EXPECT_EQ(Text(kFlEdit), fl);
        EXPECT_EQ(Text(kFhEdit), fh);
        EXPECT_EQ(Text(kLpEdit), lp);
    }

    // The start-up driver worked by hand: Qbp 1/1.4, Fb = Qbp Fs / Qts,
    // Vf = (1.4 Qts)^2 Vas, Vr = Vas / ((Qbp/Qts)^2 - 1), Lp from Dp 16.
    void ExpectStartupResults() { ExpectResults("42.6771", "55.3708", "50.1253", "30.857", "81.4254", "44.5419"); }

    void ExpectNoResults() { ExpectResults("0", "0", "0", "0", "0", "0"); }

    std::optional<WholeRepaintCounter> repaints_;
};

TEST_F(EnclosureCalculationTest, CalculateShowsTheSixResultsAndRepaints) {
    Calculate();
    ExpectStartupResults();
    EXPECT_GE(repaints_->Count(), 1);
    EXPECT_TRUE(services_.MessageBoxes().empty());
}

TEST_F(EnclosureCalculationTest, CalculatingTwiceGivesTheSameResults) {
    Calculate();
    Calculate();
    ExpectStartupResults();
}

TEST_F(EnclosureCalculationTest, ZeroQtsStopsAndPutsTheDriverBackButKeepsPortAndGainEdits) {
    struct Edit {
        int control;
        const char* typed;
        const char* after;
    };
    // The seven driver values return to what they showed; Dp, Gain and Ports keep what was typed.
    constexpr Edit kEdits[] = {
        {kQtsEdit, "0", "0.342"},    {kQesEdit, "0.5", "0.353"}, {kVasEdit, "100", "186.16"},
        {kFsEdit, "30", "24"},       {kPmaxEdit, "250", "500"},  {kDiameterEdit, "20", "30.38"},
        {kXmaxEdit, "9", "6"},       {kDpEdit, "12", "12"},      {kGainEdit, "3", "3"},
        {kPortsEdit, "2", "2"},
    };
    for (const Edit& edit : kEdits) Type(edit.control, edit.typed);
    services_.ExpectMessageBox();

    Calculate();

    ASSERT_EQ(services_.MessageBoxes().size(), 1u);
    const ShownMessageBox& box = services_.MessageBoxes()[0];
    EXPECT_EQ(box.text, kQtsZeroMessage);
    EXPECT_EQ(box.caption, kWarningCaption);
    EXPECT_EQ(box.flags, 0x10u);
    EXPECT_EQ(box.owner, &window_);
    for (const Edit& edit : kEdits) EXPECT_EQ(Text(edit.control), edit.after) << edit.control;
    ExpectNoResults();
    EXPECT_EQ(repaints_->Count(), 0);
}

// Each driver value is tested on its own, in this order; the first zero wins.
TEST_F(EnclosureCalculationTest, ZeroDriverValueNamesTheFirstZeroInOrder) {
    struct Row {
        const char* name;
        std::vector<int> zeroed;
        const char* message;
    };
    const Row rows[] = {
        {"Qts and Qes both zero", {kQtsEdit, kQesEdit}, "Calculation Stopped: Qts can't equal 0"},
        {"Qes", {kQesEdit}, "Calculation Stopped: Qes can't equal 0"},
        {"Vas and Xmax", {kXmaxEdit, kVasEdit}, "Calculation Stopped: Vas can't equal 0"},
        {"Fs", {kFsEdit}, "Calculation Stopped: Fs can't equal 0"},
        {"Pmax", {kPmaxEdit}, "Calculation Stopped: Pmax can't equal 0"},
        {"Diameter", {kDiameterEdit}, "Calculation Stopped: Speaker Diameter can't equal 0"},
        {"Xmax alone", {kXmaxEdit}, "Calculation Stopped: Xmax can't equal 0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::size_t before = services_.MessageBoxes().size();
        for (int control : row.zeroed) Type(control, "0");
        services_.ExpectMessageBox();
        Calculate();
        ASSERT_EQ(services_.MessageBoxes().size(), before + 1);
        EXPECT_EQ(services_.MessageBoxes().back().text, row.message);
        ExpectNoResults();
    }
}

TEST_F(EnclosureCalculationTest, RefusedRunAfterAValidOneKeepsResultsAndCurves) {
    Calculate();
    Type(kQtsEdit, "0");
    services_.ExpectMessageBox();
    Calculate();
    ExpectStartupResults();
    EXPECT_EQ(window_.Design().calculated, 1);
    const QImage chart = window_.PaintClientToImage();
    EXPECT_GT(CountPixels(chart, QRect(70, 241, 671, 249), kCurveRedRgb), 0);
}

// Diameter and Dp come before Fs in the exchange table and are taken; Gain
// and Qts come after and keep their values. The run goes on with that record.
TEST_F(EnclosureCalculationTest, LettersInFsAreReportedAndTheRunUsesTheFieldsBeforeIt) {
    Type(kDiameterEdit, "25");
    Type(kDpEdit, "20");
    Type(kFsEdit, "abc");
    Type(kGainEdit, "3");
    Type(kQtsEdit, "0.4");
    services_.ExpectMessageBox();

    Calculate();

    ASSERT_EQ(services_.MessageBoxes().size(), 1u);
    const ShownMessageBox& box = services_.MessageBoxes()[0];
    EXPECT_EQ(box.text, "Please enter a number.");
    EXPECT_EQ(box.caption, kTestProgramName);
    EXPECT_EQ(box.flags, 0x30u);
    EXPECT_EQ(window_.GetFocusId(), kFsEdit);
    EXPECT_EQ(Text(kDiameterEdit), "25");
    EXPECT_EQ(Text(kDpEdit), "20");
    EXPECT_EQ(Text(kFsEdit), "24");
    EXPECT_EQ(Text(kGainEdit), "0");
    EXPECT_EQ(Text(kQtsEdit), "0.342");
    // Lp = 20^2 * 23562.5 / (Fb^2 Vf) - 0.732 * 20 with the start-up Fb and Vf.
    ExpectResults("42.6771", "55.3708", "50.1253", "30.857", "81.4254", "73.2567");
    EXPECT_GE(repaints_->Count(), 1);
}

TEST_F(EnclosureCalculationTest, NarrowPortWarnsAndTheRunCompletes) {
    Type(kDpEdit, "15.9");
    services_.ExpectMessageBox();

    Calculate();

    ASSERT_EQ(services_.MessageBoxes().size(), 1u);
    const ShownMessageBox& box = services_.MessageBoxes()[0];
    EXPECT_EQ(box.text,
              "Port diameter too small. Try using a larger diameter.\n"
              "Note: The diameter can be used but port noise might be produced.\n"
              "Calculation will continue.");
    EXPECT_EQ(box.caption, kWarningCaption);
    EXPECT_EQ(box.flags, 0x10u);
    // Lp = 15.9^2 * 23562.5 / (Fb^2 Vf) - 0.732 * 15.9.
    ExpectResults("42.6771", "55.3708", "50.1253", "30.857", "81.4254", "43.9141");
    EXPECT_GE(repaints_->Count(), 1);
}

// The run stores Vf as computed (42.677074...); the field shows six digits
// and an exchange in takes those back.
TEST_F(EnclosureCalculationTest, ResultReadBackKeepsOnlyTheSixDigitsShown) {
    Calculate();
    EXPECT_NE(window_.Design().Vf, 42.6771f);
    ChooseMenu(window_, kUnitsMetricCommand);
    EXPECT_EQ(window_.Design().Vf, 42.6771f);
    EXPECT_EQ(window_.Design().Vr, 55.3708f);
    EXPECT_EQ(window_.Design().Lp, 44.5419f);
}

TEST_F(EnclosureCalculationTest, NegativeDriverValuesPassValidation) {
    Type(kPmaxEdit, "-500");
    Calculate();
    ExpectStartupResults();
}

}  // namespace
}  // namespace resonara::testing
