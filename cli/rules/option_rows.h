// The options of every command as rows: each option is written once, with its long and short
// name, the name of its value, how often it may be given, its help and what it sets. The
// command line is read through the rows, the help is printed from them, and the Python module
// applies its keyword options through the same rows.
//
// The grammar, shared by every command:
//   --name VALUE   --name=VALUE   -n VALUE   -nVALUE   --flag   -f
// Options and inputs come in any order; "--" ends the options, so that a file named "-x" is
// given as "-- -x" (or "./-x"). A word that begins with '-' and names no option is a mistake,
// not an input; a lone "-" is one too.
//   convert --dbc car.dbc -j 2 --columns ch,id logs/   -> dbc=car.dbc, jobs=2, columns=ch,id
// A list option given again adds to the list; any other option given twice must say the same.
// Failures are kInvalidArgument with the words for the user.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

namespace cli {

using Arguments = std::vector<std::string>;

enum class Repeat {
    kFlag,  // no value; given again, it stays given
    kOnce,  // one value; given again, only with the same value
    kList,  // a list; each value given adds to it
};

template <class Request>
struct OptionRow {
    std::string_view name;   // the long name, without "--"
    char shortName;          // 0 when there is none
    std::string_view value;  // the value's name in the help ("FILE.dbc"); empty for a flag
    Repeat repeat;
    // The help: its first line beside the option; a later line that begins with "--" is
    // another form of the option with its own words, any other continues the text. "{done}"
    // stands for the command's word of what becomes of a file ("converted").
    std::string_view help;
    // Sets what the option means in the request; kInvalidArgument with the words otherwise.
    platform::Status (*apply)(std::string_view value, Request& request);
    std::string_view group = {};  // the heading the option is listed under; empty for none
    bool first = false;  // applied before every other option (a settings file they override)
};

// What a command's help says besides its options.
struct CommandText {
    std::string_view name;      // "convert"
    std::string_view synopsis;  // what follows the name: "--dbc FILE.dbc [options] INPUT..."
    std::string_view about;     // the lines below the synopsis
    std::string_view done;      // what becomes of a file: "converted", "exported"
    size_t helpColumn;          // where the help texts start
};

// An option as given: its long name and value.
struct GivenOption {
    std::string_view name;
    std::string value;  // empty for a flag
};

// What the grammar needs of a row.
struct OptionShape {
    std::string_view name;
    char shortName;
    bool takesValue;
    Repeat repeat;
};

// Splits the arguments into options (in the order given) and inputs, and holds them to the
// rows' repeat rules.
platform::Status readArguments(const Arguments& args, std::span<const OptionShape> shapes,
                               std::vector<GivenOption>& options, Arguments& inputs);
// Holds named options (the Python module's keyword options) to the same repeat rules.
platform::Status checkRepeats(std::span<const OptionShape> shapes,
                              std::vector<GivenOption>& options);

// Whether the arguments ask for help (-h or --help before any "--").
bool asksForHelp(const Arguments& args);

// "txtcvt-cli NAME SYNOPSIS".
std::string synopsisLine(const CommandText& command);
// The help: the synopsis, the about text, each option under its heading, and -h.
struct HelpLine {
    std::string_view group;
    std::string left;  // "-o, --output-dir DIR"
    std::string_view help;
};
std::string helpText(const CommandText& command, std::span<const HelpLine> lines);
// The one line of a usage error and where to look for more.
std::string usageErrorText(const CommandText& command, const std::string& error);
platform::Status usageError(std::string words);

template <class Request>
std::vector<OptionShape> shapesOf(std::span<const OptionRow<Request>> rows) {
    std::vector<OptionShape> shapes;
    for (const OptionRow<Request>& row : rows) {
        shapes.push_back({row.name, row.shortName, !row.value.empty(), row.repeat});
    }
    return shapes;
}

// Applies options already held to the repeat rules: the rows marked `first`, then the others
// in the order given.
template <class Request>
platform::Status applyOptions(std::span<const OptionRow<Request>> rows,
                              const std::vector<GivenOption>& given, Request& request) {
    for (const bool firstPass : {true, false}) {
        for (const GivenOption& option : given) {
            for (const OptionRow<Request>& row : rows) {
                if (row.name != option.name || row.first != firstPass) continue;
                platform::Status applied = row.apply(option.value, request);
                if (!applied.ok()) return applied;
            }
        }
    }
    return {};
}

// Reads the command line through the rows into the request; the inputs into `inputs`.
template <class Request>
platform::Status parseWithRows(const Arguments& args, std::span<const OptionRow<Request>> rows,
                               Request& request, Arguments& inputs) {
    const std::vector<OptionShape> shapes = shapesOf(rows);
    std::vector<GivenOption> given;
    platform::Status read = readArguments(args, shapes, given, inputs);
    if (!read.ok()) return read;
    return applyOptions(rows, given, request);
}

// Applies named options (underscores or dashes in the name) through the rows.
template <class Request>
platform::Status applyNamedOptions(std::span<const OptionRow<Request>> rows,
                                   std::vector<GivenOption> named, Request& request) {
    const std::vector<OptionShape> shapes = shapesOf(rows);
    platform::Status checked = checkRepeats(shapes, named);
    if (!checked.ok()) return checked;
    return applyOptions(rows, named, request);
}

template <class Request>
std::string helpOf(const CommandText& command, std::span<const OptionRow<Request>> rows) {
    std::vector<HelpLine> lines;
    for (const OptionRow<Request>& row : rows) {
        std::string left;
        // Appended piece by piece: MinGW's -Wrestrict misfires on a text + string.
        if (row.shortName != 0) {
            left += '-';
            left += row.shortName;
            left += ", ";
        }
        left += "--";
        left += row.name;
        if (!row.value.empty()) {
            left += ' ';
            left += row.value;
        }
        lines.push_back({row.group, std::move(left), row.help});
    }
    return helpText(command, lines);
}

}  // namespace cli
