#include "python/src/channel_databases.h"

#include <pybind11/pybind11.h>

#include <algorithm>
#include <string>

#include "settings/conversion_settings.h"

namespace py = pybind11;

namespace txtcvt_python {

ChannelDatabases channelDatabases(const std::optional<DatabasePointer>& every,
                                  const ChannelHandles& own) {
    ChannelDatabases out;
    if (every && *every) out.every = (*every)->database.get();
    for (const auto& [number, handle] : own) {
        if (number < 1 || number > settings::kMaxChannelNumber) {
            throw py::value_error("a database per channel is for channels 1 to " +
                                  std::to_string(settings::kMaxChannelNumber) + ", not " +
                                  std::to_string(number));
        }
        if (handle) out.own.emplace_back(number - 1, handle->database.get());
    }
    std::sort(out.own.begin(), out.own.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    const auto twice = std::adjacent_find(out.own.begin(), out.own.end(),
                                          [](auto& a, auto& b) { return a.first == b.first; });
    if (twice != out.own.end()) {
        throw py::value_error("channel " + std::to_string(twice->first + 1) + " has two databases");
    }
    if (out.every == nullptr && out.own.empty()) throw py::value_error("no database given");
    return out;
}

}  // namespace txtcvt_python
