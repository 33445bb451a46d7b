#include "designer_run.h"

#include <algorithm>

#include "calculation_run.h"
#include "console_window.h"
#include "messages.h"
#include "number_text.h"

namespace resonara {
namespace {

// The window shows each double with 15 significant digits and its next
// exchange reads that text back, so the English start-up values are the
// converted ones cut to what the fields show (Vas 6.574178352872 ft3).
void ReadBackAsShown(BoxDesign& design) {
    for (const InputOption& input : kInputOptions) {
        double& value = design.*input.field;
        value = ParseDouble(FormatDouble(value)).value_or(value);
    }
}

// What the window's "&English" command does to a fresh record; the results
// are still zero and need no reading back.
void SwitchToEnglish(BoxDesign& design) {
    design.SetUnitLabels(UnitSystem::English);
    design.ConvertToEnglish();
    design.english = true;
    design.metric = false;
    ReadBackAsShown(design);
}

BoxDesign StartupRecord(UnitSystem units) {
    BoxDesign design;
    design.ApplyStartupValues();
    if (units == UnitSystem::English) {
        SwitchToEnglish(design);
    }
    return design;
}

void ApplyOptions(const DesignerOptions& options, BoxDesign& design) {
    for (std::size_t i = 0; i < kInputOptions.size(); ++i) {
        if (options.inputs[i]) {
            design.*kInputOptions[i].field = *options.inputs[i];
        }
    }
    for (const SOption& s : kSOptions) {
        design.*s.flag = 0;
    }
    design.*kSOptions[options.sOption].flag = 1;
    design.outputResponse = options.Mode() == ChartMode::Output;
    design.powerResponse = options.Mode() == ChartMode::Power;
}

// What the Box Calculator shows when it opens on the run's results: the six
// values the window copies in, and the additional volumes as typed.
BoxCalculation OpenBoxCalculator(const DesignerOptions& options, const BoxDesign& design) {
    BoxCalculation box;
    CopyDesignInto(box, design);
    box.addlVf = options.addlVf.value_or(0);
    box.addlVr = options.addlVr.value_or(0);
    ComputeBoxOnOpening(box);
    return box;
}

}  // namespace

bool DesignerRun::PortWarning() const {
    return std::find(messages.begin(), messages.end(), kPortWarningMessage) != messages.end();
}

DesignerRun RunDesign(const DesignerOptions& options) {
    DesignerRun run;
    run.design = StartupRecord(options.units);
    ApplyOptions(options, run.design);
    for (std::size_t i = 0; i < kInputOptions.size(); ++i) {
        run.inputs[i] = run.design.*kInputOptions[i].field;
    }
    ConsoleWindow window;
    RunCalculation(run.design, window);
    run.messages = window.Messages();
    if (run.Stopped()) {
        return run;
    }
    run.ratedPower = ComputeRatedPowerCurves(run.design);
    if (options.box) {
        run.box = OpenBoxCalculator(options, run.design);
    }
    return run;
}

}  // namespace resonara
