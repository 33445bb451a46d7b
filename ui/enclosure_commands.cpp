// The main window's commands: graph modes, S options, units, help pages,
// the Box Calculator and the About window.
#include <string>

#include "about_dlg.h"
#include "enclosure_dlg.h"
#include "platform_services.h"
#include "web_addresses.h"

namespace resonara {
namespace {

constexpr unsigned kHelpBoxFlags = MB_OKCANCEL | MB_ICONINFORMATION;

const std::string kOnlineHelpCaption = "Online Help";
const std::string kOnlineHelpText =
    std::string("Click OK to go to Online help.  If you cannot access online help from this box goto:\n ") + kHomePage;
const std::string kWebsiteCaption = std::string("Website: ") + kMakerAddress;
const std::string kWebsiteText = std::string("Click OK to go to ") + kMakerAddress +
                                 ".  If you cannot access from this box goto:\n " + kHomePage;

}  // namespace

const CommandEntry CEnclosureDlg::kCommands[] = {
    {kCalculateButton, Handler(&CEnclosureDlg::OnCalculate)},
    {kOutputResponseCheck, Handler(&CEnclosureDlg::OnOutputResponse)},
    {kPowerResponseCheck, Handler(&CEnclosureDlg::OnPowerResponse)},
    {kS05Check, Handler(&CEnclosureDlg::OnS05)},
    {kS06Check, Handler(&CEnclosureDlg::OnS06)},
    {kS07Check, Handler(&CEnclosureDlg::OnS07)},
    {kWebsiteButton, Handler(&CEnclosureDlg::OnWebsite)},
    {kAudioBooksButton, Handler(&CEnclosureDlg::OnAudioBooks)},
    {kFileExitCommand, Handler(&CEnclosureDlg::OnFileExit)},
    {kBoxCalculatorCommand, Handler(&CEnclosureDlg::OnBoxCalculator)},
    {kOnlineHelpCommand, Handler(&CEnclosureDlg::OnOnlineHelp)},
    {kAboutCommand, Handler(&CEnclosureDlg::OnAbout)},
    {kUnitsEnglishCommand, Handler(&CEnclosureDlg::OnUnitsEnglish)},
    {kUnitsMetricCommand, Handler(&CEnclosureDlg::OnUnitsMetric)},
};

std::span<const CommandEntry> CEnclosureDlg::CommandTable() const { return kCommands; }

// The check box has already toggled itself; setting the pair again keeps the
// clicked one checked. Before the first calculation there is nothing to redraw.
void CEnclosureDlg::SelectGraphMode(int BoxDesign::*selected, int BoxDesign::*cleared) {
    UpdateData(true);
    design_.*selected = 1;
    design_.*cleared = 0;
    UpdateData(false);
    if (design_.calculated == 1) OnCalculate();
}

void CEnclosureDlg::OnOutputResponse() { SelectGraphMode(&BoxDesign::outputResponse, &BoxDesign::powerResponse); }

void CEnclosureDlg::OnPowerResponse() { SelectGraphMode(&BoxDesign::powerResponse, &BoxDesign::outputResponse); }

// An S option always calculates, also before the first "Calculate".
void CEnclosureDlg::SelectS(int BoxDesign::*selected) {
    UpdateData(true);
    design_.s05 = 0;
    design_.s06 = 0;
    design_.s07 = 0;
    design_.*selected = 1;
    UpdateData(false);
    OnCalculate();
}

void CEnclosureDlg::OnS05() { SelectS(&BoxDesign::s05); }

void CEnclosureDlg::OnS06() { SelectS(&BoxDesign::s06); }

void CEnclosureDlg::OnS07() { SelectS(&BoxDesign::s07); }

void CEnclosureDlg::OnFileExit() { OnOK(); }

// Converts what the fields show, and only when the system changes; the chart
// carries no units, so nothing is recalculated or repainted.
void CEnclosureDlg::SwitchUnits(UnitSystem system) {
    UpdateData(true);
    design_.SetUnitLabels(system);
    const bool toEnglish = system == UnitSystem::English;
    if (toEnglish && !design_.english) design_.ConvertToEnglish();
    if (!toEnglish && !design_.metric) design_.ConvertToMetric();
    design_.english = toEnglish;
    design_.metric = !toEnglish;
    UpdateData(false);
}

void CEnclosureDlg::OnUnitsEnglish() { SwitchUnits(UnitSystem::English); }

void CEnclosureDlg::OnUnitsMetric() { SwitchUnits(UnitSystem::Metric); }

// The record as it stands, without reading the fields first.
void CEnclosureDlg::OnBoxCalculator() {
    boxCalc_.CopyDesign(design_);
    boxCalc_.DoModal();
}

void CEnclosureDlg::OnOnlineHelp() {
    if (MessageBox(kOnlineHelpText, kOnlineHelpCaption, kHelpBoxFlags) == IDOK) Services().ShellOpen(kSpeakerPage);
}

void CEnclosureDlg::OfferWebsite(const char* page) {
    if (MessageBox(kWebsiteText, kWebsiteCaption, kHelpBoxFlags) == IDOK) Services().ShellOpen(page);
}

void CEnclosureDlg::OnWebsite() { OfferWebsite(kSpeakerPage); }

void CEnclosureDlg::OnAudioBooks() { OfferWebsite(kBooksPage); }

void CEnclosureDlg::OnAbout() {
    CAboutDlg about(this);
    about.DoModal();
}

}  // namespace resonara
