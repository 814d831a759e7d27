#include "cli/option_parser.h"

namespace cli {

namespace {

const OptionSpec* findLong(std::span<const OptionSpec> specs, std::string_view name) {
    for (const OptionSpec& spec : specs) {
        if (spec.name == name) return &spec;
    }
    return nullptr;
}

const OptionSpec* findShort(std::span<const OptionSpec> specs, char name) {
    for (const OptionSpec& spec : specs) {
        if (spec.shortName != 0 && spec.shortName == name) return &spec;
    }
    return nullptr;
}

}  // namespace

bool asksForHelp(const Arguments& args) {
    for (const std::string& arg : args) {
        if (arg == "--") return false;
        if (arg == "-h" || arg == "--help") return true;
    }
    return false;
}

std::string parseOptions(const Arguments& args, std::span<const OptionSpec> specs,
                         std::vector<GivenOption>& options, Arguments& inputs) {
    options.clear();
    inputs.clear();
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-') {
            inputs.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "-") return "'-' is not an input here (standard input cannot be read)";
        const bool isLong = arg.compare(0, 2, "--") == 0;
        std::string name;
        std::string value;
        bool valueAttached = false;
        const OptionSpec* spec = nullptr;
        if (isLong) {
            name = arg.substr(2);
            const size_t equals = name.find('=');
            if (equals != std::string::npos) {
                value = name.substr(equals + 1);
                name.resize(equals);
                valueAttached = true;
            }
            spec = findLong(specs, name);
            if (spec == nullptr)
                return "unknown option --" + name + " (use -- before a file named so)";
        } else {
            spec = findShort(specs, arg[1]);
            if (spec == nullptr) {
                return "unknown option " + arg.substr(0, 2) + " (use -- before a file named so)";
            }
            name = std::string(spec->name);
            if (arg.size() > 2) {
                if (!spec->takesValue)
                    return "option -" + std::string(1, arg[1]) + " takes no value";
                value = arg.substr(2);
                valueAttached = true;
            }
        }
        if (!spec->takesValue) {
            if (valueAttached) return "option --" + name + " takes no value";
            options.push_back({spec->name, {}});
            continue;
        }
        if (!valueAttached) {
            if (i + 1 >= args.size()) return "option --" + name + " needs a value";
            value = args[++i];
        }
        options.push_back({spec->name, std::move(value)});
    }
    return {};
}

}  // namespace cli
