#include "calculation_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "design_fixture.h"
#include "messages.h"

namespace resonara {
namespace {

using testing::SelectS;
using testing::Shown;
using testing::StartupDesign;

// Stands in for the main window: its controls hold what `typed` writes into the
// record on exchange in, and every call is logged in order.
class RecordingWindow : public CalculationWindow {
public:
    using Typing = void (*)(BoxDesign&);

    RecordingWindow(BoxDesign& design, Typing typed = nullptr) : design_(design), typed_(typed) {}

    bool ExchangeIn() override {
        calls.push_back("ExchangeIn");
        if (typed_ != nullptr) typed_(design_);
        return true;
    }
    void ExchangeOut() override { calls.push_back("ExchangeOut"); }
    void ShowError(const std::string& text, const std::string& caption) override {
        calls.push_back("ShowError");
        texts.push_back(text);
        captions.push_back(caption);
        LpWhileShown = design_.Lp;
    }
    void Invalidate() override { calls.push_back("Invalidate"); }

    std::vector<std::string> calls;
    std::vector<std::string> texts;
    std::vector<std::string> captions;
    float LpWhileShown = 0;

private:
    BoxDesign& design_;
    Typing typed_;
};

const std::vector<std::string> kRefusedCalls{"ExchangeIn", "ShowError", "ExchangeOut"};
const std::vector<std::string> kCompletedCalls{"ExchangeIn", "ExchangeOut", "Invalidate"};
const std::vector<std::string> kWarnedCalls{"ExchangeIn", "ShowError", "ExchangeOut", "Invalidate"};

bool AllZero(const ResponseCurve& curve) {
    return std::all_of(curve.begin(), curve.end(), [](double v) { return v == 0; });
}

struct RefusalCase {
    const char* name;
    RecordingWindow::Typing typed;
    const char* message;
};

TEST(RunCalculation, RefusesFirstZeroDriverValueInOrder) {
    const RefusalCase cases[] = {
        {"Qts zero stops first", [](BoxDesign& d) { d.Qts = 0; }, kQtsZeroMessage},
        {"Qts and Qes zero name only Qts", [](BoxDesign& d) { d.Qts = 0; d.Qes = 0; }, kQtsZeroMessage},
        {"Qes zero", [](BoxDesign& d) { d.Qes = 0; }, kQesZeroMessage},
        {"Vas zero", [](BoxDesign& d) { d.Vas = 0; }, kVasZeroMessage},
        {"Fs zero", [](BoxDesign& d) { d.Fs = 0; }, kFsZeroMessage},
        {"Pmax zero", [](BoxDesign& d) { d.Pmax = 0; }, kPmaxZeroMessage},
        {"Diameter zero", [](BoxDesign& d) { d.Diameter = 0; }, kDiameterZeroMessage},
        {"Xmax zero alone gives the last message", [](BoxDesign& d) { d.Xmax = 0; }, kXmaxZeroMessage},
        {"Fs before Xmax", [](BoxDesign& d) { d.Xmax = 0; d.Fs = 0; }, kFsZeroMessage},
        {"negative zero is zero", [](BoxDesign& d) { d.Vas = -0.0; }, kVasZeroMessage},
        {"NaN is refused like zero", [](BoxDesign& d) { d.Pmax = NAN; }, kPmaxZeroMessage},
    };
    for (const RefusalCase& c : cases) {
        BoxDesign design = StartupDesign();
        RecordingWindow window(design, c.typed);
        RunCalculation(design, window);
        EXPECT_EQ(window.calls, kRefusedCalls) << c.name;
        ASSERT_EQ(window.texts.size(), 1u) << c.name;
        EXPECT_EQ(window.texts[0], c.message) << c.name;
        EXPECT_EQ(window.captions[0], kWarningCaption) << c.name;
        EXPECT_EQ(design.calculated, 0) << c.name;
    }
}

TEST(RunCalculation, RefusalPutsDriverValuesAndGraphFlagsBackOnly) {
    BoxDesign design = StartupDesign();
    RecordingWindow window(design, [](BoxDesign& d) {
        d.Qts = 0;
        d.Qes = 0.5;
        d.Vas = 100;
        d.Fs = 30;
        d.Pmax = 200;
        d.Diameter = 20;
        d.Xmax = 3;
        d.outputResponse = 0;
        d.powerResponse = 1;
        d.Dp = 20;
        d.Gain = 3;
        d.Ports = 2;
        d.s05 = 1;
        d.s07 = 0;
        d.Vf = 12;
    });
    RunCalculation(design, window);

    const BoxDesign before = StartupDesign();
    EXPECT_EQ(design.Qts, before.Qts);
    EXPECT_EQ(design.Qes, before.Qes);
    EXPECT_EQ(design.Vas, before.Vas);
    EXPECT_EQ(design.Fs, before.Fs);
    EXPECT_EQ(design.Pmax, before.Pmax);
    EXPECT_EQ(design.Diameter, before.Diameter);
    EXPECT_EQ(design.Xmax, before.Xmax);
    EXPECT_EQ(design.outputResponse, 1);
    EXPECT_EQ(design.powerResponse, 0);

    EXPECT_EQ(design.Dp, 20);
    EXPECT_EQ(design.Gain, 3);
    EXPECT_EQ(design.Ports, 2);
    EXPECT_EQ(design.s05, 1);
    EXPECT_EQ(design.s07, 0);
    EXPECT_EQ(design.Vf, 12);
    EXPECT_EQ(design.calculated, 0);
    EXPECT_TRUE(AllZero(design.curveA));
    EXPECT_TRUE(AllZero(design.curveB));
    EXPECT_TRUE(AllZero(design.curveC));
}

TEST(RunCalculation, LaterRefusalKeepsCalculatedFlagAndCurves) {
    BoxDesign design = StartupDesign();
    RecordingWindow first(design);
    RunCalculation(design, first);
    const BoxDesign calculated = design;

    RecordingWindow second(design, [](BoxDesign& d) { d.Xmax = 0; });
    RunCalculation(design, second);
    EXPECT_EQ(second.calls, kRefusedCalls);
    EXPECT_EQ(design.calculated, 1);
    EXPECT_EQ(design.curveA, calculated.curveA);
    EXPECT_EQ(design.curveB, calculated.curveB);
    EXPECT_EQ(design.curveC, calculated.curveC);
    EXPECT_EQ(design.Xmax, 6);
}

TEST(RunCalculation, StartupValuesGiveWorkedResultsAndRepaint) {
    BoxDesign design = StartupDesign();
    RecordingWindow window(design);
    RunCalculation(design, window);

    EXPECT_EQ(window.calls, kCompletedCalls);
    EXPECT_EQ(design.calculated, 1);
    EXPECT_EQ(Shown(design.Fl), "30.857");
    EXPECT_EQ(Shown(design.Fh), "81.4254");
    EXPECT_EQ(Shown(design.Fb), "50.1253");
    EXPECT_EQ(Shown(design.Vf), "42.6771");
    EXPECT_EQ(Shown(design.Vr), "55.3708");
    EXPECT_EQ(Shown(design.Lp), "44.5419");
    EXPECT_NEAR(design.curveA[0], -27.30, 0.005);
    EXPECT_NEAR(design.curveB[0], 81.39, 0.005);
    EXPECT_NEAR(design.curveC[0], 90.16, 0.005);
}

TEST(RunCalculation, SecondRunWithoutEditsGivesSameResults) {
    BoxDesign design = StartupDesign();
    RecordingWindow window(design);
    RunCalculation(design, window);
    const BoxDesign first = design;
    RunCalculation(design, window);
    EXPECT_EQ(design.Vf, first.Vf);
    EXPECT_EQ(design.Vr, first.Vr);
    EXPECT_EQ(design.Fb, first.Fb);
    EXPECT_EQ(design.Lp, first.Lp);
    EXPECT_EQ(design.curveA, first.curveA);
    EXPECT_EQ(design.curveB, first.curveB);
    EXPECT_EQ(design.curveC, first.curveC);
}

struct WarningCase {
    const char* name;
    RecordingWindow::Typing typed;
    bool warns;
};

TEST(RunCalculation, PortWarningShownWhenPortTooNarrowAndRunGoesOn) {
    const WarningCase cases[] = {
        {"Dp 16 is wide enough", nullptr, false},
        {"Dp 15.9 is too narrow", [](BoxDesign& d) { d.Dp = 15.9; }, true},
        {"0 ports need an infinite diameter", [](BoxDesign& d) { d.Ports = 0; }, true},
        {"negative ports give no warning", [](BoxDesign& d) { d.Ports = -1; }, false},
        {"negative Qts leaves Dmin NaN and no warning", [](BoxDesign& d) { d.Qts = -0.342; }, false},
    };
    for (const WarningCase& c : cases) {
        BoxDesign design = StartupDesign();
        RecordingWindow window(design, c.typed);
        RunCalculation(design, window);
        EXPECT_EQ(window.calls, c.warns ? kWarnedCalls : kCompletedCalls) << c.name;
        if (!c.warns) continue;
        EXPECT_EQ(window.texts[0], kPortWarningMessage) << c.name;
        EXPECT_EQ(window.captions[0], kWarningCaption) << c.name;
        EXPECT_EQ(window.LpWhileShown, design.Lp) << c.name;
        EXPECT_EQ(design.calculated, 1) << c.name;
    }
}

TEST(RunCalculation, PortWarningFollowsStoredLength) {
    // 15.9^2 * 23562.5 / (24^2 * 186.16) - 0.732 * 15.9 = 43.9141 cm (by hand)
    BoxDesign design = StartupDesign();
    RecordingWindow window(design, [](BoxDesign& d) { d.Dp = 15.9; });
    RunCalculation(design, window);
    EXPECT_NEAR(window.LpWhileShown, 43.9141, 5e-4);
}

TEST(RunCalculation, NegativeDriverValuesPassValidation) {
    const RecordingWindow::Typing negatives[] = {
        [](BoxDesign& d) { d.Qts = -0.342; },
        [](BoxDesign& d) { d.Vas = -186.16; },
        [](BoxDesign& d) { d.Pmax = -500; },
    };
    for (RecordingWindow::Typing typed : negatives) {
        BoxDesign design = StartupDesign();
        RecordingWindow window(design, typed);
        RunCalculation(design, window);
        EXPECT_EQ(window.calls.back(), "Invalidate");
        EXPECT_EQ(design.calculated, 1);
        EXPECT_NE(design.Vf, 0);
    }
}

TEST(RunCalculation, EnglishUnitsComputeInMetricAndShowEnglish) {
    BoxDesign design = StartupDesign();
    design.SetUnitLabels(UnitSystem::English);
    design.ConvertToEnglish();
    design.english = true;
    design.metric = false;

    RecordingWindow window(design);
    RunCalculation(design, window);

    EXPECT_EQ(window.calls, kCompletedCalls);
    EXPECT_EQ(Shown(design.Vf), "2604.31");
    EXPECT_EQ(Shown(design.Vr), "3378.93");
    EXPECT_EQ(Shown(design.Lp), "17.5362");
    EXPECT_EQ(Shown(design.Fb), "50.1253");
    EXPECT_EQ(Shown(design.Fl), "30.857");
    EXPECT_EQ(Shown(design.Fh), "81.4254");
    EXPECT_NEAR(design.Vas, 6.574178352872, 1e-11);
    EXPECT_NEAR(design.Dp, 6.2992125984, 1e-10);
    EXPECT_TRUE(design.english);
    EXPECT_FALSE(design.metric);
    EXPECT_EQ(design.VfLabel, " in3");
    EXPECT_EQ(design.LpLabel, " in");
    EXPECT_NEAR(design.curveB[0], 81.39, 0.005);
    EXPECT_NEAR(design.curveC[0], 90.16, 0.005);
}

TEST(RunCalculation, PortWarningInEnglishSeesLengthInCentimetres) {
    // 6.25 in is 15.875 cm, below the 15.911 cm minimum; while the box is open
    // the record is still metric: 15.875^2 * 23562.5 / (24^2 * 186.16) - 0.732 * 15.875 = 43.7578 cm.
    BoxDesign design = StartupDesign();
    design.SetUnitLabels(UnitSystem::English);
    design.ConvertToEnglish();
    design.english = true;
    design.metric = false;
    RecordingWindow window(design, [](BoxDesign& d) { d.Dp = 6.25; });
    RunCalculation(design, window);
    EXPECT_EQ(window.calls, kWarnedCalls);
    EXPECT_NEAR(window.LpWhileShown, 43.7578, 5e-4);
    EXPECT_NEAR(design.Lp, 43.7578 / 2.54, 5e-4);
}

TEST(RunCalculation, InfiniteRearChamberKeepsThermalLimitFinite) {
    BoxDesign design = StartupDesign();
    design.Qts = 1;
    SelectS(design, 0.5);
    RecordingWindow window(design);
    RunCalculation(design, window);
    EXPECT_TRUE(std::isinf(design.Vr));
    for (std::size_t i = 0; i < kCurveSamples; ++i) {
        ASSERT_TRUE(std::isfinite(design.curveA[i])) << i;
        ASSERT_TRUE(std::isfinite(design.curveB[i])) << i;
        ASSERT_TRUE(std::isfinite(design.curveC[i])) << i;
    }
}

}  // namespace
}  // namespace resonara
