// The Box Calculator window, opened from the main window's menu or on a
// design filled by hand, driven through its fields and its "Calculate" and
// "Cancel" buttons. Expected figures are worked by hand from its formulas:
// port volume = (Dp/2)^2 Lp 3.14159 Ports (x 0.001 in metric), Length =
// (Total Volume x 1000)^0.333333333 in metric, Width = 1.62 Length, depths =
// chamber volume x 1000 / Length / Width in metric.
#include <QPushButton>
#include <functional>
#include <vector>

#include "box_calc_dlg.h"
#include "box_calculator_labels_shown.h"
#include "window_test_helpers.h"

namespace resonara::testing {
namespace {

// What the window shows, figure by figure; null where a case does not look.
struct BoxFigures {
    const char* vf = nullptr;
    const char* vr = nullptr;
    const char* portVolume = nullptr;
    const char* addlVf = nullptr;
    const char* addlVr = nullptr;
    const char* totalVf = nullptr;
    const char* totalVr = nullptr;
    const char* totalVolume = nullptr;
    const char* length = nullptr;
    const char* width = nullptr;
    const char* frontDepth = nullptr;
    const char* rearDepth = nullptr;
};

void ExpectFigures(const CDialog& box, const BoxFigures& expected) {
    const std::pair<int, const char*> rows[] = {
        {kBoxVfEdit, expected.vf},
        {kBoxVrEdit, expected.vr},
        {kBoxPortVolumeEdit, expected.portVolume},
        {kBoxAddlVfEdit, expected.addlVf},
        {kBoxAddlVrEdit, expected.addlVr},
        {kBoxTotalVfEdit, expected.totalVf},
        {kBoxTotalVrEdit, expected.totalVr},
        {kBoxTotalVolumeEdit, expected.totalVolume},
        {kBoxLengthEdit, expected.length},
        {kBoxWidthEdit, expected.width},
        {kBoxFrontDepthEdit, expected.frontDepth},
        {kBoxRearDepthEdit, expected.rearDepth},
    };
    for (const auto& [control, text] : rows) {
        if (text == nullptr) continue;
        EXPECT_EQ(box.GetDlgItemText(control), text) << "control " << control;
    }
}

// Vf 42.6771, Vr 55.3708, Lp 44.5419, Dp 16, one port: 8^2 x 44.5419 x 3.14159 x 0.001.
constexpr BoxFigures kStartupDesignBox{
    .vf = "42.6771", .vr = "55.3708", .portVolume = "8.95567", .addlVf = "0", .addlVr = "0",
    .totalVf = "51.6327", .totalVr = "55.3708", .totalVolume = "107.004", .length = "47.4751",
    .width = "76.9097", .frontDepth = "14.1409", .rearDepth = "15.1647",
};


void ExpectLabels(const CDialog& box, bool english) {
    for (const BoxLabelShown& row : kBoxLabelsShown) {
        EXPECT_EQ(box.GetDlgItemText(row.control), english ? row.english : row.metric) << "label " << row.control;
    }
}

void CancelBox(CDialog& box) { Click(box, IDCANCEL); }

// ---- Opened from the main window ----------------------------------------------

class BoxCalculatorFromMenuTest : public MainWindowTest {
protected:
    // Opens the Box Calculator through the menu and hands it to `driver`,
    // which must end it.
    void OpenBoxCalculator(std::function<void(CDialog&)> driver) {
        services_.ExpectModal(std::move(driver));
        ChooseMenu(window_, kBoxCalculatorCommand);
    }
};

TEST_F(BoxCalculatorFromMenuTest, AfterACalculationItOpensWithTheRecordsFigures) {
    Calculate();
    OpenBoxCalculator([this](CDialog& box) {
        EXPECT_EQ(box.Template().id, 130);
        EXPECT_EQ(box.Owner(), &window_);
        EXPECT_EQ(box.Window()->windowTitle().toStdString(), "Box Calculator");
        EXPECT_EQ(box.Window()->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(box.GetFocusId(), kBoxCalculateButton);
        ExpectFigures(box, kStartupDesignBox);
        ExpectLabels(box, false);
        CancelBox(box);
        EXPECT_EQ(box.EndCode(), IDCANCEL);
    });
}

// Vf, Vr and Lp are 0: every volume is 0, so are Length and Width, and both
// depths are zero divided by zero.
TEST_F(BoxCalculatorFromMenuTest, BeforeAnyCalculationItCopiesZeros) {
    OpenBoxCalculator([](CDialog& box) {
        ExpectFigures(box, {.vf = "0", .vr = "0", .portVolume = "0", .addlVf = "0", .addlVr = "0", .totalVf = "0",
                            .totalVr = "0", .totalVolume = "0", .length = "0", .width = "0", .frontDepth = "nan",
                            .rearDepth = "nan"});
        CancelBox(box);
    });
}

// The command copies the record as it stands, without reading the fields.
TEST_F(BoxCalculatorFromMenuTest, DpTypedWithoutACalculationIsNotPassed) {
    Calculate();
    Type(kDpEdit, "10");
    OpenBoxCalculator([](CDialog& box) {
        ExpectFigures(box, {.portVolume = "8.95567"});
        CancelBox(box);
    });
}

// The first "Calculate" reads the six-digit fields back: 42.6771 + 8.95567 + 5.
// The next opening starts from the record's own Vf (42.677074...) and the kept 5 and 2.
TEST_F(BoxCalculatorFromMenuTest, AdditionalVolumesTakenByCalculateEnterTheNextOpening) {
    Calculate();
    OpenBoxCalculator([](CDialog& box) {
        TypeInto(box, kBoxAddlVfEdit, "5");
        TypeInto(box, kBoxAddlVrEdit, "2");
        Click(box, kBoxCalculateButton);
        ExpectFigures(box, {.totalVf = "56.6328", .totalVr = "57.3708", .totalVolume = "114.004", .length = "47.4751",
                            .width = "76.9097", .frontDepth = "15.5103", .rearDepth = "15.7124"});
        CancelBox(box);
    });
    OpenBoxCalculator([](CDialog& box) {
        ExpectFigures(box, {.addlVf = "5", .addlVr = "2", .totalVf = "56.6327", .totalVr = "57.3708",
                            .totalVolume = "114.004", .length = "48.4886", .width = "78.5515", .frontDepth = "14.8687",
                            .rearDepth = "15.0625"});
        CancelBox(box);
    });
}

TEST_F(BoxCalculatorFromMenuTest, CancelAfterEditsKeepsNothing) {
    Calculate();
    OpenBoxCalculator([](CDialog& box) {
        TypeInto(box, kBoxAddlVfEdit, "5");
        TypeInto(box, kBoxAddlVrEdit, "2");
        TypeInto(box, kBoxVfEdit, "99");
        CancelBox(box);
    });
    OpenBoxCalculator([](CDialog& box) {
        ExpectFigures(box, kStartupDesignBox);
        CancelBox(box);
    });
}

TEST_F(BoxCalculatorFromMenuTest, NothingFlowsBackIntoTheMainWindow) {
    Calculate();
    const BoxDesign before = window_.Design();
    OpenBoxCalculator([](CDialog& box) {
        TypeInto(box, kBoxVfEdit, "99");
        TypeInto(box, kBoxVrEdit, "88");
        TypeInto(box, kBoxLengthEdit, "40");
        Click(box, kBoxCalculateButton);
        CancelBox(box);
    });
    EXPECT_EQ(Text(kVfEdit), "42.6771");
    EXPECT_EQ(Text(kVrEdit), "55.3708");
    EXPECT_EQ(Text(kLpEdit), "44.5419");
    EXPECT_EQ(Text(kDpEdit), "16");
    EXPECT_EQ(window_.Design().Vf, before.Vf);
    EXPECT_EQ(window_.Design().Vr, before.Vr);
    EXPECT_EQ(window_.Design().Lp, before.Lp);
    EXPECT_FALSE(window_.IsEnded());
}

// The record in English after a calculation in English: Vf 2604.31 in3,
// Vr 3378.93 in3, Lp 17.5362 in, Dp 6.2992125984 in; no 0.001 for the port.
TEST_F(BoxCalculatorFromMenuTest, EnglishUnitsGiveEnglishLabelsAndFigures) {
    ChooseMenu(window_, kUnitsEnglishCommand);
    Calculate();
    OpenBoxCalculator([](CDialog& box) {
        ExpectLabels(box, true);
        ExpectFigures(box, {.vf = "2604.31", .vr = "3378.93", .portVolume = "546.508", .totalVolume = "6529.76",
                            .length = "18.691", .width = "30.2794"});
        CancelBox(box);
    });
}

// ---- On a design filled by hand -------------------------------------------------

// A record holding what the Box Calculator copies, with one port.
BoxDesign DesignForBox(float vf, float vr, double dp, float lp, bool english) {
    BoxDesign design;
    design.Vf = vf;
    design.Vr = vr;
    design.Dp = dp;
    design.Lp = lp;
    design.Ports = 1;
    design.english = english;
    design.metric = !english;
    return design;
}

// The Box Calculator object on its own, given a design through CopyDesign().
class BoxCalculatorWindowTest : public UiTest {
protected:
    void Open(const BoxDesign& design, std::function<void(CDialog&)> driver) {
        box_.CopyDesign(design);
        services_.ExpectModal(std::move(driver));
        box_.DoModal();
    }

    CBoxCalcDlg box_{nullptr};
};

const BoxDesign kMetricExample = DesignForBox(10, 20, 10, 10, false);

TEST_F(BoxCalculatorWindowTest, MetricExampleOpensWithItsBox) {
    Open(kMetricExample, [](CDialog& box) {
        ExpectLabels(box, false);
        ExpectFigures(box, {.vf = "10", .vr = "20", .portVolume = "0.785398", .addlVf = "0", .addlVr = "0",
                            .totalVf = "10.7854", .totalVr = "20", .totalVolume = "30.7854", .length = "31.3411",
                            .width = "50.7727", .frontDepth = "6.77784", .rearDepth = "12.5686"});
        CancelBox(box);
    });
}

TEST_F(BoxCalculatorWindowTest, LengthAndWidthTypedBeforeCalculateGiveNewDepths) {
    Open(kMetricExample, [](CDialog& box) {
        TypeInto(box, kBoxLengthEdit, "40");
        TypeInto(box, kBoxWidthEdit, "30");
        Click(box, kBoxCalculateButton);
        ExpectFigures(box, {.totalVf = "10.7854", .totalVr = "20", .totalVolume = "30.7854", .length = "40",
                            .width = "30", .frontDepth = "8.98783", .rearDepth = "16.6667"});
        EXPECT_FALSE(box.IsEnded());
        CancelBox(box);
    });
}

TEST_F(BoxCalculatorWindowTest, EnglishExampleOpensWithItsBox) {
    Open(DesignForBox(600, 1200, 4, 4, true), [](CDialog& box) {
        ExpectLabels(box, true);
        ExpectFigures(box, {.vf = "600", .vr = "1200", .portVolume = "50.2654", .totalVolume = "1850.27",
                            .length = "12.2766", .width = "19.8881", .frontDepth = "2.6633",
                            .rearDepth = "4.91485"});
        CancelBox(box);
    });
}

TEST_F(BoxCalculatorWindowTest, EnterPressesCalculate) {
    Open(kMetricExample, [](CDialog& box) {
        TypeInto(box, kBoxLengthEdit, "40");
        TypeInto(box, kBoxWidthEdit, "30");
        PressKey(box.GetDlgItem(kBoxWidthEdit), Qt::Key_Return);
        ExpectFigures(box, {.frontDepth = "8.98783", .rearDepth = "16.6667"});
        EXPECT_FALSE(box.IsEnded());
        CancelBox(box);
    });
}

TEST_F(BoxCalculatorWindowTest, EscTheCloseBoxAndCancelEndIt) {
    const std::pair<const char*, std::function<void(CDialog&)>> ways[] = {
        {"Esc", [](CDialog& box) { PressKey(box.GetDlgItem(kBoxVfEdit), Qt::Key_Escape); }},
        {"close box", [](CDialog& box) { box.Window()->close(); }},
        {"Cancel", CancelBox},
    };
    for (const auto& [name, end] : ways) {
        SCOPED_TRACE(name);
        int code = 0;
        Open(kMetricExample, [&](CDialog& box) {
            end(box);
            code = box.EndCode();
        });
        EXPECT_EQ(code, IDCANCEL);
    }
}

// Length and Width come before Addl. Vf in the exchange table and are taken;
// the bad text and Addl. Vr after it are rewritten from the stored values.
TEST_F(BoxCalculatorWindowTest, BadFieldIsReportedAndTheFiguresBeforeItAreUsed) {
    Open(kMetricExample, [this](CDialog& box) {
        TypeInto(box, kBoxLengthEdit, "40");
        TypeInto(box, kBoxWidthEdit, "30");
        TypeInto(box, kBoxAddlVfEdit, "x");
        TypeInto(box, kBoxAddlVrEdit, "3");
        services_.ExpectMessageBox();
        Click(box, kBoxCalculateButton);
        ASSERT_EQ(services_.MessageBoxes().size(), 1u);
        EXPECT_EQ(services_.MessageBoxes()[0].text, "Please enter a number.");
        EXPECT_EQ(services_.MessageBoxes()[0].flags, 0x30u);
        EXPECT_EQ(box.GetFocusId(), kBoxAddlVfEdit);
        ExpectFigures(box, {.addlVf = "0", .addlVr = "0", .totalVr = "20", .length = "40", .width = "30",
                            .frontDepth = "8.98783", .rearDepth = "16.6667"});
        CancelBox(box);
    });
}

}  // namespace
}  // namespace resonara::testing
