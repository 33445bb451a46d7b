#include "help_text.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "box_design.h"
#include "number_text.h"
#include "options.h"

namespace resonara {
namespace {

// Column at which option descriptions start.
constexpr std::size_t kDescriptionColumn = 26;

std::string OptionLine(std::string_view option, std::string_view description) {
    std::string line = "  " + std::string(option);
    line.resize(std::max(line.size() + 1, kDescriptionColumn), ' ');
    return line + std::string(description) + "\n";
}

// The input options with the metric start-up values as their defaults, so
// the text cannot drift from the record.
std::string InputLines() {
    BoxDesign startup;
    startup.ApplyStartupValues();
    std::string lines;
    for (const InputOption& input : kInputOptions) {
        lines += OptionLine(std::string(input.name) + " N",
                            std::string(input.help) + " (default " + FormatDouble(startup.*input.field) + ")");
    }
    return lines;
}

}  // namespace

std::string HelpText() {
    return std::string("Usage: ") + kProgramName + " [OPTION]...\n"
           "Designs a fourth-order bandpass enclosure: chamber volumes Vf and Vr, tuning Fb,\n"
           "passband edges Fl and Fh and port length Lp, with the output and maximum-output curves.\n"
           "\n"
           "Driver and port (--opt N or --opt=N; numbers are read as the window reads its fields):\n" +
           InputLines() +
           "  In English units the unit-bearing inputs are in ft3 and in, and their defaults are the\n"
           "  start-up values converted as the window shows them (e.g. --vas 6.574178352872).\n"
           "\n"
           "Design:\n" +
           OptionLine("--s 0.5|0.6|0.7", "alignment option S (default 0.7)") +
           OptionLine("--units metric|english", "unit system of inputs and results (default metric)") +
           "\n"
           "Output:\n" +
           OptionLine("--json", "write one JSON object instead of the result lines") +
           OptionLine("--curves", "with --json, add the curves, 990 samples from 10 Hz to 999 Hz: output,") +
           OptionLine("", "excursion and thermal limits in dB, cone excursion in mm and port air") +
           OptionLine("", "velocity in m/s at Pmax") +
           OptionLine("--csv FILE", "also write the curves to FILE as CSV") +
           "\n"
           "Box Calculator (volumes in liters or in3 as the units in force):\n" +
           OptionLine("--box", "add the box figures: port volume, totals, length, width, depths") +
           OptionLine("--addl-vf N", "with --box, additional front chamber volume (default 0)") +
           OptionLine("--addl-vr N", "with --box, additional rear chamber volume (default 0)") +
           "\n"
           "Chart (the main window's 768 x 554 client area after the calculation):\n" +
           OptionLine("--svg FILE", "write the chart to FILE as SVG") +
           OptionLine("--png FILE", "write the chart to FILE as PNG, painted as the window paints it") +
           OptionLine("--mode output|power", "with --svg or --png, the graph mode (default output)") +
           "\n" +
           OptionLine("-h, --help", "show this help and exit") +
           "\n"
           "Exit status:\n"
           "  0   results written; a port-diameter warning is reported but is no failure\n"
           "  2   unknown option, missing value or text that is not a number; a zero driver value\n"
           "      stopped the calculation; or a --csv, --svg or --png FILE cannot be written\n"
           "Errors go to standard error; nothing is written to standard output then.\n";
}

}  // namespace resonara
