#include "cli/option_parser.h"

namespace cli {

namespace {

const OptionDefinition* findLong(std::span<const OptionDefinition> definitions,
                                 std::string_view name) {
    for (const OptionDefinition& option : definitions) {
        if (option.name == name) return &option;
    }
    return nullptr;
}

const OptionDefinition* findShort(std::span<const OptionDefinition> definitions, char name) {
    for (const OptionDefinition& option : definitions) {
        if (option.shortName != 0 && option.shortName == name) return &option;
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

std::string parseOptions(const Arguments& args, std::span<const OptionDefinition> definitions,
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
        const OptionDefinition* option = nullptr;
        if (isLong) {
            name = arg.substr(2);
            const size_t equals = name.find('=');
            if (equals != std::string::npos) {
                value = name.substr(equals + 1);
                name.resize(equals);
                valueAttached = true;
            }
            option = findLong(definitions, name);
            if (option == nullptr)
                return "unknown option --" + name + " (use -- before a file named so)";
        } else {
            option = findShort(definitions, arg[1]);
            if (option == nullptr) {
                return "unknown option " + arg.substr(0, 2) + " (use -- before a file named so)";
            }
            name = std::string(option->name);
            if (arg.size() > 2) {
                if (!option->takesValue)
                    return "option -" + std::string(1, arg[1]) + " takes no value";
                value = arg.substr(2);
                valueAttached = true;
            }
        }
        if (!option->takesValue) {
            if (valueAttached) return "option --" + name + " takes no value";
            options.push_back({option->name, {}});
            continue;
        }
        if (!valueAttached) {
            if (i + 1 >= args.size()) return "option --" + name + " needs a value";
            value = args[++i];
        }
        options.push_back({option->name, std::move(value)});
    }
    return {};
}

}  // namespace cli
