#include "cli/inspect_command.h"

#include <cerrno>
#include <cinttypes>
#include <cstring>
#include <string>

#include "cli/inspect_log.h"
#include "cli/rules/option_rows.h"
#include "cli/rules/outcome_text.h"
#include "monitor/monitor_file.h"
#include "monitor/records.h"
#include "platform/platform.h"
#include "platform/text_encoding.h"
#include "run/file_outcome.h"
#include "run/input_open.h"
#include "sources/capture_source.h"
#include "sources/frame_walk.h"

namespace cli {

namespace {

std::string hexBytes(const can::Frame& frame) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (int i = 0; i < frame.dataLength; ++i) {
        if (i > 0) text += ' ';
        text += kDigits[frame.data[i] >> 4];
        text += kDigits[frame.data[i] & 0x0F];
    }
    return text;
}

void printHeader(const monitor::MonitorFile& file, bool json, std::FILE* out) {
    const int64_t seconds = file.variant == 29 ? file.info29.startSeconds : 0;
    const int64_t nanoseconds = file.variant == 29 ? file.info29.startNanoseconds : 0;
    const char* format =
        json ? "{\"variant\":%d,\"subKind\":%d,\"timeStampMode\":%d,\"startSeconds\":%" PRId64
               ",\"startNanoseconds\":%" PRId64 ",\"records\":%" PRIu32
             : "variant %d, sub-kind %d, time-stamp mode %d, start %" PRId64 " s %" PRId64
               " ns, %" PRIu32 " records";
    std::fprintf(out, format, file.variant, file.subKind, file.timeStampMode, seconds, nanoseconds,
                 file.count);
    // Only a cut capture says so, so that the lines of whole ones stay as they were.
    if (file.cutShort) {
        std::fprintf(out,
                     json ? ",\"cutShort\":true,\"recordsClaimed\":%" PRIu32
                          : " present, cut short: the record chunk claims %" PRIu32,
                     file.recordsClaimed);
    }
    std::fputs(json ? "}\n" : "\n", out);
}

void printRecord(uint32_t index, int kind, uint64_t time, const can::Frame* frame, bool json,
                 std::FILE* out) {
    if (json) {
        std::fprintf(out, "{\"index\":%" PRIu32 ",\"kind\":%d,\"timeCount\":%" PRIu64 ",\"frame\":",
                     index, kind, time);
        if (frame == nullptr) {
            std::fputs("null}\n", out);
        } else {
            std::fprintf(out,
                         "{\"channel\":%d,\"canId\":%" PRIu32
                         ",\"isExtended\":%s,\"dataLength\":%d,\"data\":\"%s\"}}\n",
                         frame->channel, frame->canId, frame->isExtended ? "true" : "false",
                         frame->dataLength, hexBytes(*frame).c_str());
        }
        return;
    }
    std::fprintf(out, "%10" PRIu32 "  kind %d  time %-12" PRIu64, index, kind, time);
    if (frame == nullptr) {
        std::fputs("  no frame\n", out);
    } else {
        std::fprintf(out, "  CH%d %s 0x%" PRIX32 " [%d] %s\n", frame->channel + 1,
                     frame->isExtended ? "ext" : "std", frame->canId, frame->dataLength,
                     hexBytes(*frame).c_str());
    }
}

// The conversion's walk: every head record, with the frame it yields for kinds 1 (CH1) and 2
// (CH2). A file without a known record layout has no records to show. 0, or why the records
// could not be read.
int32_t printRecords(sources::CaptureSource& source, bool json, std::FILE* out) {
    if (!monitor::withRecordLayout(source.capture().variant, [](auto) {})) return platform::kOk;
    const sources::FrameFilter everything;
    sources::FrameWalk walk(source, everything, {});
    const uint64_t perCount = source.nanosecondsPerCount();
    const platform::Status walked = walk.run([&](const can::Frame& frame) {
        const bool isFrame = frame.kind == can::FrameKind::kData;
        const int kind = frame.kind == can::FrameKind::kEvent ? frame.event : frame.channel + 1;
        printRecord(static_cast<uint32_t>(frame.place), kind, frame.time / perCount,
                    isFrame ? &frame : nullptr, json, out);
        return true;
    });
    return walked.code();
}

void printFailure(const std::filesystem::path& path, int32_t result, std::FILE* err) {
    std::fprintf(err, "%s: %s (0x%08" PRIX32 ")\n", platform::pathToUtf8(path).c_str(),
                 run::failureMessage(result), static_cast<uint32_t>(result));
}

}  // namespace

int inspectFile(const std::filesystem::path& path, bool json, std::FILE* out, std::FILE* err) {
    run::OpenedInput opened = run::openInput(path);
    int32_t result = opened.failure.code;
    if (auto* capture = dynamic_cast<sources::CaptureSource*>(opened.source.get())) {
        printHeader(capture->capture(), json, out);
        result = printRecords(*capture, json, out);
    } else if (opened.source != nullptr) {
        result = printLog(*opened.source, json, out);
    } else if (!opened.failure.inputName.empty()) {
        std::fprintf(err, "%s: %s\n", platform::pathToUtf8(path).c_str(),
                     outcomeWords({path}, {{}, opened.failure}).c_str());
        return 1;
    }
    if (result == platform::kOk) return 0;
    printFailure(path, result, err);
    return 1;
}

namespace {

struct InspectRequest {
    bool json = false;
    Arguments files;
};

const OptionRow<InspectRequest> kInspectRows[] = {
    {"json", 0, "", Repeat::kFlag, "one JSON object per line instead of text",
     +[](std::string_view, InspectRequest& request) {
         request.json = true;
         return platform::Status{};
     }},
};

}  // namespace

const CommandText kInspectCommand = {
    "inspect", "FILE.DT [--json]",
    "Shows what a capture holds: its information block and every head record the conversion\n"
    "stops on, with the frame it yields.\n",
    "", 17};

int runInspect(const Arguments& args) {
    if (asksForHelp(args)) {
        std::fputs(helpOf<InspectRequest>(kInspectCommand, kInspectRows).c_str(), stdout);
        return 0;
    }
    InspectRequest request;
    platform::Status parsed =
        parseWithRows<InspectRequest>(args, kInspectRows, request, request.files);
    if (parsed.ok() && request.files.size() != 1) {
        parsed = usageError(request.files.empty() ? "no capture given" : "one capture at a time");
    }
    if (!parsed.ok()) {
        std::fputs(usageErrorText(kInspectCommand, parsed.detail()).c_str(), stderr);
        return 2;
    }
    const int status =
        inspectFile(platform::pathFromUtf8(request.files.front()), request.json, stdout, stderr);
    // Standard output that could not take everything (a full disk, a closed pipe) is a failure.
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::fprintf(stderr, "txtcvt-cli inspect: cannot write to standard output (%s)\n",
                     std::strerror(errno));
        return 1;
    }
    return status;
}

}  // namespace cli
