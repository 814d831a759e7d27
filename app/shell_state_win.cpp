#include "app/shell_state_win.h"

namespace app {

ShellState& shellState() {
    static ShellState state;
    return state;
}

ConversionSettings& conversionSettings() {
    static ConversionSettings settings;
    return settings;
}

}  // namespace app
