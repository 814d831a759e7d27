// The sink of a run's outputs, as its options choose: the long or the wide CSV table.
#pragma once

#include <atomic>
#include <memory>

#include "convert/decoding.h"
#include "convert/options.h"
#include "convert/row_sink.h"

namespace convert {

// `abort`, when given, gives up the file in hand as soon as it is set.
std::unique_ptr<RowSink> makeRowSink(const Decoding& decoding, const ConversionOptions& options,
                                     const std::atomic<bool>* abort);

}  // namespace convert
