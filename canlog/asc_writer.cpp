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

// "123", "18FEF100x": hexadecimal, extended identifiers marked with an x.
char* putIdentifier(char* out, const can::Frame& frame) {
    out = putHex(out, frame.canId);
    if (frame.isExtended) *out++ = 'x';
    return out;
}

void putLine(output::BlockOutput& output, const char* text) {
    output.write(text, std::strlen(text));
}

// What the times of the file count from, as a comment of the header. This program's reader
// takes the date of a file that says "(UTC)" here for UTC, any other for local time.
void writeTimeComment(output::BlockOutput& output, const LogClock& clock) {
    char line[256];
    if (clock.dated) {
        char zone[40] = "UTC";
        if (!clock.utc) {
            const int64_t minutes = (clock.utcOffset < 0 ? -clock.utcOffset : clock.utcOffset) / 60;
            std::snprintf(zone, sizeof zone, "local time, UTC%c%02d:%02d",
                          clock.utcOffset < 0 ? '-' : '+', static_cast<int>(minutes / 60 % 100),
                          static_cast<int>(minutes % 60));
        }
        const CalendarTime start = utcTimeOf(clock.originSeconds, 0);
        std::snprintf(line, sizeof line,
                      "// times from the date above (%s); the recording started at "
                      "%04d-%02d-%02d %02d:%02d:%02d.%09" PRIu32 " UTC\n",
                      zone, start.year, start.month, start.day, start.hour, start.minute,
                      start.second, clock.originNanoseconds);
    } else {
        std::snprintf(line, sizeof line, "// %s\n",
                      clock.undatedNote.empty()
                          ? "times from the start of the log, which records no date"
                          : clock.undatedNote.c_str());
    }
    putLine(output, line);
}

}  // namespace

int formatAscDate(const CalendarTime& time, char* out) {
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

void AscWriter::begin(const LogClock& clock, bool head) {
    dateOffset_ = clock.dated ? clock.originBelowMillisecond() : 0;
    if (!head) return;
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
    return frame_text::putSixDigits(out, static_cast<uint32_t>(microseconds % 1000000));
}

void AscWriter::frame(const can::Frame& frame, uint64_t sinceOrigin) {
    if (!isChannel(frame.channel)) {
        leftOut_.add(LeftOut::kFrameOnChannel);
        return;
    }
    if (frame.kind != can::FrameKind::kData && frame.kind != can::FrameKind::kRemote &&
        frame.kind != can::FrameKind::kError) {
        leftOut_.add(LeftOut::kOtherKind);
        return;
    }
    // The longest line: an FD frame of 64 bytes, about 400 characters.
    char* const start = output_.room(512);
    char* out = putTime(start, sinceOrigin);
    if (frame.kind == can::FrameKind::kError) {
        out = putError(out, frame);
    } else if (frame.kind == can::FrameKind::kData && writtenAsFd(frame)) {
        out = putFd(out, frame);
    } else {
        out = putClassic(out, frame);
    }
    *out++ = '\n';
    output_.advance(static_cast<size_t>(out - start));
}

// "1  123             Rx   d 3 01 A2 FF", "3  18FEF100x       Tx   r 8"
char* AscWriter::putClassic(char* out, const can::Frame& frame) {
    *out++ = ' ';
    out = putDecimal(out, static_cast<uint64_t>(frame.channel) + 1);
    out = putText(out, "  ");
    const char* const idStart = out;
    out = putIdentifier(out, frame);
    for (auto pad = 15 - (out - idStart); pad > 0; --pad) *out++ = ' ';
    out = putText(out, frame.transmitted ? " Tx   " : " Rx   ");
    const int length = writtenLength(frame);
    if (frame.kind == can::FrameKind::kRemote) {
        // The length asked for after the "r", as python-can and log2asc write it; CAN FD has no
        // remote frames, so FD flags have no place.
        if (hasFdFlags(frame)) leftOut_.add(LeftOut::kRemoteFdFlags);
        *out++ = 'r';
        *out++ = ' ';
        *out++ = static_cast<char>('0' + (length > can::kClassicMaxLength ? 8 : length));
        return out;
    }
    *out++ = 'd';
    *out++ = ' ';
    *out++ = static_cast<char>('0' + length);
    for (int i = 0; i < length; ++i) {
        *out++ = ' ';
        out = putHexByte(out, frame.data[i]);
    }
    return out;
}

// "CANFD   2 Rx   18FEF100x  1 0 9 12 <data> <duration> <bits> <flags> <crc> <timing>..."
// The flags word says "extended data length" (an FD frame), 0x2000 BRS and 0x4000 ESI; the
// rest (duration, bit count, CRC, bit timings) is not known: 0.
char* AscWriter::putFd(char* out, const can::Frame& frame) {
    const int dataLength = writtenLength(frame);
    const int length = can::canFdLength(dataLength);
    out = putText(out, " CANFD ");
    out = putDecimalRight(out, static_cast<uint64_t>(frame.channel) + 1, 3);
    out = putText(out, frame.transmitted ? " Tx " : " Rx ");
    char id[12];
    const auto idLength = putIdentifier(id, frame) - id;
    for (auto pad = 11 - idLength; pad > 0; --pad) *out++ = ' ';
    std::memcpy(out, id, static_cast<size_t>(idLength));
    out += idLength;
    out = putText(out, "  ");
    *out++ = frame.bitRateSwitch ? '1' : '0';
    *out++ = ' ';
    *out++ = frame.errorState ? '1' : '0';
    *out++ = ' ';
    *out++ = "0123456789abcdef"[can::canFdDlc(length)];
    *out++ = ' ';
    out = putDecimalRight(out, static_cast<uint64_t>(length), 2);
    for (int i = 0; i < length; ++i) {
        *out++ = ' ';
        out = putHexByte(out, i < dataLength ? frame.data[i] : uint8_t{0});
    }
    out = putText(out, "        0    0     ");
    *out++ = "1357"[(frame.bitRateSwitch ? 1 : 0) + (frame.errorState ? 2 : 0)];
    return putText(out, "000        0        0        0        0        0");
}

// "1  ErrorFrame"; a CAN FD error frame "CANFD   1 Tx   ErrorFrame", the form that has a
// direction. Neither form carries the identifier, data, BRS or ESI a source may give.
char* AscWriter::putError(char* out, const can::Frame& frame) {
    if (frame.canId != 0 || frame.dataLength > 0) leftOut_.add(LeftOut::kErrorContent);
    if (frame.bitRateSwitch || frame.errorState) leftOut_.add(LeftOut::kErrorFdFlags);
    if (frame.isFd) {
        out = putText(out, " CANFD ");
        out = putDecimalRight(out, static_cast<uint64_t>(frame.channel) + 1, 3);
        out = putText(out, frame.transmitted ? " Tx   " : " Rx   ");
    } else {
        if (frame.transmitted) leftOut_.add(LeftOut::kErrorDirection);
        *out++ = ' ';
        out = putDecimal(out, static_cast<uint64_t>(frame.channel) + 1);
        out = putText(out, "  ");
    }
    return putText(out, "ErrorFrame");
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
