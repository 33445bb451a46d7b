#include "designer.h"

#include <optional>
#include <ostream>
#include <string_view>

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

// A file that an option names and the run is written to.
struct FileOutput {
    std::string_view option;
    std::optional<std::string> DesignerOptions::*path;
    bool (*write)(const std::string& path, const DesignerRun& run);
};

constexpr FileOutput kFileOutputs[] = {
    {"--csv", &DesignerOptions::csvPath, WriteCurvesCsv},
    {"--svg", &DesignerOptions::svgPath, WriteChartSvg},
    {"--png", &DesignerOptions::pngPath, WriteChartPngFile},
};

// Writes every file asked for; false, with the message written, at the first that cannot be written.
bool WriteFiles(std::ostream& err, const DesignerOptions& options, const DesignerRun& run) {
    for (const FileOutput& output : kFileOutputs) {
        const std::optional<std::string>& path = options.*output.path;
        if (path && !output.write(*path, run)) {
            err << kProgramName << ": " << output.option << ": cannot write \"" << *path << "\"\n";
            return false;
        }
    }
    return true;
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
    if (!WriteFiles(err, options, run)) {
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
