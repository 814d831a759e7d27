// A loaded, finalised DBC database shared by the Python objects that use it. It is only read
// once loaded, so conversions on several threads may use it at once.
#pragma once

#include <memory>

#include "dbc/database.h"

namespace txtcvt_python {

struct DatabaseHandle {
    std::unique_ptr<dbc::CanDatabase> database = std::make_unique<dbc::CanDatabase>();
};

using DatabasePointer = std::shared_ptr<DatabaseHandle>;

}  // namespace txtcvt_python
