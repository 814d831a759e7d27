// The converter objects: one per record layout. Each walks the frame records of the loaded
// monitor data file, decodes the frames its channel filter admits and writes one line per
// signal value through the output writer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "convert/decode.h"
#include "convert/options.h"
#include "convert/output_writer.h"
#include "dbc/database.h"
#include "monitor/monitor_file.h"
#include "monitor/records.h"

namespace convert {

class CTxtCvtBase {
public:
    virtual ~CTxtCvtBase() = default;
    virtual void writeProtocolLine() = 0;
    virtual void reserved() = 0;
    virtual std::string_view dataTitle() const = 0;
};

class CTxtCvtDBC : public CTxtCvtBase {
public:
    explicit CTxtCvtDBC(const dbc::CanDatabase& database) : decoder_(database) {}

    void writeProtocolLine() override;
    void reserved() override {}
    std::string_view dataTitle() const override { return {}; }

    // Takes the file, the writer and the options in force for one output file.
    void attach(const monitor::MonitorFile& monitor, OutputWriter& writer,
                const ConversionOptions& options);
    virtual void convertRecords() = 0;

protected:
    // The time columns of one head record, worked out once per frame and repeated on each of
    // its lines.
    struct TimeTexts {
        std::string text[3];
        int count = 0;
    };

    template <class Layout>
    void walkRecords();
    template <class Layout>
    void convertFrame(const monitor::RecordCursor& cursor, int channel);

    void writeHeaderLine(const std::vector<std::string_view>& timeHeaders);
    void writeColumn(std::string_view text);
    void buildFrameColumns(int channel);

    virtual std::vector<std::string_view> timeHeaders() const = 0;
    virtual void timeTexts(const monitor::RecordCursor& cursor, TimeTexts& out) = 0;

    const monitor::MonitorFile* monitor_ = nullptr;
    OutputWriter* writer_ = nullptr;
    int32_t channelFilter_ = 0;
    int32_t timestampPreference_ = 0;
    uint32_t printFlags_ = 0;
    bool fieldPending_ = false;
    monitor::CapturedFrame frame_;
    FrameDecoder decoder_;
    std::vector<SignalValue> values_;
    TimeTexts times_;
    std::string scratch_;
    // The columns every line of the current frame repeats: the time, channel, identifier and
    // message name in front, the raw data at the end. Built once per frame.
    std::string frameHead_;
    bool frameHeadPending_ = false;
    std::string rawData_;
};

class CTxtCvtV29DBC : public CTxtCvtDBC {
public:
    using CTxtCvtDBC::CTxtCvtDBC;
    std::string_view dataTitle() const override { return "MONITOR DATA"; }
    void convertRecords() override;

private:
    std::vector<std::string_view> timeHeaders() const override;
    void timeTexts(const monitor::RecordCursor& cursor, TimeTexts& out) override;

    int64_t startSeconds_ = 0;
    int64_t startNanoseconds_ = 0;
    // The date and time texts change once a second at most; they are kept for that second.
    bool cachedValid_ = false;
    uint64_t cachedSeconds_ = 0;
    std::string cachedDate_;
    std::string cachedTime_;
};

class CTxtCvtV27DBC : public CTxtCvtDBC {
public:
    using CTxtCvtDBC::CTxtCvtDBC;
    std::string_view dataTitle() const override { return "MONITOR DATA"; }
    void convertRecords() override;

private:
    std::vector<std::string_view> timeHeaders() const override;
    void timeTexts(const monitor::RecordCursor& cursor, TimeTexts& out) override;

    int timeStampMode_ = 0;
};

// The two converter objects of one worker, sharing the database read-only.
struct Converters {
    explicit Converters(const dbc::CanDatabase& database) : v29(database), v27(database) {}
    CTxtCvtV29DBC v29;
    CTxtCvtV27DBC v27;
};

// Converts the loaded file into options.outputPath. Returns the writer's result: 0, the output
// file's error, or 0x8007000D for a file of an unknown variant.
int32_t convertFile(Converters& converters, const monitor::MonitorFile& monitor,
                    OutputWriter& writer, const ConversionOptions& options);

}  // namespace convert
