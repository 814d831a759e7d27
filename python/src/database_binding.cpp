// load_dbc: a DBC file into a database handle, with its load log, the command line's report of
// the load and a description of every message and signal.
#include <pybind11/stl.h>

#include <cstdio>
#include <string>

#include "cli/rules/dbc_report.h"
#include "dbc/loader.h"
#include "python/src/bindings.h"
#include "python/src/database_handle.h"
#include "python/src/texts.h"

namespace py = pybind11;

namespace txtcvt_python {

namespace {

// What reportDbcLoad writes, as text.
std::string dbcReport(const std::string& display, const dbc::LoadSummary& summary, bool loaded,
                      const std::string& logName) {
    std::FILE* stream = std::tmpfile();
    if (stream == nullptr) return display + ": the DBC file did not load";
    cli::reportDbcLoad(stream, display, summary, loaded, logName);
    std::string text;
    std::rewind(stream);
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, stream)) > 0;) text.append(buffer, n);
    std::fclose(stream);
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

py::dict describeSignal(const dbc::DbcSignal& signal, const std::string& encoding) {
    py::dict out;
    out["name"] = dbcText(signal.name, encoding);
    out["start_bit"] = signal.startBit;
    out["length"] = signal.bitLength;
    out["byte_order"] = signal.isLittleEndian ? "little" : "big";
    out["is_signed"] = signal.isSigned;
    out["is_float"] = signal.isFloat;
    out["factor"] = signal.factor;
    out["offset"] = signal.offset;
    out["minimum"] = signal.minimum;
    out["maximum"] = signal.maximum;
    out["unit"] = dbcText(signal.unit, encoding);
    out["is_multiplexer"] = signal.isMuxSwitch;
    out["multiplexer"] = signal.muxSwitchName.empty()
                             ? py::object(py::none())
                             : py::object(dbcText(signal.muxSwitchName, encoding));
    py::list ranges;
    for (const dbc::MuxRange& range : signal.muxRanges)
        ranges.append(py::make_tuple(range.low, range.high));
    out["multiplexer_ranges"] = ranges;
    py::list descriptions;
    for (const dbc::ValueDescription& entry : signal.valueDescriptions.entries) {
        descriptions.append(py::make_tuple(entry.value, dbcText(entry.text, encoding)));
    }
    out["value_descriptions"] = descriptions;
    return out;
}

py::list describeMessages(const dbc::CanDatabase& database, const std::string& encoding) {
    py::list messages;
    for (const dbc::DbcMessage& message : database.messages) {
        py::dict out;
        out["name"] = dbcText(message.name, encoding);
        out["id"] = message.canId;
        out["is_extended"] = message.isExtended;
        out["length"] = message.dlc;
        py::list signals;
        for (const dbc::DbcSignal& signal : message.signals)
            signals.append(describeSignal(signal, encoding));
        out["signals"] = signals;
        messages.append(out);
    }
    return messages;
}

py::list loggedErrors(const dbc::LoadSummary& summary, const std::string& encoding) {
    py::list errors;
    for (const dbc::LoggedError& error : summary.firstErrors) {
        errors.append(py::make_tuple(error.lineNumber, messageText(error.errorText),
                                     dbcText(error.line, encoding)));
    }
    return errors;
}

// The database at `path` (os.fsencode bytes), `display` naming it in messages. The result says
// whether it loaded; the log stays in memory.
py::dict loadDbc(const py::bytes& path, const std::string& display, const std::string& encoding) {
    auto handle = std::make_shared<DatabaseHandle>();
    std::string log;
    dbc::LoadOptions options;
    options.logText = &log;
    options.openDiagnostic = false;
    dbc::LoadSummary summary;
    bool loaded = false;
    {
        const std::filesystem::path file = pathOf(path);  // with the GIL: a Python object
        py::gil_scoped_release released;
        loaded = dbc::loadDbcFile(*handle->database, file, options, &summary);
    }
    py::dict out;
    out["loaded"] = loaded;
    out["handle"] = loaded ? py::cast(handle) : py::object(py::none());
    out["log"] = dbcText(log, encoding);
    out["errors"] = summary.errorCount;
    out["first_errors"] = loggedErrors(summary, encoding);
    out["code"] = static_cast<uint32_t>(!summary.opened ? summary.openResult : summary.readResult);
    out["report"] =
        messageText(dbcReport(display, summary, loaded, loaded ? "Database.log" : "DbcError.log"));
    out["messages"] = loaded ? describeMessages(*handle->database, encoding) : py::list();
    return out;
}

}  // namespace

void bindDatabase(py::module_& module) {
    py::class_<DatabaseHandle, DatabasePointer>(module, "DatabaseHandle",
                                                "A loaded DBC database (opaque).");
    module.def("load_dbc", &loadDbc, py::arg("path"), py::arg("display"), py::arg("encoding"),
               "Loads a DBC file; a dict with the handle (None when it did not load), the log, "
               "the error count, the command line's report and the messages.");
}

}  // namespace txtcvt_python
