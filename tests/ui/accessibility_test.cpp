#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QWidget>
#include <set>
#include <string>
#include <vector>

#include "about_dlg.h"
#include "accessible_names.h"
#include "box_calc_dlg.h"
#include "enclosure_dlg.h"
#include "ui_test_fixture.h"

// What a screen reader gets from the windows: every control it can reach
// has a name, fields are named by their label and unit, and the unit in
// the name is the one shown, in either unit system.
namespace resonara::testing {
namespace {

std::string AccessibleText(QObject* object, QAccessible::Text kind) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface != nullptr ? iface->text(kind).toStdString() : "(no accessible interface)";
}

std::string NameOf(const CDialog& dialog, int id) { return AccessibleText(dialog.GetDlgItem(id), QAccessible::Name); }

std::string ValueOf(const CDialog& dialog, int id) { return AccessibleText(dialog.GetDlgItem(id), QAccessible::Value); }

// Walks the accessibility tree below `iface` as an outside client would.
void CollectFocusable(QAccessibleInterface* iface, std::vector<QAccessibleInterface*>& found) {
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (child == nullptr) continue;
        if (child->state().focusable) found.push_back(child);
        CollectFocusable(child, found);
    }
}

// Every focusable child of the window has a name, and the walk reaches every
// control that takes the focus.
void ExpectWalkableByAScreenReader(const CDialog& dialog) {
    std::vector<QAccessibleInterface*> focusable;
    CollectFocusable(QAccessible::queryAccessibleInterface(dialog.Window()), focusable);
    std::set<const QObject*> reached;
    for (QAccessibleInterface* iface : focusable) {
        reached.insert(iface->object());
        EXPECT_FALSE(iface->text(QAccessible::Name).trimmed().isEmpty())
            << dialog.Template().caption << ": a focusable " << iface->role() << " without a name";
    }
    for (const ControlTemplate& control : dialog.Template().controls) {
        if (control.id == kNoControlId) continue;
        const QWidget* widget = dialog.GetDlgItem(control.id);
        if ((widget->focusPolicy() & Qt::TabFocus) == 0) continue;
        EXPECT_TRUE(reached.count(widget) == 1) << dialog.Template().caption << ": control " << control.id
                                                 << " not reached by the walk";
    }
}

struct FieldCase {
    int id;
    const char* metricName;
    const char* metricValue;  // start-up value
    const char* englishName;
    const char* englishValue;  // start-up value switched to English
};

// Names from the labels and unit labels of the main window; values from the
// start-up values and their English conversions worked out by hand.
constexpr FieldCase kMainWindowFields[] = {
    {kQtsEdit, "Qts", "0.342", "Qts", "0.342"},
    {kQesEdit, "Qes", "0.353", "Qes", "0.353"},
    {kFsEdit, "Fs (Hz)", "24", "Fs (Hz)", "24"},
    {kVasEdit, "Vas (liters)", "186.16", "Vas (ft3)", "6.574178352872"},
    {kPmaxEdit, "Pmax (watts)", "500", "Pmax (watts)", "500"},
    {kDiameterEdit, "Diameter (cm)", "30.38", "Diameter (in)", "11.960629921212"},
    {kXmaxEdit, "Xmax (mm)", "6", "Xmax (in)", "0.236220472440945"},
    {kDpEdit, "Dp (cm)", "16", "Dp (in)", "6.2992125984"},
    {kPortsEdit, "# Ports", "1", "# Ports", "1"},
    {kGainEdit, "Gain (dB)", "0", "Gain (dB)", "0"},
    {kVfEdit, "Vf (liters)", "0", "Vf (in3)", "0"},
    {kVrEdit, "Vr (liters)", "0", "Vr (in3)", "0"},
    {kFbEdit, "Fb (Hz)", "0", "Fb (Hz)", "0"},
    {kFlEdit, "Fl (Hz)", "0", "Fl (Hz)", "0"},
    {kFhEdit, "Fh (Hz)", "0", "Fh (Hz)", "0"},
    {kLpEdit, "Lp (cm)", "0", "Lp (in)", "0"},
};

class AccessibilityTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(main_.Create());
        main_.ShowWindow();
    }

    void Choose(int command) { main_.FindMenuItem(command)->trigger(); }

    CEnclosureDlg main_;
};

TEST_F(AccessibilityTest, MainWindowFieldsAreNamedByLabelAndUnitInBothUnitSystems) {
    for (const FieldCase& field : kMainWindowFields) {
        EXPECT_EQ(NameOf(main_, field.id), field.metricName) << field.id;
        EXPECT_EQ(ValueOf(main_, field.id), field.metricValue) << field.metricName;
    }
    Choose(kUnitsEnglishCommand);
    for (const FieldCase& field : kMainWindowFields) {
        EXPECT_EQ(NameOf(main_, field.id), field.englishName) << field.id;
        EXPECT_EQ(ValueOf(main_, field.id), field.englishValue) << field.englishName;
    }
    Choose(kUnitsMetricCommand);
    for (const FieldCase& field : kMainWindowFields) {
        EXPECT_EQ(NameOf(main_, field.id), field.metricName) << "back to metric: " << field.id;
        EXPECT_EQ(ValueOf(main_, field.id), field.metricValue) << "back to metric: " << field.metricName;
    }
}

TEST_F(AccessibilityTest, ValueIsWhatTheFieldShowsAfterTyping) {
    main_.SetDlgItemText(kQtsEdit, "0.4 ");
    EXPECT_EQ(ValueOf(main_, kQtsEdit), "0.4 ");
}

TEST_F(AccessibilityTest, ButtonsAndCheckBoxesAreNamedByTheirText) {
    struct ButtonCase {
        int id;
        const char* name;
    };
    constexpr ButtonCase kButtons[] = {
        {kCalculateButton, "Calculate"},      {kOutputResponseCheck, "Output Response"},
        {kPowerResponseCheck, "Power Response"}, {kS05Check, "0.5"},
        {kS06Check, "0.6"},                   {kS07Check, "0.7"},
        {kWebsiteButton, "www.resonara.example"}, {kAudioBooksButton, "Audio Books"},
        {IDOK, "OK"},                         {IDCANCEL, "Cancel"},
    };
    for (const ButtonCase& button : kButtons) EXPECT_EQ(NameOf(main_, button.id), button.name) << button.id;

    // The check state is what a screen reader announces with the name.
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(main_.GetDlgItem(kS07Check))->state().checked);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(main_.GetDlgItem(kS05Check))->state().checked);
}

struct BoxFieldCase {
    int id;
    const char* metricName;
    const char* metricValue;  // Vf 10, Vr 20, Dp 10, Lp 10, one port
    const char* englishName;
    const char* englishValue;  // Vf 600, Vr 1200, Dp 4, Lp 4, one port
};

// The worked examples of the Box Calculator: port volume (Dp / 2)^2 Lp pi,
// in liters in metric; Length the cube root of the total (in cm^3 in metric),
// Width 1.62 Length, the depths the chamber totals over Length x Width.
constexpr BoxFieldCase kBoxFields[] = {
    {kBoxVfEdit, "Vf (liter)", "10", "Vf (in3)", "600"},
    {kBoxVrEdit, "Vr (liter)", "20", "Vr (in3)", "1200"},
    {kBoxPortVolumeEdit, "Port Volume (liter)", "0.785398", "Port Volume (in3)", "50.2654"},
    {kBoxAddlVfEdit, "Addl. Vf (liter)", "0", "Addl. Vf (in3)", "0"},
    {kBoxAddlVrEdit, "Addl. Vr (liter)", "0", "Addl. Vr (in3)", "0"},
    {kBoxTotalVolumeEdit, "Total Volume (liter)", "30.7854", "Total Volume (in3)", "1850.27"},
    {kBoxTotalVfEdit, "Total Vf (liter)", "10.7854", "Total Vf (in3)", "650.265"},
    {kBoxTotalVrEdit, "Total Vr (liter)", "20", "Total Vr (in3)", "1200"},
    {kBoxLengthEdit, "Length (cm)", "31.3411", "Length (in)", "12.2766"},
    {kBoxWidthEdit, "Width (cm)", "50.7727", "Width (in)", "19.8881"},
    {kBoxFrontDepthEdit, "Front Depth (cm)", "6.77784", "Front Depth (in)", "2.6633"},
    {kBoxRearDepthEdit, "Rear Depth (cm)", "12.5686", "Rear Depth (in)", "4.91485"},
};

BoxDesign BoxExample(bool english) {
    BoxDesign design;
    design.english = english;
    design.metric = !english;
    design.Vf = english ? 600.0F : 10.0F;
    design.Vr = english ? 1200.0F : 20.0F;
    design.Dp = english ? 4.0 : 10.0;
    design.Lp = english ? 4.0F : 10.0F;
    design.Ports = 1;
    return design;
}

TEST_F(AccessibilityTest, BoxCalculatorFieldsAreNamedByTheirLabelsInBothUnitSystems) {
    for (const bool english : {false, true}) {
        CBoxCalcDlg box(&main_);
        box.CopyDesign(BoxExample(english));
        ASSERT_TRUE(box.Create());
        for (const BoxFieldCase& field : kBoxFields) {
            EXPECT_EQ(NameOf(box, field.id), english ? field.englishName : field.metricName) << field.id;
            EXPECT_EQ(ValueOf(box, field.id), english ? field.englishValue : field.metricValue)
                << (english ? field.englishName : field.metricName);
        }
        EXPECT_EQ(NameOf(box, kBoxCalculateButton), "Calculate");
        EXPECT_EQ(NameOf(box, IDCANCEL), "Cancel");
    }
}

TEST_F(AccessibilityTest, ScreenReaderCanWalkEveryWindow) {
    ExpectWalkableByAScreenReader(main_);
    Choose(kUnitsEnglishCommand);
    ExpectWalkableByAScreenReader(main_);

    CBoxCalcDlg box(&main_);
    box.CopyDesign(main_.Design());
    ASSERT_TRUE(box.Create());
    ExpectWalkableByAScreenReader(box);

    CAboutDlg about(&main_);
    ASSERT_TRUE(about.Create());
    ExpectWalkableByAScreenReader(about);
    EXPECT_EQ(NameOf(about, IDOK), "OK");
}

// The platform's naming on a template of its own: a fixed unit, a unit label
// whose text changes, a whole label less its colon, and mnemonic marks.
TEST(AccessibleNamesTest, NamesFollowTheTemplateRowsAndTheLabelsAsTheyStandNow) {
    enum : int { kFixed = 1, kWithUnitLabel, kUnitLabel, kWhole, kWholeLabel, kPlain, kButton, kCheck, kUnnamed };
    constexpr ControlTemplate kControls[] = {
        {ControlKind::Edit, kFixed, "", {0, 0, 40, 14}},
        {ControlKind::Edit, kWithUnitLabel, "", {0, 20, 40, 14}},
        {ControlKind::Label, kUnitLabel, " liters", {40, 20, 25, 8}},
        {ControlKind::RightAlignedLabel, kWholeLabel, " Length (cm): ", {0, 40, 40, 8}},
        {ControlKind::ReadOnlyEdit, kWhole, "", {40, 40, 40, 14}},
        {ControlKind::Edit, kPlain, "", {0, 60, 40, 14}},
        {ControlKind::Button, kButton, "Fish && &Chips", {0, 80, 40, 14}},
        {ControlKind::CheckBox, kCheck, "&Flag", {0, 100, 40, 10}},
        {ControlKind::Edit, kUnnamed, "", {0, 120, 40, 14}},
    };
    constexpr AccessibleNameTemplate kNames[] = {
        {kFixed, "Fs", "Hz"},
        {kWithUnitLabel, "Vas", "", kUnitLabel},
        {kWhole, "", "", kWholeLabel},
        {kPlain, "Qts"},
    };
    const DialogTemplate dialogTemplate{990, "Names", 100, 140, kSystemMenu, kControls, nullptr, kNames};
    QWidget window;
    auto* client = new QWidget(&window);
    const BuiltDialog built = BuildDialog(dialogTemplate, window, *client, [](int) {});
    auto control = [&](int id) {
        for (const BuiltControl& entry : built.controls) {
            if (entry.id == id) return entry.widget;
        }
        return static_cast<QWidget*>(nullptr);
    };
    auto name = [&](int id) { return AccessibleText(control(id), QAccessible::Name); };

    EXPECT_EQ(name(kFixed), "Fs (Hz)");
    EXPECT_EQ(name(kWithUnitLabel), "Vas (liters)");
    EXPECT_EQ(name(kWhole), "Length (cm)");
    EXPECT_EQ(name(kPlain), "Qts");
    EXPECT_EQ(name(kButton), "Fish & Chips");
    EXPECT_EQ(name(kCheck), "Flag");
    EXPECT_TRUE(control(kUnnamed)->accessibleName().isEmpty());

    static_cast<QLabel*>(control(kUnitLabel))->setText(" ft3");
    static_cast<QLabel*>(control(kWholeLabel))->setText("Length (in):");
    EXPECT_EQ(name(kWithUnitLabel), "Vas (liters)") << "names change only when they are applied again";
    ApplyAccessibleNames(dialogTemplate, built.controls);
    EXPECT_EQ(name(kWithUnitLabel), "Vas (ft3)");
    EXPECT_EQ(name(kWhole), "Length (in)");
}

TEST(AccessibleNamesTest, MnemonicMarksAreNotSpoken) {
    struct Case {
        const char* text;
        const char* spoken;
    };
    constexpr Case kCases[] = {
        {"&Box Calculator", "Box Calculator"}, {"Fish && Chips", "Fish & Chips"},
        {"0.5", "0.5"},                         {"Trailing &", "Trailing &"},
        {"&&&x", "&x"},                          {"", ""},
    };
    for (const Case& c : kCases) EXPECT_EQ(WithoutMnemonic(c.text), c.spoken) << c.text;
}

}  // namespace
}  // namespace resonara::testing
