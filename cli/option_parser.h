// The command line's option grammar, shared by every command:
//   --name VALUE   --name=VALUE   -n VALUE   -nVALUE   --flag   -f
// Options and inputs come in any order; "--" ends the options, so that a file named "-x" is
// given as "-- -x" (or "./-x"). A word that begins with '-' and names no option is a mistake,
// not an input; a lone "-" is one too.
//   convert --dbc car.dbc -j 2 --columns ch,id logs/   -> dbc=car.dbc, jobs=2, columns=ch,id
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"

namespace cli {

struct OptionDefinition {
    std::string_view name;  // the long name, without "--"
    char shortName;         // 0 when there is none
    bool takesValue;
};

struct GivenOption {
    std::string_view name;  // the option's long name
    std::string value;      // empty for a flag
};

// Splits the arguments into options (in the order given) and inputs. Returns an empty text on
// success, else the message for the user.
std::string parseOptions(const Arguments& args, std::span<const OptionDefinition> definitions,
                         std::vector<GivenOption>& options, Arguments& inputs);

// Whether the arguments ask for help (-h or --help before any "--").
bool asksForHelp(const Arguments& args);

}  // namespace cli
