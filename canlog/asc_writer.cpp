#include "canlog/asc_writer.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "can/fd_lengths.h"
#include "canlog/frame_text.h"

namespace canlog {

namespace {

using frame_text::putDecimal;
using frame_text::putDecimalRight;
using frame_text::putHex;
using frame_text::putHexByte;
using frame_text::putText;

void putLine(output::BlockOutput& output, const char* text) {
    output.write(text, std::strlen(text));
}

// What the times of the file count from, as a comment of the header.
void writeTimeComment(output::BlockOutput& output, const LogClock& clock) {
    char line[256];
    if (clock.dated) {
        const UtcTime start = utcTimeOf(clock.originSeconds, 0);
        std::snprintf(line, sizeof line,
                      "// times from the date above (UTC); the recording started at "
                      "%04d-%02d-%02d %02d:%02d:%02d.%09" PRIu32 " UTC\n",
                      start.year, start.month, start.day, start.hour, start.minute, start.second,
                      clock.originNanoseconds);
    } else {
        std::snprintf(line, sizeof line, "// %s\n",
                      clock.undatedNote.empty()
                          ? "times from the start of the log, which records no date"
                          : clock.undatedNote.c_str());
    }
    putLine(output, line);
}

}  // namespace

int formatAscDate(const UtcTime& time, char* out) {
    static constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    // A twelve-hour clock with am and pm, as Vector's tools write it.
    const int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
    const int written = std::snprintf(
        out, 33, "%s %s %02d %02d:%02d:%02d.%03d %s %04d", kDays[(time.weekday % 7 + 7) % 7],
        kMonths[(time.month + 11) % 12], time.day, hour12, time.minute, time.second,
        time.millisecond, time.hour < 12 ? "am" : "pm", time.year);
    return written < 0 ? 0 : written > 32 ? 32 : written;
}

void AscWriter::begin(const LogClock& clock) {
    dateOffset_ = clock.dated ? clock.originBelowMillisecond() : 0;
    char date[40] = {};
    if (clock.dated) formatAscDate(clock.originToMillisecond(), date);
    char line[96];
    if (clock.dated) {
        std::snprintf(line, sizeof line, "date %s\n", date);
        putLine(output_, line);
    }
    putLine(output_, "base hex  timestamps absolute\n");
    putLine(output_, "no internal events logged\n");
    writeTimeComment(output_, clock);
    if (clock.dated) {
        std::snprintf(line, sizeof line, "Begin Triggerblock %s\n", date);
        putLine(output_, line);
    } else {
        putLine(output_, "Begin Triggerblock\n");
    }
}

char* AscWriter::putTime(char* out, uint64_t sinceOrigin) const {
    const uint64_t microseconds = (sinceOrigin + dateOffset_) / 1000;
    out = putDecimalRight(out, microseconds / 1000000, 4);
    *out++ = '.';
    return putDecimal(out, microseconds % 1000000, 6);
}

void AscWriter::frame(const can::Frame& frame, uint64_t sinceOrigin) {
    // The longest line: an FD frame of 64 bytes, about 400 characters.
    char* const start = output_.room(512);
    char* out = putTime(start, sinceOrigin);
    const int channel = frame.channel + 1;
    char id[12];
    char* idEnd = putHex(id, frame.canId);
    if (frame.isExtended) *idEnd++ = 'x';
    const auto idLength = static_cast<int>(idEnd - id);
    if (frame.dataLength <= can::kClassicMaxLength) {
        // "1  123             Rx   d 3 01 A2 FF"
        *out++ = ' ';
        out = putDecimal(out, static_cast<uint64_t>(channel));
        out = putText(out, "  ");
        std::memcpy(out, id, static_cast<size_t>(idLength));
        out += idLength;
        for (int pad = 15 - idLength; pad > 0; --pad) *out++ = ' ';
        out = putText(out, " Rx   d ");
        *out++ = static_cast<char>('0' + frame.dataLength);
        for (int i = 0; i < frame.dataLength; ++i) {
            *out++ = ' ';
            out = putHexByte(out, frame.data[i]);
        }
    } else {
        // "CANFD   2 Rx   18FEF100x  0 0 9 12 <data> <duration> <bits> <flags> <crc> <timing>..."
        // Bit rate switch and error state are not recorded by the capture: both 0. The flags
        // say "extended data length" (an FD frame) and nothing else.
        const int length = can::canFdLength(frame.dataLength);
        out = putText(out, " CANFD ");
        out = putDecimalRight(out, static_cast<uint64_t>(channel), 3);
        out = putText(out, " Rx ");
        for (int pad = 11 - idLength; pad > 0; --pad) *out++ = ' ';
        std::memcpy(out, id, static_cast<size_t>(idLength));
        out += idLength;
        out = putText(out, "  0 0 ");
        *out++ = "0123456789abcdef"[can::canFdDlc(length)];
        *out++ = ' ';
        out = putDecimalRight(out, static_cast<uint64_t>(length), 2);
        for (int i = 0; i < length; ++i) {
            *out++ = ' ';
            out = putHexByte(out, i < frame.dataLength ? frame.data[i] : uint8_t{0});
        }
        out = putText(out, "        0    0     1000        0        0        0        0        0");
    }
    *out++ = '\n';
    output_.advance(static_cast<size_t>(out - start));
}

void AscWriter::event(int kind, uint32_t record, uint64_t sinceOrigin) {
    char* const start = output_.room(96);
    char* out = putText(start, "// ");
    out = putTime(out, sinceOrigin);
    out = putText(out, " capture event of kind ");
    out = putDecimal(out, static_cast<uint64_t>(kind < 0 ? 0 : kind));
    out = putText(out, " at record ");
    out = putDecimal(out, record);
    *out++ = '\n';
    output_.advance(static_cast<size_t>(out - start));
}

void AscWriter::end() { putLine(output_, "End TriggerBlock\n"); }

}  // namespace canlog
