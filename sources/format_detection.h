// Which of the log formats this program reads a file holds, told by its content: the analyzer's
// captures (*.DT), Vector BLF and ASC, can-utils candump logs and PEAK TRC, each of the text ones
// also gzip-compressed. The file's name is only a hint for a tie. Also the words of
// --input-format and the file names a folder's listing takes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "sources/byte_input.h"

namespace sources {

enum class InputFormat { kCapture, kBlf, kAsc, kCandump, kTrc };

// --input-format auto|dt|blf|asc|candump|trc, the words in any case.
inline constexpr std::string_view kInputFormatWords = "auto|dt|blf|asc|candump|trc";
// false for an unknown word; `format` is empty for "auto" (tell by the content).
bool parseInputFormatWord(std::string_view word, std::optional<InputFormat>& format);
// "dt", "blf", "asc", "candump", "trc".
std::string_view inputFormatWord(InputFormat format);
// For messages: "capture", "BLF log", "ASC log", "candump log", "TRC log".
std::string_view inputFormatName(InputFormat format);

// The format a file's name names by its extension, in any case: .DT, .blf, .asc, .log, .trc,
// and .gz after a text log's (x.asc.gz, x.log.gz, x.trc.gz). `compressed` says whether it was .gz.
std::optional<InputFormat> formatOfFileName(std::string_view name, bool* compressed = nullptr);
// The log a file's name promises by its extension, for messages: "BLF log", "ASC log",
// "candump log", "TRC log", or "gzip-compressed log" for a bare .gz; empty for a capture's name
// and any other (whose content, when of no format, is read as a capture).
std::optional<std::string_view> logNamedBy(std::string_view name);
// Whether a folder's listing takes the file: formatOfFileName knows its extension, and it is
// none of the program's own DBC load logs (dbcload.log, dbcload-ch1.log, dbcload-ch2.log).
bool isListedInputName(std::string_view name);
// The listing's patterns, for a file dialog: "*.DT", "*.blf", ... "*.trc.gz".
std::span<const std::string_view> listedInputPatterns();

// How much of a file (inflated, when gzip) the content rules look at.
constexpr size_t kDetectionHeadSize = 8 * 1024;

// The rules over the first bytes of a file's content (inflated already), `wholeFile` when they
// are all of it (else a last line without its end is left out). In this order:
//   1. capture: the 16-byte signature of monitor data files; BLF: "LOGG"
//   2. text only from here on (no zero byte, few control characters); a UTF-8 BOM is skipped
//   3. each text format counts its lines (head_rules: strong headers, headers, frame shapes);
//      a format is a candidate with a strong header, or with a frame-shaped line when at least
//      half of the non-blank lines are its own
//   4. the candidate with strong headers, then the one with most lines of its own, wins; in a
//      tie the name's extension (`hint`) decides, else no format does
// Empty for none of them.
std::optional<InputFormat> formatOfHead(std::span<const uint8_t> head, bool wholeFile,
                                        std::optional<InputFormat> hint);

struct DetectedInput {
    InputFormat format = InputFormat::kCapture;
    bool gzip = false;  // the file is gzip-compressed: read it through GzipInput
};

// Tells the format of a file whose bytes as stored `stored` hands on from its start; reads at
// most a few blocks of it. kInvalidData with a message for content of none of the formats ("not
// a CAN log this program reads"; for a name logNamedBy knows, why it is not that log: "no line
// of it is an ASC header or frame"), a gzip-compressed capture, or a corrupt gzip head; the
// input's own failure when it cannot be read.
platform::Status detectInputFormat(ByteInput& stored, std::string_view fileName,
                                   DetectedInput& detected);
platform::Status detectFileFormat(const std::filesystem::path& path, DetectedInput& detected);

// Whether the file starts as a gzip-compressed file does (false when it cannot be read).
bool isGzipFile(const std::filesystem::path& path);

// The file's bytes for a source: the file itself, or inflated through GzipInput.
platform::Status openInputFile(const std::filesystem::path& path, bool gzip,
                               std::unique_ptr<ByteInput>& input);

}  // namespace sources
