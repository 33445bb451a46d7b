#include "calculation_run.h"

#include <cmath>

#include "alignment.h"
#include "excursion_limit.h"
#include "maximum_output.h"
#include "messages.h"
#include "output_response.h"
#include "port_design.h"

namespace resonara {
namespace {

// The driver values and graph flags as they were before the window's values
// were read in; a refused run puts them back.
struct Snapshot {
    double Qts;
    double Qes;
    double Vas;
    double Fs;
    double Pmax;
    double Diameter;
    double Xmax;
    int outputResponse;
    int powerResponse;

    explicit Snapshot(const BoxDesign& d)
        : Qts(d.Qts), Qes(d.Qes), Vas(d.Vas), Fs(d.Fs), Pmax(d.Pmax), Diameter(d.Diameter), Xmax(d.Xmax),
          outputResponse(d.outputResponse), powerResponse(d.powerResponse) {}

    void PutBack(BoxDesign& d) const {
        d.Qts = Qts;
        d.Qes = Qes;
        d.Vas = Vas;
        d.Fs = Fs;
        d.Pmax = Pmax;
        d.Diameter = Diameter;
        d.Xmax = Xmax;
        d.outputResponse = outputResponse;
        d.powerResponse = powerResponse;
    }
};

struct DriverCheck {
    double BoxDesign::*field;
    const char* message;
};

// Tested in this order; the first refused value names the message.
constexpr DriverCheck kDriverChecks[] = {
    {&BoxDesign::Qts, kQtsZeroMessage},   {&BoxDesign::Qes, kQesZeroMessage},
    {&BoxDesign::Vas, kVasZeroMessage},   {&BoxDesign::Fs, kFsZeroMessage},
    {&BoxDesign::Pmax, kPmaxZeroMessage}, {&BoxDesign::Diameter, kDiameterZeroMessage},
    {&BoxDesign::Xmax, kXmaxZeroMessage},
};

// Zero (either sign) and NaN are refused alike; every other value, negative
// ones included, goes through.
bool IsRefused(double value) { return value == 0 || std::isnan(value); }

// The message of the first refused driver value, or null when all pass.
const char* FirstRefusal(const BoxDesign& design) {
    for (const DriverCheck& check : kDriverChecks) {
        if (IsRefused(design.*check.field)) return check.message;
    }
    return nullptr;
}

// The computing steps, on a record in metric units. Returns whether the port warning is due.
bool ComputeDesign(BoxDesign& design) {
    ResponseWorkspace work;
    ComputeAlignment(design, ChooseAlignmentOption(design));
    FillOutputResponse(design, work);
    const MaximumOutput maximumOutput = FillMaximumOutput(design);
    FillExcursionLimit(design, maximumOutput.Vd);
    return DesignPort(design, maximumOutput.Vd).warningDue;
}

}  // namespace

void RunCalculation(BoxDesign& design, CalculationWindow& window) {
    const Snapshot snapshot(design);
    window.ExchangeIn();

    if (const char* refusal = FirstRefusal(design)) {
        window.ShowError(refusal, kWarningCaption);
        snapshot.PutBack(design);
        window.ExchangeOut();
        return;
    }

    design.calculated = 1;
    if (!design.metric) design.ConvertToMetric();
    if (ComputeDesign(design)) window.ShowError(kPortWarningMessage, kWarningCaption);
    if (!design.metric) design.ConvertToEnglish();
    window.ExchangeOut();
    window.Invalidate();
}

}  // namespace resonara
