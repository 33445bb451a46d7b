#include "sandboxed_arguments.h"

#include <regex>

namespace resonara::fuzz {
namespace {

constexpr std::string_view kMissingDirectory = "/no-such-directory";

bool IsSeparator(char c) { return c == '\0' || c == '\n'; }

// "--csv" writes <sandbox>/csv, "--svg" <sandbox>/svg.
std::string SandboxPath(std::string_view option, std::string_view file, const std::string& sandbox) {
    if (file.empty()) {
        return {};
    }
    const bool inDirectory = file.find('/') != std::string_view::npos;
    const std::string name(option.substr(option.find_first_not_of('-')));
    return sandbox + std::string(inDirectory ? kMissingDirectory : "") + "/" + name;
}

// The option of an "--opt=FILE" argument, or nothing.
std::string_view InlineOption(std::string_view arg) {
    const std::size_t equals = arg.find('=');
    if (!arg.starts_with("--") || equals == std::string_view::npos) {
        return {};
    }
    return arg.substr(0, equals);
}

}  // namespace

std::vector<std::string> SplitArguments(std::string_view input) {
    if (input.empty()) {
        return {};
    }
    std::vector<std::string> args(1);
    for (const char c : input) {
        if (!IsSeparator(c)) {
            args.back() += c;
        } else if (args.size() < kMaxArguments) {
            args.emplace_back();
        } else {
            break;
        }
    }
    return args;
}

std::set<std::string, std::less<>> FileOptionsOf(std::string_view helpText) {
    static const std::regex kFileOption("(-[-A-Za-z0-9]+)[ =]FILE");
    std::set<std::string, std::less<>> options;
    const std::string text(helpText);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), kFileOption); it != std::sregex_iterator(); ++it) {
        options.insert((*it)[1].str());
    }
    return options;
}

void SandboxFiles(std::vector<std::string>& args, const std::set<std::string, std::less<>>& fileOptions,
                  const std::string& sandbox) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view inlineOption = InlineOption(args[i]);
        if (fileOptions.contains(inlineOption)) {
            const std::string option(inlineOption);
            args[i] = option + "=" + SandboxPath(option, std::string_view(args[i]).substr(option.size() + 1), sandbox);
        } else if (fileOptions.contains(args[i]) && i + 1 < args.size()) {
            args[i + 1] = SandboxPath(args[i], args[i + 1], sandbox);
        }
    }
}

}  // namespace resonara::fuzz
