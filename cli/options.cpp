#include "options.h"

#include <utility>

#include "number_text.h"

namespace resonara {

const std::array<InputOption, kInputCount> kInputOptions = {{
    {"--qts", "Qts", "total Q of the driver", &BoxDesign::Qts},
    {"--qes", "Qes", "electrical Q of the driver", &BoxDesign::Qes},
    {"--fs", "Fs", "free-air resonance, Hz", &BoxDesign::Fs},
    {"--vas", "Vas", "equivalent compliance volume, liters | ft3", &BoxDesign::Vas},
    {"--pmax", "Pmax", "thermal power rating, W", &BoxDesign::Pmax},
    {"--diameter", "Diameter", "cone diameter, cm | in", &BoxDesign::Diameter},
    {"--xmax", "Xmax", "linear excursion, mm | in", &BoxDesign::Xmax},
    {"--dp", "Dp", "port diameter, cm | in", &BoxDesign::Dp},
    {"--ports", "Ports", "number of ports, fractions used as given", &BoxDesign::Ports},
    {"--gain", "Gain", "passband gain, dB", &BoxDesign::Gain},
}};

const std::array<SOption, kSOptionCount> kSOptions = {{
    {"0.5", &BoxDesign::s05},
    {"0.6", &BoxDesign::s06},
    {"0.7", &BoxDesign::s07},
}};

namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::optional<std::size_t> FindInput(std::string_view name) {
    for (std::size_t i = 0; i < kInputOptions.size(); ++i) {
        if (kInputOptions[i].name == name) {
            return i;
        }
    }
    return std::nullopt;
}

// Each reader takes the value of option `name` into the options, or returns the error text.
using ValueReader = std::string (*)(DesignerOptions& options, std::string_view name, std::string_view value);

std::string ReadInput(DesignerOptions& options, std::string_view name, std::string_view value) {
    const auto number = ParseDouble(value);
    if (!number) {
        return std::string(name) + ": " + Quoted(value) + " is not a number";
    }
    options.inputs[*FindInput(name)] = *number;
    return {};
}

std::string ReadS(DesignerOptions& options, std::string_view name, std::string_view value) {
    for (std::size_t i = 0; i < kSOptions.size(); ++i) {
        if (kSOptions[i].text == value) {
            options.sOption = i;
            return {};
        }
    }
    return std::string(name) + ": " + Quoted(value) + " is not one of 0.5, 0.6, 0.7";
}

std::string ReadUnits(DesignerOptions& options, std::string_view name, std::string_view value) {
    if (value == "metric") {
        options.units = UnitSystem::Metric;
    } else if (value == "english") {
        options.units = UnitSystem::English;
    } else {
        return std::string(name) + ": " + Quoted(value) + " is not metric or english";
    }
    return {};
}

std::string ReadMode(DesignerOptions& options, std::string_view name, std::string_view value) {
    if (value == "output") {
        options.mode = ChartMode::Output;
    } else if (value == "power") {
        options.mode = ChartMode::Power;
    } else {
        return std::string(name) + ": " + Quoted(value) + " is not output or power";
    }
    return {};
}

// A float field of the Box Calculator, read as the window reads it.
template <std::optional<float> DesignerOptions::*field>
std::string ReadFloat(DesignerOptions& options, std::string_view name, std::string_view value) {
    const auto number = ParseFloat(value);
    if (!number) {
        return std::string(name) + ": " + Quoted(value) + " is not a number";
    }
    options.*field = *number;
    return {};
}

template <std::optional<std::string> DesignerOptions::*path>
std::string ReadPath(DesignerOptions& options, std::string_view, std::string_view value) {
    options.*path = std::string(value);
    return {};
}

struct ValueOption {
    std::string_view name;
    ValueReader read;
};

constexpr ValueOption kValueOptions[] = {
    {"--s", ReadS},
    {"--units", ReadUnits},
    {"--csv", ReadPath<&DesignerOptions::csvPath>},
    {"--addl-vf", ReadFloat<&DesignerOptions::addlVf>},
    {"--addl-vr", ReadFloat<&DesignerOptions::addlVr>},
    {"--svg", ReadPath<&DesignerOptions::svgPath>},
    {"--png", ReadPath<&DesignerOptions::pngPath>},
    {"--mode", ReadMode},
};

ValueReader FindValueReader(std::string_view name) {
    if (FindInput(name)) {
        return ReadInput;
    }
    for (const ValueOption& option : kValueOptions) {
        if (option.name == name) {
            return option.read;
        }
    }
    return nullptr;
}

struct FlagOption {
    std::string_view name;
    bool DesignerOptions::*flag;
};

constexpr FlagOption kFlagOptions[] = {
    {"--help", &DesignerOptions::help},
    {"-h", &DesignerOptions::help},
    {"--json", &DesignerOptions::json},
    {"--curves", &DesignerOptions::curves},
    {"--box", &DesignerOptions::box},
};

const FlagOption* FindFlag(std::string_view name) {
    for (const FlagOption& option : kFlagOptions) {
        if (option.name == name) {
            return &option;
        }
    }
    return nullptr;
}

// An argument split at its first '=' when it is a long option.
struct Argument {
    std::string_view name;
    std::optional<std::string_view> inlineValue;
};

Argument SplitArgument(std::string_view arg) {
    const std::size_t equals = arg.find('=');
    if (arg.substr(0, 2) != "--" || equals == std::string_view::npos) {
        return {arg, std::nullopt};
    }
    return {arg.substr(0, equals), arg.substr(equals + 1)};
}

ParsedOptions Failed(std::string error) { return {DesignerOptions{}, std::move(error)}; }

// An option that means nothing without another one.
struct Requirement {
    bool (*given)(const DesignerOptions&);
    bool (*met)(const DesignerOptions&);
    std::string_view error;
};

constexpr Requirement kRequirements[] = {
    {[](const DesignerOptions& o) { return o.curves; }, [](const DesignerOptions& o) { return o.json; },
     "--curves needs --json"},
    {[](const DesignerOptions& o) { return o.addlVf.has_value(); }, [](const DesignerOptions& o) { return o.box; },
     "--addl-vf needs --box"},
    {[](const DesignerOptions& o) { return o.addlVr.has_value(); }, [](const DesignerOptions& o) { return o.box; },
     "--addl-vr needs --box"},
    {[](const DesignerOptions& o) { return o.mode.has_value(); },
     [](const DesignerOptions& o) { return o.svgPath.has_value() || o.pngPath.has_value(); },
     "--mode needs --svg or --png"},
};

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& args) {
    ParsedOptions parsed;
    DesignerOptions& options = parsed.options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const Argument arg = SplitArgument(args[i]);
        const std::string name(arg.name);
        if (const FlagOption* flag = FindFlag(arg.name)) {
            if (arg.inlineValue) {
                return Failed(name + " takes no value");
            }
            options.*(flag->flag) = true;
            if (options.help) {
                return parsed;
            }
            continue;
        }
        const ValueReader read = FindValueReader(arg.name);
        if (!read) {
            return Failed((arg.name.substr(0, 1) == "-" ? "unknown option " : "unexpected argument ") + Quoted(name));
        }
        std::string_view value;
        if (arg.inlineValue) {
            value = *arg.inlineValue;
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return Failed(name + " needs a value");
        }
        if (std::string error = read(options, arg.name, value); !error.empty()) {
            return Failed(std::move(error));
        }
    }
    for (const Requirement& requirement : kRequirements) {
        if (requirement.given(options) && !requirement.met(options)) {
            return Failed(std::string(requirement.error));
        }
    }
    return parsed;
}

}  // namespace resonara
