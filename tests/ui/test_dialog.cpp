#include "test_dialog.h"

#include "qt_surface.h"

namespace resonara::testing {
namespace {

constexpr unsigned kLockedStyle = kHidden | kDisabled;

// The same controls for both templates but for the OK and Cancel style.
// The "&Value: " label lends its mnemonic to the edit after it.
constexpr std::array<ControlTemplate, 15> TestControls(unsigned okCancelStyle) {
    return {{
        {ControlKind::DefaultButton, IDOK, "OK", {140, 7, 50, 14}, okCancelStyle},
        {ControlKind::Button, IDCANCEL, "Cancel", {140, 24, 50, 14}, okCancelStyle},
        {ControlKind::RightAlignedLabel, kNoControlId, "&Value: ", {0, 25, 40, 8}},
        {ControlKind::Edit, kValueId, "", {40, 25, 40, 14}},
        {ControlKind::ReadOnlyEdit, kResultId, "", {40, 45, 40, 12}},
        {ControlKind::CheckBox, kFlagId, "&Flag", {10, 64, 40, 10}},
        {ControlKind::Label, kUnitId, "", {81, 45, 25, 8}},
        {ControlKind::Edit, kLaterId, "", {40, 80, 40, 14}},
        {ControlKind::Button, kActionId, "&Action", {90, 80, 40, 14}},
        {ControlKind::Button, kHiddenId, "Hidden", {90, 100, 40, 14}, kHidden},
        {ControlKind::Button, kDisabledId, "Disabled", {135, 100, 40, 14}, kDisabled},
        {ControlKind::GroupBox, kNoControlId, "Group", {4, 20, 110, 80}},
        {ControlKind::Icon, kNoControlId, "", {150, 50, 20, 20}, kNoStyle, 128},
        {ControlKind::Label, kNoControlId, "Fish && Chips", {150, 80, 40, 8}, kNoMnemonic},
        {ControlKind::RightAlignedLabel, kNoControlId, "Lp: ", {415, 100, 13, 8}},
    }};
}

constexpr auto kOpenControls = TestControls(kNoStyle);
constexpr auto kLockedControls = TestControls(kLockedStyle);

constexpr MenuItemTemplate kFileItems[] = {{"&Do", kMenuDoCommand}, {"", 0}, {"&Other", kMenuOtherCommand}};
constexpr PopupTemplate kPopups[] = {{"&File", kFileItems}};
constexpr MenuTemplate kMenu{900, kPopups};

constexpr ExchangeRow<TestRecord> kExchange[] = {
    {kFlagId, &TestRecord::flag},
    {kValueId, &TestRecord::value},
    {kResultId, &TestRecord::result},
    {kUnitId, &TestRecord::unit},
    {kLaterId, &TestRecord::later},
};

}  // namespace

const DialogTemplate kOpenTemplate{901, "Open Test", 200, 120, kSystemMenu, kOpenControls};
const DialogTemplate kLockedTemplate{
    902, "Locked Test", 512, 341, kSystemMenu | kMinimizeBox | kMaximizeBox, kLockedControls, &kMenu};

const CommandEntry TestDialog::kCommands[3] = {
    {kActionId, Handler(&TestDialog::OnAction)},
    {kFlagId, Handler(&TestDialog::OnFlag)},
    {kMenuDoCommand, Handler(&TestDialog::OnMenuDo)},
};

bool TestDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    return initFocus;
}

void TestDialog::DoDataExchange(DataExchange& dx) { dx.Exchange(record, kExchange); }

void TestDialog::OnClose() {
    if (closeRunsOk) OnOK();
    CDialog::OnClose();
}

void TestDialog::OnSysCommand(unsigned id) {
    sysCommands.push_back(id);
    if ((id & kSystemCommandMask) != kTestAboutCommand) CDialog::OnSysCommand(id);
}

void TestDialog::OnPaint(QtSurface& surface) {
    ++paints;
    static constexpr Pen kRedPen{1, {255, 0, 0}};
    surface.SelectPen(&kRedPen);
    surface.MoveTo(10, 10);
    surface.LineTo(30, 10);
}

void TestDialog::OnFlag() {
    commands.push_back("flag");
    flagCheckedInHandler = IsDlgButtonChecked(kFlagId);
}

}  // namespace resonara::testing
