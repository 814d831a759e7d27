#include "python/src/file_result.h"

#include <pybind11/stl.h>

#include <vector>

#include "cli/rules/outcome_text.h"
#include "platform/platform.h"
#include "python/src/texts.h"
#include "sources/capture_source.h"

namespace py = pybind11;

namespace txtcvt_python {

void describeOutcome(py::dict& out, const std::string& display, const run::FileOutcome& outcome) {
    out["error"] = py::none();
    out["warning"] = py::none();
    out["code"] = static_cast<uint32_t>(outcome.code);
    if (outcome.converted()) return;
    run::FileResult result;
    result.outcome = outcome;
    const std::string line = cli::outcomeLine({std::filesystem::path(display)}, 0, result);
    out[outcome.wroteOutput() ? "warning" : "error"] = messageText(line);
}

CaptureSummary summaryOf(const sources::FrameSource& source) {
    CaptureSummary summary;
    const auto* capture = dynamic_cast<const sources::CaptureSource*>(&source);
    if (capture == nullptr) {
        const sources::SourceCounts& counts = source.counts();
        const sources::TimeOrigin& origin = source.timeOrigin();
        summary.format = source.formatName();
        summary.dated = origin.kind == sources::TimeOrigin::Kind::kDated;
        summary.startSeconds = origin.startSeconds;
        summary.startNanoseconds = origin.startNanoseconds;
        summary.cutShort = counts.cutShort;
        summary.cutShortWhere = counts.cutShortWhere;
        summary.skipped = counts.skipped;
        summary.unreadable = counts.unreadable;
        summary.firstUnreadable = counts.firstUnreadable;
        summary.channelNames = source.channelNames();
        return summary;
    }
    const monitor::MonitorFile& file = capture->capture();
    summary.variant = file.variant;
    summary.subKind = file.subKind;
    summary.timeStampMode = file.timeStampMode;
    if (file.variant == 29) {
        summary.startSeconds = file.info29.startSeconds;
        summary.startNanoseconds = file.info29.startNanoseconds;
    }
    summary.records = file.count;
    summary.cutShort = file.cutShort;
    summary.recordsClaimed = file.cutShort ? file.recordsClaimed : file.count;
    return summary;
}

py::dict captureInformation(const CaptureSummary& summary) {
    py::dict info;
    if (!summary.format.empty()) {
        info["format"] = summary.format;
        info["dated"] = summary.dated;
        info["start_seconds"] = summary.startSeconds;
        info["start_nanoseconds"] = summary.startNanoseconds;
        info["cut_short"] = summary.cutShort;
        info["cut_short_where"] = summary.cutShortWhere;
        py::dict skipped;
        for (const auto& [kind, count] : summary.skipped) skipped[py::str(kind)] = count;
        info["skipped"] = skipped;
        info["unreadable"] = summary.unreadable;
        info["first_unreadable"] = summary.firstUnreadable;
        info["channel_names"] = summary.channelNames;
        return info;
    }
    info["variant"] = summary.variant;
    info["sub_kind"] = summary.subKind;
    info["time_stamp_mode"] = summary.timeStampMode;
    info["start_seconds"] = summary.startSeconds;
    info["start_nanoseconds"] = summary.startNanoseconds;
    info["records"] = summary.records;
    info["cut_short"] = summary.cutShort;
    info["records_claimed"] = summary.recordsClaimed;
    return info;
}

}  // namespace txtcvt_python
