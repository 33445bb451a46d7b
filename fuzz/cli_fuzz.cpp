// Fuzz target for the command-line designer, run in-process.
//
// Every input is an argument vector (sandboxed_arguments.h). The designer may
// refuse it but must not crash, hang or leak, and it keeps its promises: exit
// status 0 or 2; on 2 an error text and nothing on standard output; on 0 a
// report and no error text; a JSON report is one JSON text and a newline; a
// second run on the same arguments gives the same outcome.
//
// Files named by --csv and the other FILE options of the help text land in
// <RESONARA_FUZZ_DIR or /tmp/resonara-fuzz>/<pid>.
// The working directory stays as it is: libFuzzer reads its corpus, dictionary
// and artifact paths relative to it, some after LLVMFuzzerInitialize.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "check.h"
#include "designer.h"
#include "json_syntax.h"
#include "sandboxed_arguments.h"

namespace resonara::fuzz {
namespace {

constexpr const char* kSandboxVariable = "RESONARA_FUZZ_DIR";
constexpr const char* kDefaultSandboxRoot = "/tmp/resonara-fuzz";

// Where the files of a run go and which options name them.
struct Sandbox {
    std::string directory;
    std::set<std::string, std::less<>> fileOptions;
};

Sandbox& TheSandbox() {
    static Sandbox sandbox;
    return sandbox;
}

std::string HelpText() {
    std::ostringstream out;
    std::ostringstream err;
    RunDesigner({"--help"}, out, err);
    return out.str();
}

void PrepareSandbox() {
    Sandbox& sandbox = TheSandbox();
    sandbox.fileOptions = FileOptionsOf(HelpText());
    if (sandbox.fileOptions.empty()) {
        Fail("the help text names no FILE option, so the sandbox cannot tell which arguments name files");
    }
    const char* root = std::getenv(kSandboxVariable);
    const std::filesystem::path directory =
        std::filesystem::path(root != nullptr && *root != '\0' ? root : kDefaultSandboxRoot) /
        std::to_string(getpid());
    std::filesystem::create_directories(directory);
    sandbox.directory = directory.string();
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;

    bool operator==(const Outcome&) const = default;
};

Outcome Design(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    Outcome outcome;
    outcome.status = RunDesigner(args, out, err);
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

std::string Describe(const std::vector<std::string>& args) {
    std::string text = "resonara-cli";
    for (const std::string& arg : args) {
        text += " " + Quoted(arg);
    }
    return text;
}

void CheckOutcome(const std::vector<std::string>& args, const Outcome& outcome) {
    const std::string command = Describe(args);
    if (outcome.status == kExitFailure) {
        if (!outcome.out.empty() || outcome.err.empty() || !outcome.err.ends_with('\n')) {
            Fail(command + " failed with output " + Quoted(outcome.out) + " and error " + Quoted(outcome.err));
        }
        return;
    }
    if (outcome.status != kExitSuccess) {
        Fail(command + " returned exit status " + std::to_string(outcome.status));
    }
    if (outcome.out.empty() || !outcome.err.empty()) {
        Fail(command + " succeeded with output " + Quoted(outcome.out) + " and error " + Quoted(outcome.err));
    }
    const bool json = outcome.out.starts_with('{');
    if (json && (!outcome.out.ends_with("}\n") || !IsJsonText(outcome.out))) {
        Fail(command + " wrote a JSON report that is not JSON: " + Quoted(outcome.out));
    }
}

}  // namespace
}  // namespace resonara::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    resonara::fuzz::PrepareSandbox();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace resonara::fuzz;
    std::vector<std::string> args = SplitArguments(std::string_view(reinterpret_cast<const char*>(data), size));
    SandboxFiles(args, TheSandbox().fileOptions, TheSandbox().directory);
    const Outcome first = Design(args);
    CheckOutcome(args, first);
    if (!(Design(args) == first)) {
        Fail(Describe(args) + " gave another outcome the second time");
    }
    return 0;
}
