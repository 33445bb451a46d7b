#pragma once

#include <QIcon>
#include <span>

#include "box_calc_dlg.h"
#include "box_design.h"
#include "calculation_run.h"
#include "dialog.h"
#include "main_window_paint.h"

namespace resonara {

// Controls and commands of the main window, dialog 102 with menu 129.
enum EnclosureControl : int {
    kQtsEdit = 1001,
    kVasEdit = 1002,
    kFsEdit = 1003,
    kVfEdit = 1004,
    kFbEdit = 1005,
    kFlEdit = 1006,
    kVrEdit = 1007,
    kQesEdit = 1008,
    kPmaxEdit = 1009,
    kDiameterEdit = 1010,
    kXmaxEdit = 1011,
    kCalculateButton = 1012,
    kOutputResponseCheck = 1013,
    kPowerResponseCheck = 1014,
    kDpEdit = 1015,
    kPortsEdit = 1017,
    kFhEdit = 1018,
    kLpEdit = 1019,
    kS05Check = 1020,
    kS06Check = 1021,
    kS07Check = 1022,
    kGainEdit = 1023,
    kVasUnit = 1024,
    kDiameterUnit = 1025,
    kXmaxUnit = 1026,
    kDpUnit = 1027,
    kVfUnit = 1028,
    kVrUnit = 1029,
    kLpUnit = 1030,
    kWebsiteButton = 1037,
    kAudioBooksButton = 1043,
};

enum EnclosureCommand : int {
    kFileExitCommand = 32771,
    kBoxCalculatorCommand = 32772,
    kOnlineHelpCommand = 32773,
    kAboutCommand = 32774,
    kUnitsEnglishCommand = 32775,
    kUnitsMetricCommand = 32776,
};

// The About entry appended to the system menu.
inline constexpr unsigned kSystemAboutCommand = 16;

// The main window: the design record, its fields and the response chart.
// Every command moves the fields into the record and back through the one
// exchange table; the engine and the chart work on the record alone.
class CEnclosureDlg final : public CDialog, private CalculationWindow, private PaintedWindow {
public:
    CEnclosureDlg();

    const BoxDesign& Design() const { return design_; }
    CBoxCalcDlg& BoxCalculator() { return boxCalc_; }

    // The calculation run behind "Calculate", the S options and the graph modes.
    void OnCalculate();

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;
    void OnClose() override;
    void OnSysCommand(unsigned id) override;
    void OnPaint(QtSurface& surface) override;
    std::span<const CommandEntry> CommandTable() const override;

private:
    // Commands.
    void OnOutputResponse();
    void OnPowerResponse();
    void OnS05();
    void OnS06();
    void OnS07();
    void OnFileExit();
    void OnUnitsEnglish();
    void OnUnitsMetric();
    void OnBoxCalculator();
    void OnOnlineHelp();
    void OnWebsite();
    void OnAudioBooks();
    void OnAbout();

    void SelectGraphMode(int BoxDesign::*selected, int BoxDesign::*cleared);
    void SelectS(int BoxDesign::*selected);
    void SwitchUnits(UnitSystem system);
    // The website box; opens `page` on OK.
    void OfferWebsite(const char* page);

    // CalculationWindow
    bool ExchangeIn() override;
    void ExchangeOut() override;
    void ShowError(const std::string& text, const std::string& caption) override;
    void Invalidate() override;

    // PaintedWindow
    bool IsMinimised() const override;
    void EraseIconBackground(Surface& surface) override;
    Point IconSize() const override;
    void DrawIcon(Surface& surface, Point topLeft) override;

    static const CommandEntry kCommands[];

    BoxDesign design_;
    CBoxCalcDlg boxCalc_;
    QIcon icon_;
};

// Dialog 102 and menu 129.
extern const DialogTemplate kEnclosureTemplate;

}  // namespace resonara
