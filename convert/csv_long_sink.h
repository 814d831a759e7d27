// The long CSV table: a header, then one line per signal value with the columns in force.
#pragma once

#include <string>

#include "convert/options.h"
#include "convert/output_writer.h"
#include "convert/row_sink.h"
#include "convert/time_columns.h"

namespace convert {

class CsvLongSink final : public RowSink {
public:
    // The columns, delimiter, character code and line end of every file until the next call.
    void configure(const ConversionOptions& options);

    int32_t open(const std::filesystem::path& output) override;
    void begin(const TimeBase& time) override;
    void write(const DecodedFrame& frame) override;
    int32_t result() const override { return writer_.result(); }
    void fail(int32_t code) override { writer_.setError(code); }
    int32_t close() override { return writer_.closeOutput(); }

private:
    void writeHeaderLine();
    void buildFrameColumns(const DecodedFrame& decoded);

    OutputWriter writer_;
    Columns columns_;
    TimeColumns time_;
    std::string scratch_;
    // The columns every line of the current frame repeats: the time, channel, identifier and
    // message name in front, the raw data at the end. Built once per frame.
    std::string frameHead_;
    bool frameHeadPending_ = false;
    std::string rawData_;
};

}  // namespace convert
