#include "designer.h"

#include <ostream>

#include "designer_run.h"
#include "help_text.h"
#include "options.h"
#include "reports.h"

namespace resonara {
namespace {

int UsageError(std::ostream& err, const std::string& error) {
    err << kProgramName << ": " << error << '\n' << "Try '" << kProgramName << " --help'.\n";
    return kExitFailure;
}

// The run's own message, exactly as its box would show it.
int StoppedRun(std::ostream& err, const DesignerRun& run) {
    for (const std::string& message : run.messages) {
        err << message << '\n';
    }
    return kExitFailure;
}

}  // namespace

int RunDesigner(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ParsedOptions parsed = ParseOptions(args);
    if (!parsed.error.empty()) {
        return UsageError(err, parsed.error);
    }
    const DesignerOptions& options = parsed.options;
    if (options.help) {
        out << HelpText();
        return kExitSuccess;
    }

    const DesignerRun run = RunDesign(options);
    if (run.Stopped()) {
        return StoppedRun(err, run);
    }
    if (options.csvPath && !WriteCurvesCsv(*options.csvPath, run.design)) {
        err << kProgramName << ": --csv: cannot write \"" << *options.csvPath << "\"\n";
        return kExitFailure;
    }
    if (options.json) {
        WriteJsonReport(out, options, run);
    } else {
        WritePlainReport(out, run);
    }
    return kExitSuccess;
}

}  // namespace resonara
