#include "about_dlg.h"

#include "program_icon.h"

namespace resonara {
namespace {

using K = ControlKind;

constexpr ControlTemplate kControls[] = {
    {K::Icon, kNoControlId, "", {11, 17, 20, 20}, kNoStyle, kProgramIconId},
    {K::Label, kNoControlId, "Resonara Version 2.0", {40, 10, 119, 8}, kNoMnemonic},
    {K::DefaultButton, IDOK, "OK", {178, 7, 42, 14}},
};

}  // namespace

const DialogTemplate kAboutTemplate{100, "About Resonara 2.0", 232, 135, kSystemMenu, kControls};

CAboutDlg::CAboutDlg(CDialog* owner) : CDialog(kAboutTemplate, owner) {}

}  // namespace resonara
