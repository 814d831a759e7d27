// The databases of a read or a conversion as the Python package hands them over: one for every
// channel, or databases of single channels by channel number, as --dbc FILE and --dbc chN=FILE.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "decode/decoding_setup.h"
#include "python/src/database_handle.h"

namespace txtcvt_python {

// (channel number, database), 1 for CH1.
using ChannelHandles = std::vector<std::pair<int32_t, DatabasePointer>>;

struct ChannelDatabases {
    const dbc::CanDatabase* every = nullptr;
    std::vector<decode::DecodingSetup::ChannelDatabase> own;  // 0 for CH1, ascending
};

// The core's terms for them; ValueError for a channel number out of 1..65536, one given twice,
// or no database at all.
ChannelDatabases channelDatabases(const std::optional<DatabasePointer>& every,
                                  const ChannelHandles& own);

}  // namespace txtcvt_python
