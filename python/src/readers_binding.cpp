// read_frames and read_signals: a capture's frames, or its decoded rows in the long or the wide
// layout, as numpy arrays built in C++ with the GIL released. The Python package turns them into
// data frames.
#include <pybind11/stl.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "columns/frame_columns.h"
#include "columns/signal_columns.h"
#include "decode/decoding_setup.h"
#include "python/src/arrays.h"
#include "python/src/bindings.h"
#include "python/src/channel_databases.h"
#include "python/src/file_result.h"
#include "python/src/large_pages.h"
#include "python/src/texts.h"
#include "run/blf_parts.h"
#include "run/column_parts.h"
#include "run/file_converter.h"
#include "run/input_open.h"
#include "run/sequential_parts.h"
#include "settings/conversion_settings.h"
#include "sources/capture_source.h"
#include "sources/frame_list_source.h"

namespace py = pybind11;

namespace txtcvt_python {

namespace {

// The threads that read one large capture: `jobs`, or one per core for 0.
unsigned partWorkers(unsigned jobs) {
    return jobs != 0 ? jobs : std::max(1u, std::thread::hardware_concurrency());
}

void addTimes(py::dict& columns, std::vector<int64_t>&& instant, std::vector<double>&& elapsed) {
    columns["time"] = toArray(std::move(instant));
    columns["elapsed"] = toArray(std::move(elapsed));
}

py::dict frameColumns(columns::FrameTable& table) {
    py::dict columns;
    addTimes(columns, std::move(table.instant), std::move(table.elapsed));
    py::list data(table.rows());
    size_t offset = 0;
    for (size_t i = 0; i < table.rows(); ++i) {
        const size_t length = table.kind[i] == 1 ? 0 : table.length[i];  // a remote frame's none
        data[i] = py::bytes(reinterpret_cast<const char*>(table.data.data() + offset), length);
        offset += length;
    }
    columns["record"] = toArray(std::move(table.record));
    columns["channel"] = toArray(std::move(table.channel));
    columns["id"] = toArray(std::move(table.id));
    columns["extended"] = toBoolArray(std::move(table.extended));
    columns["length"] = toArray(std::move(table.length));
    columns["data"] = data;
    columns["kind"] = toArray(std::move(table.kind));
    columns["fd"] = toBoolArray(std::move(table.fd));
    columns["brs"] = toBoolArray(std::move(table.bitRateSwitch));
    columns["esi"] = toBoolArray(std::move(table.errorState));
    columns["tx"] = toBoolArray(std::move(table.transmitted));
    return columns;
}

// About how many frames a file holds, for the room of its columns: a capture's records, a log's
// size over the bytes a frame takes in it at least as python-can and CANoe write them (more room
// than rows costs only address space; less, the copies of growing columns).
uint64_t expectedFrames(const sources::FrameSource& source, const std::filesystem::path& path) {
    if (source.formatName() == "capture") return source.counts().records;
    std::error_code error;
    const uint64_t size = std::filesystem::file_size(path, error);
    if (error) return 0;
    const bool gzip = path.extension() == ".gz";
    const uint64_t perFrame = source.formatName() == "BLF log" ? 16 : gzip ? 8 : 24;
    return size / perFrame;
}

// Reads a large capture (or, with `logs`, a large CAN log) in parts on `workers` threads
// through `read(parts, sizes, logCounts)`, its summary into `summary`: false, nothing done, for
// any other file.
template <class Read>
bool readInParts(const std::filesystem::path& input, sources::FrameSource& source, unsigned workers,
                 bool logs, CaptureSummary& summary, run::FileOutcome& outcome, const Read& read) {
    if (const auto* capture = dynamic_cast<const sources::CaptureSource*>(&source)) {
        if (!run::worthParts(capture->capture().count, workers, run::kColumnPartSizes)) {
            return false;
        }
        run::CaptureParts parts(input, capture->capture());
        outcome = read(parts, run::kColumnPartSizes, nullptr);
        summary = summaryOf(source);
        return true;
    }
    if (!logs) return false;
    if (const auto* log = dynamic_cast<const sources::BlfSource*>(&source)) {
        run::BlfParts parts(input, *log);
        if (!parts.open().ok() || !parts.worthParts(workers)) return false;
        sources::FrameListSource met;
        met.reset(source.timeOrigin(), source.formatName());
        outcome = read(parts, run::kColumnBlfPartSizes, &met.partCounts());
        summary = summaryOf(met);
        return true;
    }
    if (!run::SequentialParts::worthParts(input, workers)) return false;
    // The source itself reads the whole log: its counts are the file's at the end.
    run::SequentialParts parts(source);
    outcome = read(parts, run::kColumnLogPartSizes, nullptr);
    summary = summaryOf(source);
    return true;
}

py::dict readFrames(const py::bytes& path, const std::string& display, unsigned jobs) {
    CaptureSummary summary;
    columns::FrameTable table;
    run::FileOutcome outcome;
    const std::filesystem::path input = pathOf(path);  // with the GIL: it reads a Python object
    {
        py::gil_scoped_release released;
        const run::OpenedInput opened = run::openInput(input);
        outcome = opened.failure;
        const auto read = [&](run::PartFile& parts, const run::PartSizes& sizes,
                              sources::SourceCounts* logCounts) {
            return run::readFrameTableInParts(parts, *opened.source, table, {}, partWorkers(jobs),
                                              sizes, logCounts);
        };
        // The frames of a CAN log are read on one thread: taking them is mostly their reading,
        // which goes in order (a BLF log's inflating uses every core already).
        if (opened.source != nullptr &&
            !readInParts(input, *opened.source, partWorkers(jobs), false, summary, outcome, read)) {
            const platform::Status walked = columns::readFrameTable(*opened.source, table);
            outcome = walked.ok() ? run::writtenOutcome(*opened.source)
                                  : run::FileOutcome::loadFailed(walked.code());
            summary = summaryOf(*opened.source);
        }
    }
    py::dict out;
    describeOutcome(out, display, outcome);
    if (outcome.wroteOutput()) {
        out["info"] = captureInformation(summary);
        out["columns"] = frameColumns(table);
    }
    return out;
}

py::dict categoryColumn(columns::CategoryColumn& column, const std::string& encoding) {
    py::dict out;
    out["codes"] = toArray(std::move(column.codes));
    out["categories"] = dbcTexts(column.categories, encoding);
    return out;
}

py::dict longColumns(columns::LongColumnSink& sink, const std::string& encoding) {
    columns::LongColumns& table = sink.columns();
    py::dict columns;
    addTimes(columns, std::move(table.time.instant), std::move(table.time.elapsed));
    columns["channel"] = table.wideChannels ? py::array(toArray(std::move(table.wideChannel)))
                                            : py::array(toArray(std::move(table.channel)));
    columns["id"] = toArray(std::move(table.id));
    columns["extended"] = toBoolArray(std::move(table.extended));
    columns["message"] = categoryColumn(table.message, encoding);
    columns["signal"] = categoryColumn(table.signal, encoding);
    columns["value"] = toArray(std::move(table.value));
    columns["unit"] = categoryColumn(table.unit, encoding);
    columns["description"] = categoryColumn(table.description, encoding);
    return columns;
}

py::dict wideColumns(columns::WideColumnSink& sink, const std::string& encoding) {
    columns::WideValues& table = sink.values();
    const size_t rows = table.rows();
    py::dict columns;
    addTimes(columns, std::move(table.time.instant), std::move(table.time.elapsed));
    py::list names;
    py::list units;
    for (const tables::WideColumn& column : sink.columnNames()) {
        names.append(dbcText(column.name, encoding));
        units.append(dbcText(column.unit, encoding));
    }
    columns["names"] = names;
    columns["units"] = units;
    columns["values"] = toMatrix(std::move(table.cells), rows, table.columnCount);
    return columns;
}

// What read_signals asks for beyond the capture and the databases.
struct SignalRequest {
    decode::SelectionRequest selection;
    bool j1939 = false;
    tables::ConversionOptions options;
};

SignalRequest signalRequest(const std::vector<std::string>& messages,
                            const std::vector<std::string>& signals,
                            const std::vector<std::pair<uint32_t, uint32_t>>& ids, bool j1939,
                            int channel, bool wide, bool hold, uint64_t resampleMicroseconds) {
    SignalRequest request;
    request.selection.messages = messages;
    request.selection.signals = signals;
    for (const auto& [low, high] : ids) request.selection.ids.push_back({low, high});
    request.j1939 = j1939;
    tables::ConversionOptions& options = request.options;
    if (channel < 0 || channel > settings::kMaxChannelNumber) {
        throw py::value_error("channel is 0 (all) or a channel number from 1 to " +
                              std::to_string(settings::kMaxChannelNumber));
    }
    options.channels = static_cast<settings::Channels>(channel);
    options.timeStamps = settings::TimeStamps::kTimeOfDay;
    options.layout = wide ? tables::TableLayout::kWide : tables::TableLayout::kLong;
    options.hold = hold;
    options.resampleMicroseconds = resampleMicroseconds;
    return request;
}

// Loads a capture or log and converts it into `sink` with the GIL released; its summary goes
// into `summary`. `ready` readies the sink for the input before its first row.
run::FileOutcome readCapture(const std::filesystem::path& path, const decode::Decoding& decoding,
                             const tables::ConversionOptions& options,
                             columns::ColumnSinkBase& sink,
                             const std::function<void(const sources::FrameSource&)>& ready,
                             CaptureSummary& summary, unsigned jobs) {
    py::gil_scoped_release released;
    const run::OpenedInput opened = run::openInput(path);
    if (opened.source == nullptr) return opened.failure;
    ready(*opened.source);
    run::FileOutcome outcome;
    // The long table of a large capture is decoded on every core; the wide table's rows carry
    // the values before them, so one reader makes them.
    auto* const longSink = dynamic_cast<columns::LongColumnSink*>(&sink);
    const auto read = [&](run::PartFile& parts, const run::PartSizes& sizes,
                          sources::SourceCounts* logCounts) {
        return run::readLongColumnsInParts(parts, *opened.source, decoding, options, *longSink, {},
                                           partWorkers(jobs), nullptr, sizes, logCounts);
    };
    if (longSink == nullptr ||
        !readInParts(path, *opened.source, partWorkers(jobs), true, summary, outcome, read)) {
        run::Converter converter(decoding, options);
        outcome = run::readSource(*opened.source, converter, sink, {});
        summary = summaryOf(*opened.source);
    }
    return outcome;
}

py::dict readSignals(const py::bytes& path, const std::string& display,
                     const std::optional<DatabasePointer>& every, const ChannelHandles& own,
                     const std::string& encoding, const std::vector<std::string>& messages,
                     const std::vector<std::string>& signals,
                     const std::vector<std::pair<uint32_t, uint32_t>>& ids, bool j1939, int channel,
                     bool wide, bool hold, uint64_t resampleMicroseconds, unsigned jobs) {
    const SignalRequest request =
        signalRequest(messages, signals, ids, j1939, channel, wide, hold, resampleMicroseconds);
    const ChannelDatabases databases = channelDatabases(every, own);
    std::vector<std::string> unmatched;
    const decode::DecodingSetup setup(databases.every, databases.own, request.selection,
                                      request.j1939, unmatched);
    py::dict out;
    if (!unmatched.empty()) {
        py::list patterns;
        for (const std::string& pattern : unmatched) patterns.append(dbcText(pattern, encoding));
        out["unmatched"] = patterns;
        return out;
    }
    std::optional<columns::LongColumnSink> longSink;
    std::optional<columns::WideColumnSink> wideSink;
    columns::ColumnSinkBase* sink = nullptr;
    if (wide) {
        sink = &wideSink.emplace(setup.decoding(), request.options);
    } else {
        sink = &longSink.emplace(setup.decoding());
    }
    const std::filesystem::path input = pathOf(path);  // with the GIL: it reads a Python object
    const auto ready = [&](const sources::FrameSource& source) {
        // A log's channels run past a capture's two.
        if (!wide && source.formatName() != "capture") longSink->keepAnyChannel();
        sink->expectFrames(expectedFrames(source, input));
        wide ? adviseLargePages(wideSink->values()) : adviseLargePages(longSink->columns());
    };
    CaptureSummary summary;
    const run::FileOutcome outcome =
        readCapture(input, setup.decoding(), request.options, *sink, ready, summary, jobs);
    describeOutcome(out, display, outcome);
    if (outcome.wroteOutput()) {
        out["info"] = captureInformation(summary);
        out["columns"] = wide ? wideColumns(*wideSink, encoding) : longColumns(*longSink, encoding);
    }
    return out;
}

// The columns of the wide table for the databases and the selection, or the patterns that
// match nothing.
py::dict wideColumnNames(const std::optional<DatabasePointer>& every, const ChannelHandles& own,
                         const std::string& encoding, const std::vector<std::string>& messages,
                         const std::vector<std::string>& signals,
                         const std::vector<std::pair<uint32_t, uint32_t>>& ids, bool j1939) {
    const SignalRequest request = signalRequest(messages, signals, ids, j1939, 0, true, false, 0);
    const ChannelDatabases databases = channelDatabases(every, own);
    std::vector<std::string> unmatched;
    const decode::DecodingSetup setup(databases.every, databases.own, request.selection,
                                      request.j1939, unmatched);
    py::dict out;
    py::list names;
    if (!unmatched.empty()) {
        for (const std::string& pattern : unmatched) names.append(dbcText(pattern, encoding));
        out["unmatched"] = names;
        return out;
    }
    const tables::WideColumns columns(setup.decoding());
    for (const tables::WideColumn& column : columns.columns()) {
        names.append(dbcText(column.name, encoding));
    }
    out["names"] = names;
    return out;
}

}  // namespace

void bindReaders(py::module_& module) {
    module.def("read_frames", &readFrames, py::arg("path"), py::arg("display"), py::arg("jobs"),
               "Every CAN frame of a capture as arrays, its information and what happened.");
    module.def("read_signals", &readSignals, py::arg("path"), py::arg("display"), py::arg("every"),
               py::arg("own"), py::arg("encoding"), py::arg("messages"), py::arg("signals"),
               py::arg("ids"), py::arg("j1939"), py::arg("channel"), py::arg("wide"),
               py::arg("hold"), py::arg("resample_us"), py::arg("jobs"),
               "The decoded rows of a capture or log as arrays, long or wide; `every` the database "
               "of every channel, `own` (channel number, database) pairs.");
    module.def("wide_column_names", &wideColumnNames, py::arg("every"), py::arg("own"),
               py::arg("encoding"), py::arg("messages"), py::arg("signals"), py::arg("ids"),
               py::arg("j1939"), "The column names of the wide layout, or the unmatched patterns.");
}

}  // namespace txtcvt_python
