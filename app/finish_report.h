// What the end of a conversion job tells the user. Nothing when every file converted, or when
// the only files left are those a stop kept from converting; otherwise one message: a heading
// with the count, one line per file that failed or was cut short with its reason in words (the
// first ten of them), and how many more there are.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "run/batch.h"

namespace app {

// A value for one %n of a message text: the system's words for an error where it has them (a
// Windows error number first, then a C runtime errno value), otherwise `text`.
struct MessageArgument {
    std::u16string text;
    uint32_t windowsError = 0;  // nonzero: the system's message for this error number
    int runtimeError = 0;       // nonzero: the C runtime's text for this errno value
    bool operator==(const MessageArgument&) const = default;
};

// One line of the message: string `textId` with its %1, %2... filled from the arguments.
struct MessageLine {
    unsigned textId = 0;
    std::vector<MessageArgument> arguments;
    bool operator==(const MessageLine&) const = default;
};

constexpr size_t kNamedFilesMax = 10;

// The lines of the message that ends a job; none when there is nothing to say. `inputs` are the
// job's files and `files` what became of each, in the same order. `jobResult`, the worker's
// last result, speaks alone when no file has a result (the worker never started).
std::vector<MessageLine> finishReport(int32_t jobResult, const std::vector<run::Path>& inputs,
                                      const std::vector<run::FileResult>& files);

// The folder that holds the outputs written (converted or cut short): empty when they are in
// several folders or there is none.
run::Path commonOutputFolder(const std::vector<run::FileResult>& files);

// The message of a job whose outputs the user asked to see: the report's lines (or, without
// any, the count of files converted), then the folder of the outputs and the question whether
// to open it, or that they lie beside their data files. The report alone when nothing was
// written.
std::vector<MessageLine> reportWithOutputs(std::vector<MessageLine> report,
                                           const std::vector<run::FileResult>& files);

// The reason line of one file that failed or was cut short; `name` is its %1.
MessageLine reasonLine(const std::u16string& name, const run::FileResult& file);

// `pattern` with %1 to %9 replaced by the values (by nothing where a value is missing); any
// other % stays as it is. A value is never searched for placeholders itself.
std::u16string fillPlaceholders(std::u16string_view pattern,
                                const std::vector<std::u16string>& values);

// A system message as a value inside a sentence: without its line end and final full stop.
std::u16string trimSystemText(std::u16string_view text);

// The texts of the lines as one message: the first line, a blank line, then the others one
// per line.
std::u16string joinReportLines(const std::vector<std::u16string>& lines);

}  // namespace app
