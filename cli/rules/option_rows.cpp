#include "cli/rules/option_rows.h"

#include <algorithm>

namespace cli {

namespace {

const OptionShape* findLong(std::span<const OptionShape> shapes, std::string_view name) {
    for (const OptionShape& shape : shapes) {
        if (shape.name == name) return &shape;
    }
    return nullptr;
}

const OptionShape* findShort(std::span<const OptionShape> shapes, char name) {
    for (const OptionShape& shape : shapes) {
        if (shape.shortName != 0 && shape.shortName == name) return &shape;
    }
    return nullptr;
}

// The grammar alone: options in the order given, and the inputs.
platform::Status splitArguments(const Arguments& args, std::span<const OptionShape> shapes,
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
        if (arg == "-")
            return usageError("'-' is not an input here (standard input cannot be read)");
        const bool isLong = arg.compare(0, 2, "--") == 0;
        std::string name;
        std::string value;
        bool valueAttached = false;
        const OptionShape* option = nullptr;
        if (isLong) {
            name = arg.substr(2);
            const size_t equals = name.find('=');
            if (equals != std::string::npos) {
                value = name.substr(equals + 1);
                name.resize(equals);
                valueAttached = true;
            }
            option = findLong(shapes, name);
            if (option == nullptr) {
                return usageError("unknown option --" + name + " (use -- before a file named so)");
            }
        } else {
            option = findShort(shapes, arg[1]);
            if (option == nullptr) {
                return usageError("unknown option " + arg.substr(0, 2) +
                                  " (use -- before a file named so)");
            }
            name = std::string(option->name);
            if (arg.size() > 2) {
                if (!option->takesValue) {
                    return usageError("option -" + std::string(1, arg[1]) + " takes no value");
                }
                value = arg.substr(2);
                valueAttached = true;
            }
        }
        if (!option->takesValue) {
            if (valueAttached) return usageError("option --" + name + " takes no value");
            options.push_back({option->name, {}});
            continue;
        }
        if (!valueAttached) {
            if (i + 1 >= args.size()) return usageError("option --" + name + " needs a value");
            value = args[++i];
        }
        options.push_back({option->name, std::move(value)});
    }
    return {};
}

// Appends `text` broken into the help's lines: other forms of the option at the indent, the
// rest at the help column.
void appendHelp(std::string& out, std::string_view text, std::string_view done, size_t column) {
    bool firstLine = true;
    while (!text.empty() || firstLine) {
        const size_t end = text.find('\n');
        std::string line(text.substr(0, end));
        if (const size_t at = line.find("{done}"); at != std::string::npos) {
            line.replace(at, 6, done);
        }
        if (firstLine) {
            out += line;
        } else if (line.compare(0, 2, "--") == 0) {
            out += "\n    ";
            out += line;
        } else {
            out += '\n';
            out.append(column, ' ');
            out += line;
        }
        firstLine = false;
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    out += '\n';
}

}  // namespace

platform::Status usageError(std::string words) {
    return platform::Status::failure(platform::kInvalidArgument, std::move(words));
}

platform::Status readArguments(const Arguments& args, std::span<const OptionShape> shapes,
                               std::vector<GivenOption>& options, Arguments& inputs) {
    platform::Status split = splitArguments(args, shapes, options, inputs);
    if (!split.ok()) return split;
    return checkRepeats(shapes, options);
}

platform::Status checkRepeats(std::span<const OptionShape> shapes,
                              std::vector<GivenOption>& options) {
    std::vector<GivenOption> kept;
    for (GivenOption& option : options) {
        std::string name(option.name);
        std::replace(name.begin(), name.end(), '_', '-');
        const OptionShape* shape = findLong(shapes, name);
        if (shape == nullptr) return usageError("unknown option --" + name);
        option.name = shape->name;
        if (shape->repeat == Repeat::kList) {
            kept.push_back(std::move(option));
            continue;
        }
        const auto earlier = std::find_if(
            kept.begin(), kept.end(), [&](const GivenOption& k) { return k.name == shape->name; });
        if (earlier == kept.end()) {
            kept.push_back(std::move(option));
        } else if (earlier->value != option.value) {
            return usageError("--" + name + " is given twice, as '" + earlier->value + "' and '" +
                              option.value + "'");
        }
    }
    options = std::move(kept);
    return {};
}

bool asksForHelp(const Arguments& args) {
    for (const std::string& arg : args) {
        if (arg == "--") return false;
        if (arg == "-h" || arg == "--help") return true;
    }
    return false;
}

std::string synopsisLine(const CommandText& command) {
    return "txtcvt-cli " + std::string(command.name) + " " + std::string(command.synopsis);
}

std::string helpText(const CommandText& command, std::span<const HelpLine> lines) {
    std::string out = synopsisLine(command) + "\n" + std::string(command.about);
    std::string_view group;
    const auto put = [&](const std::string& left, std::string_view help) {
        out += "    " + left;
        if (help.empty()) {
            out += '\n';
            return;
        }
        const size_t used = 4 + left.size();
        out += used + 2 <= command.helpColumn ? std::string(command.helpColumn - used, ' ')
                                              : std::string(3, ' ');
        appendHelp(out, help, command.done, command.helpColumn);
    };
    for (const HelpLine& line : lines) {
        if (line.group != group && !line.group.empty())
            out += "  " + std::string(line.group) + ":\n";
        group = line.group;
        put(line.left, line.help);
    }
    put("-h, --help", "this text");
    return out;
}

std::string usageErrorText(const CommandText& command, const std::string& error) {
    return "txtcvt-cli " + std::string(command.name) + ": " + error + "\ntry 'txtcvt-cli " +
           std::string(command.name) + " --help'\n";
}

}  // namespace cli
