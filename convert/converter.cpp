#include "convert/converter.h"

#include "convert/text_format.h"
#include "platform/local_time.h"
#include "platform/platform.h"

namespace convert {

namespace {

// The record-layout operations the walk is built from.
struct Layout27 {
    static monitor::RecordKind first(monitor::RecordCursor& c) { return monitor::firstRecordKind27(c); }
    static monitor::RecordKind next(monitor::RecordCursor& c) { return monitor::nextRecordKind27(c); }
    static bool assemble(const monitor::RecordCursor& c, int channel, monitor::CapturedFrame& f) {
        return monitor::assembleFrame27(c, channel, f);
    }
};

struct Layout29 {
    static monitor::RecordKind first(monitor::RecordCursor& c) { return monitor::firstRecordKind29(c); }
    static monitor::RecordKind next(monitor::RecordCursor& c) { return monitor::nextRecordKind29(c); }
    static bool assemble(const monitor::RecordCursor& c, int channel, monitor::CapturedFrame& f) {
        return monitor::assembleFrame29(c, channel, f);
    }
};

}  // namespace

void CTxtCvtDBC::writeProtocolLine() {
    writer_->appendText("*  PROTOCOL: Unknown                  *");
    writer_->endLine();
    fieldPending_ = false;
}

void CTxtCvtDBC::attach(const monitor::MonitorFile& monitor, OutputWriter& writer,
                        const ConversionOptions& options) {
    monitor_ = &monitor;
    writer_ = &writer;
    channelFilter_ = options.channelFilter;
    timestampPreference_ = options.timestampPreference;
    printFlags_ = options.printFlags;
    fieldPending_ = false;
}

void CTxtCvtDBC::writeColumn(std::string_view text) {
    if (fieldPending_) writer_->appendDelimiter();
    writer_->appendText(text);
    fieldPending_ = true;
}

void CTxtCvtDBC::writeHeaderLine(const std::vector<std::string_view>& timeHeaders) {
    for (std::string_view name : timeHeaders) writeColumn(name);
    if (printFlags_ & PRINT_CH) writeColumn("Ch");
    if (printFlags_ & PRINT_ID) writeColumn("CAN_ID");
    if (printFlags_ & PRINT_MSG) writeColumn("Message");
    writeColumn("Signal");
    writeColumn("Value");
    if (printFlags_ & PRINT_UNIT) writeColumn("Unit");
    if (printFlags_ & PRINT_ENUM) writeColumn("Enum");
    if (printFlags_ & PRINT_RAW) writeColumn("Raw_Data");
    writer_->endLine();
    fieldPending_ = false;
}

// The columns shared by all lines of the frame, joined by the same delimiter rule as a line.
void CTxtCvtDBC::buildFrameColumns(int channel) {
    const std::string_view delimiter = writer_->delimiterBytes();
    bool pending = false;
    frameHead_.clear();
    const auto column = [&](std::string_view text) {
        if (pending) frameHead_.append(delimiter);
        frameHead_.append(text);
        pending = true;
    };
    for (int i = 0; i < times_.count; ++i) column(times_.text[i]);
    const dbc::DbcMessage& message = *decoder_.message();
    if (printFlags_ & PRINT_CH) column(channel == 0 ? "CH1" : "CH2");
    if (printFlags_ & PRINT_ID) {
        scratch_.clear();
        appendHex(scratch_, message.canId, frame_.isExtended ? 7 : 3);
        column(scratch_);
    }
    if (printFlags_ & PRINT_MSG) column(message.name);
    frameHeadPending_ = pending;
    rawData_.clear();
    if (printFlags_ & PRINT_RAW) appendRawData(rawData_, frame_.data, frame_.dataLength);
}

template <class Layout>
void CTxtCvtDBC::convertFrame(const monitor::RecordCursor& cursor, int channel) {
    if (!Layout::assemble(cursor, channel, frame_)) return;
    if (!decoder_.decodeFrame(frame_, values_)) return;
    timeTexts(cursor, times_);
    buildFrameColumns(channel);
    const std::string_view delimiter = writer_->delimiterBytes();
    char number[kValueTextCapacity];
    for (const SignalValue& value : values_) {
        LineCursor line(*writer_);
        bool pending = frameHeadPending_;
        line.put(frameHead_);
        line.column(value.signalName, delimiter, pending);
        line.column(std::string_view(number, formatValue(number, value.value)), delimiter, pending);
        if (printFlags_ & PRINT_UNIT) line.column(value.unit, delimiter, pending);
        if (printFlags_ & PRINT_ENUM) line.column(value.enumText, delimiter, pending);
        if (printFlags_ & PRINT_RAW) line.column(rawData_, delimiter, pending);
        line.commit();
        writer_->endLine();
    }
}

template <class Layout>
void CTxtCvtDBC::walkRecords() {
    writeHeaderLine(timeHeaders());
    if (monitor_->count == 0 || monitor_->records == nullptr) return;
    monitor::RecordCursor cursor{0, monitor_->count, monitor_->records};
    const bool ch1 = channelFilter_ != 2;
    const bool ch2 = channelFilter_ != 1;
    for (monitor::RecordKind kind = Layout::first(cursor); kind != monitor::kKindEnd;
         kind = Layout::next(cursor)) {
        if (kind == monitor::kKindCh1 && ch1) {
            convertFrame<Layout>(cursor, 0);
        } else if (kind == monitor::kKindCh2 && ch2) {
            convertFrame<Layout>(cursor, 1);
        }
        if (writer_->result() != 0) return;
    }
}

// Layout 29: a 48-bit microsecond count since the recording start.

void CTxtCvtV29DBC::convertRecords() {
    startSeconds_ = monitor_->info29.startSeconds;
    startNanoseconds_ = monitor_->info29.startNanoseconds;
    cachedValid_ = false;
    walkRecords<Layout29>();
}

std::vector<std::string_view> CTxtCvtV29DBC::timeHeaders() const {
    if (timestampPreference_ == 1) return {"Date", "Time", "msec"};
    if (timestampPreference_ == 2) return {"TimeStamp"};
    return {};
}

void CTxtCvtV29DBC::timeTexts(const monitor::RecordCursor& cursor, TimeTexts& out) {
    out.count = 0;
    if (timestampPreference_ != 1 && timestampPreference_ != 2) return;
    const uint64_t t = monitor::timeCount29(cursor);
    if (timestampPreference_ == 2) {
        out.text[0].clear();
        appendElapsed(out.text[0], t);
        out.count = 1;
        return;
    }
    const uint64_t nanoseconds =
        (t % 1000000) * 1000 + static_cast<uint64_t>(startNanoseconds_);
    const uint64_t seconds =
        static_cast<uint64_t>(startSeconds_) + t / 1000000 + nanoseconds / 1000000000;
    if (!cachedValid_ || cachedSeconds_ != seconds) {
        cachedDate_.clear();
        cachedTime_.clear();
        platform::CivilTime civil;
        // An instant the system cannot place in local time leaves date and time empty rather
        // than showing a made-up one.
        if (platform::localTime(static_cast<int64_t>(seconds), civil)) {
            appendDecimal(cachedDate_, static_cast<uint64_t>(civil.year), 4);
            cachedDate_ += '/';
            appendDecimal(cachedDate_, static_cast<uint64_t>(civil.month), 2);
            cachedDate_ += '/';
            appendDecimal(cachedDate_, static_cast<uint64_t>(civil.day), 2);
            appendDecimal(cachedTime_, static_cast<uint64_t>(civil.hour), 2);
            cachedTime_ += ':';
            appendDecimal(cachedTime_, static_cast<uint64_t>(civil.minute), 2);
            cachedTime_ += ':';
            appendDecimal(cachedTime_, static_cast<uint64_t>(civil.second), 2);
        }
        cachedSeconds_ = seconds;
        cachedValid_ = true;
    }
    out.text[0] = cachedDate_;
    out.text[1] = cachedTime_;
    out.text[2].clear();
    appendDecimal(out.text[2], (nanoseconds % 1000000000) / 1000000, 3);
    out.count = 3;
}

// Layout 27: a 31-bit count whose unit the file's time-stamp mode gives.

void CTxtCvtV27DBC::convertRecords() {
    timeStampMode_ = timestampPreference_ != 0 ? monitor_->timeStampMode : 0;
    walkRecords<Layout27>();
}

std::vector<std::string_view> CTxtCvtV27DBC::timeHeaders() const {
    if (timeStampMode_ >= 1 && timeStampMode_ <= 3) return {"Time", "msec"};
    if (timeStampMode_ >= 4 && timeStampMode_ <= 6) return {"TimeStamp"};
    return {};
}

void CTxtCvtV27DBC::timeTexts(const monitor::RecordCursor& cursor, TimeTexts& out) {
    out.count = 0;
    const uint64_t t = monitor::timeCount27(cursor);
    if (timeStampMode_ >= 1 && timeStampMode_ <= 3) {
        const uint64_t seconds = t / 10000;
        std::string& clock = out.text[0];
        clock.clear();
        appendDecimal(clock, seconds / 3600, 2);  // hours run past 23
        clock += ':';
        appendDecimal(clock, (seconds % 3600) / 60, 2);
        clock += ':';
        appendDecimal(clock, seconds % 60, 2);
        out.text[1].clear();
        appendDecimal(out.text[1], (t % 10000) / 10, 3);
        out.count = 2;
    } else if (timeStampMode_ >= 4 && timeStampMode_ <= 6) {
        static constexpr uint64_t kMicrosecondsPerCount[] = {100, 10, 1};
        out.text[0].clear();
        appendElapsed(out.text[0], t * kMicrosecondsPerCount[timeStampMode_ - 4]);
        out.count = 1;
    }
}

int32_t convertFile(Converters& converters, const monitor::MonitorFile& monitor,
                    OutputWriter& writer, const ConversionOptions& options) {
    writer.configureWriter(options);
    const int32_t opened = writer.openOutput(options.outputPath);
    if (opened != 0) return opened;
    switch (monitor.variant) {
        case 27:
            converters.v27.attach(monitor, writer, options);
            converters.v27.convertRecords();
            break;
        case 29:
            converters.v29.attach(monitor, writer, options);
            converters.v29.convertRecords();
            break;
        default:
            writer.setError(platform::kInvalidData);
            break;
    }
    return writer.closeOutput();
}

}  // namespace convert
