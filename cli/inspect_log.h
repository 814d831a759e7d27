// `txtcvt-cli inspect` of a CAN log other than a capture (BLF, ASC, candump, TRC): what it is and
// where its times start, every frame it holds with its kind and flags, and what its reader left
// out.
#pragma once

#include <cstdint>
#include <cstdio>

#include "sources/frame_source.h"

namespace cli {

// Prints the log's frames (JSON lines or plain text); the failure that ended the reading, or 0.
int32_t printLog(sources::FrameSource& source, bool json, std::FILE* out);

}  // namespace cli
