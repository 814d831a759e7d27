#include "sources/format_detection.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "monitor/monitor_file.h"
#include "sources/gzip_input.h"
#include "sources/log_head_rules.h"

namespace sources {

namespace {

struct FormatWords {
    InputFormat format;
    std::string_view word;
    std::string_view name;
    std::string_view extension;  // lower case, with its point
};

constexpr std::array<FormatWords, 5> kFormats = {{
    {InputFormat::kCapture, "dt", "capture", ".dt"},
    {InputFormat::kBlf, "blf", "BLF log", ".blf"},
    {InputFormat::kAsc, "asc", "ASC log", ".asc"},
    {InputFormat::kCandump, "candump", "candump log", ".log"},
    {InputFormat::kTrc, "trc", "TRC log", ".trc"},
}};

constexpr std::array<std::string_view, 8> kListedPatterns = {
    "*.DT", "*.blf", "*.asc", "*.log", "*.trc", "*.asc.gz", "*.log.gz", "*.trc.gz"};

const FormatWords& wordsOf(InputFormat format) { return kFormats[static_cast<size_t>(format)]; }

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool endsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    const std::string_view tail = text.substr(text.size() - suffix.size());
    for (size_t i = 0; i < suffix.size(); ++i) {
        if (lower(tail[i]) != lower(suffix[i])) return false;
    }
    return true;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && endsWithIgnoringCase(a, b);
}

bool isTextFormat(InputFormat format) {
    return format == InputFormat::kAsc || format == InputFormat::kCandump ||
           format == InputFormat::kTrc;
}

// The program's own DBC load logs: "dbcload.log", "dbcload-ch1.log", "dbcload-ch2.log".
bool isDbcLoadLog(std::string_view name) {
    if (sameIgnoringCase(name, "dbcload.log")) return true;
    constexpr std::string_view kStem = "dbcload-ch";
    if (name.size() <= kStem.size() + 4 ||
        !endsWithIgnoringCase(name.substr(0, kStem.size()), kStem) ||
        !endsWithIgnoringCase(name, ".log")) {
        return false;
    }
    const std::string_view number = name.substr(kStem.size(), name.size() - kStem.size() - 4);
    return std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// No zero byte, and at most one control character (other than tab, line and page ends, and the
// escape of coloured terminal output) in a hundred bytes.
bool looksLikeText(std::span<const uint8_t> head) {
    size_t controls = 0;
    for (const uint8_t byte : head) {
        if (byte == 0) return false;
        if ((byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f' &&
             byte != '\v' && byte != 0x1B) ||
            byte == 0x7F) {
            ++controls;
        }
    }
    return controls * 100 <= head.size();
}

struct Tally {
    uint32_t strong = 0;
    uint32_t own = 0;  // strong headers, headers and frame-shaped lines
    uint32_t frames = 0;
    void count(head_rules::LineKind kind) {
        if (kind == head_rules::LineKind::kOther) return;
        ++own;
        if (kind == head_rules::LineKind::kStrongHeader) ++strong;
        if (kind == head_rules::LineKind::kFrame) ++frames;
    }
};

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t\f\v") == std::string_view::npos;
}

constexpr std::array<InputFormat, 3> kText = {InputFormat::kAsc, InputFormat::kCandump,
                                              InputFormat::kTrc};

// Each text format's count of the non-blank lines, and its rank: by strong headers first, then
// by the lines of its own; 0 for no candidate.
struct TextTallies {
    std::array<Tally, 3> tallies{};
    uint32_t lines = 0;
    std::array<uint64_t, 3> rank{};
};

TextTallies tallyText(std::string_view text) {
    TextTallies out;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (isBlank(line)) continue;
        ++out.lines;
        out.tallies[0].count(head_rules::ascLine(line));
        out.tallies[1].count(head_rules::candumpLine(line));
        out.tallies[2].count(head_rules::trcLine(line));
    }
    for (size_t i = 0; i < kText.size(); ++i) {
        const Tally& tally = out.tallies[i];
        const bool candidate =
            tally.strong > 0 || (tally.frames > 0 && uint64_t{tally.own} * 2 >= out.lines);
        if (candidate) out.rank[i] = (tally.strong > 0 ? uint64_t{1} << 32 : 0) + tally.own;
    }
    return out;
}

std::optional<InputFormat> textFormatOf(std::string_view text, std::optional<InputFormat> hint) {
    const std::array<uint64_t, 3> rank = tallyText(text).rank;
    const uint64_t best = *std::max_element(rank.begin(), rank.end());
    if (best == 0) return std::nullopt;
    const auto tied = std::count(rank.begin(), rank.end(), best);
    for (size_t i = 0; i < kText.size(); ++i) {
        if (rank[i] == best && (tied == 1 || hint == kText[i])) return kText[i];
    }
    return std::nullopt;
}

// The head as text for the line rules: a UTF-8 BOM skipped, a last line the head cuts left out;
// empty for content that is no text.
std::optional<std::string> textOfHead(std::span<const uint8_t> head, bool wholeFile) {
    if (head.size() >= 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF) {
        head = head.subspan(3);
    }
    if (!wholeFile) {
        // The last line may be cut in the middle of a word: it is left out.
        const auto lastEnd = std::find(head.rbegin(), head.rend(), uint8_t{'\n'});
        head = head.first(static_cast<size_t>(head.rend() - lastEnd));
    }
    if (!looksLikeText(head)) return std::nullopt;
    return std::string(head.begin(), head.end());
}

// Why content of none of the formats (`head`, inflated where `gzip`) is not the log its name
// promises: `expected`, or for a bare .gz any text log. The words name what was looked for: "no
// line of it is an ASC header or frame", "only 2 of its 9 lines are TRC headers or frames".
std::string whyNoLogOf(std::optional<InputFormat> expected, bool gzip,
                       std::span<const uint8_t> head, bool wholeFile) {
    if (head.empty()) return gzip ? "it is empty once unpacked" : "the file is empty";
    if (expected == InputFormat::kBlf) return "it does not start with a BLF file header (LOGG)";
    if (!expected && !gzip) return "it is not gzip-compressed";
    const std::optional<std::string> text = textOfHead(head, wholeFile);
    if (!text) return "it is not text";
    const TextTallies counted = tallyText(*text);
    const auto index =
        static_cast<size_t>(std::find(kText.begin(), kText.end(), expected) - kText.begin());
    if (index == kText.size()) {
        const bool none = std::all_of(counted.tallies.begin(), counted.tallies.end(),
                                      [](const Tally& tally) { return tally.own == 0; });
        return none ? "no line of it is a header or frame of an ASC, candump or TRC log"
                    : "its lines are those of no one log format";
    }
    constexpr std::array<std::string_view, 3> kNames = {"an ASC", "a candump", "a TRC"};
    const std::string named(kNames[index]);
    const std::string plural = named.substr(named.find(' ') + 1) + " headers or frames";
    const Tally& tally = counted.tallies[index];
    if (counted.rank[index] != 0) return "more of its lines are those of another log format";
    if (tally.own == 0) return "no line of it is " + named + " header or frame";
    if (tally.frames == 0) return "no line of it is " + named + " frame";
    return "only " + std::to_string(tally.own) + " of its " + (wholeFile ? "" : "first ") +
           std::to_string(counted.lines) + " lines are " + plural;
}

// The first bytes already read, then the rest of the input: a gzip head inflated from the start.
class ReplayInput final : public ByteInput {
public:
    ReplayInput(std::span<const uint8_t> first, ByteInput& rest) : first_(first), rest_(rest) {}
    size_t read(std::span<uint8_t> buffer) override {
        if (offset_ == first_.size()) return rest_.read(buffer);
        const size_t count = std::min(buffer.size(), first_.size() - offset_);
        std::memcpy(buffer.data(), first_.data() + offset_, count);
        offset_ += count;
        return count;
    }
    platform::Status status() const override { return rest_.status(); }
    uint64_t consumed() const override { return rest_.consumed(); }

private:
    std::span<const uint8_t> first_;
    ByteInput& rest_;
    size_t offset_ = 0;
};

platform::Status notReadable(std::string detail) {
    return platform::Status::failure(platform::kInvalidData, std::move(detail));
}

}  // namespace

bool parseInputFormatWord(std::string_view word, std::optional<InputFormat>& format) {
    if (sameIgnoringCase(word, "auto")) {
        format.reset();
        return true;
    }
    for (const FormatWords& entry : kFormats) {
        if (sameIgnoringCase(word, entry.word)) {
            format = entry.format;
            return true;
        }
    }
    return false;
}

std::string_view inputFormatWord(InputFormat format) { return wordsOf(format).word; }

std::string_view inputFormatName(InputFormat format) { return wordsOf(format).name; }

std::optional<InputFormat> formatOfFileName(std::string_view name, bool* compressed) {
    const bool gz = endsWithIgnoringCase(name, ".gz");
    if (gz) name.remove_suffix(3);
    if (compressed != nullptr) *compressed = gz;
    for (const FormatWords& entry : kFormats) {
        // A bare ".asc" is a hidden file's name, not an extension.
        if (name.size() > entry.extension.size() && endsWithIgnoringCase(name, entry.extension) &&
            (!gz || isTextFormat(entry.format))) {
            return entry.format;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> logNamedBy(std::string_view name) {
    const std::optional<InputFormat> format = formatOfFileName(name);
    if (format && *format != InputFormat::kCapture) return inputFormatName(*format);
    if (endsWithIgnoringCase(name, ".gz")) return "gzip-compressed log";
    return std::nullopt;
}

bool isListedInputName(std::string_view name) {
    return formatOfFileName(name).has_value() && !isDbcLoadLog(name);
}

std::span<const std::string_view> listedInputPatterns() { return kListedPatterns; }

std::optional<InputFormat> formatOfHead(std::span<const uint8_t> head, bool wholeFile,
                                        std::optional<InputFormat> hint) {
    if (head.size() >= monitor::kSignatureSize &&
        std::memcmp(head.data(), monitor::kSignature, monitor::kSignatureSize) == 0) {
        return InputFormat::kCapture;
    }
    constexpr uint8_t kBlfSignature[] = {'L', 'O', 'G', 'G'};
    if (head.size() >= 4 && std::memcmp(head.data(), kBlfSignature, 4) == 0) {
        return InputFormat::kBlf;
    }
    const std::optional<std::string> text = textOfHead(head, wholeFile);
    if (!text) return std::nullopt;
    return textFormatOf(*text, hint);
}

platform::Status detectInputFormat(ByteInput& stored, std::string_view fileName,
                                   DetectedInput& detected) {
    detected = {};
    std::vector<uint8_t> head(kDetectionHeadSize);
    head.resize(readFully(stored, head));
    if (!stored.status().ok()) return stored.status();
    const std::optional<InputFormat> named = formatOfFileName(fileName);
    const bool namesLog = logNamedBy(fileName).has_value();
    if (head.empty()) {
        return notReadable(namesLog ? "the file is empty"
                                    : "empty file: not a CAN log this program reads");
    }
    std::vector<uint8_t> content;
    bool wholeFile = head.size() < kDetectionHeadSize;
    if (startsWithGzipMagic(head)) {
        detected.gzip = true;
        GzipInput gzip(std::make_unique<ReplayInput>(head, stored));
        content.resize(kDetectionHeadSize);
        content.resize(readFully(gzip, content));
        if (!gzip.status().ok()) return gzip.status();
        wholeFile = content.size() < kDetectionHeadSize;
    } else {
        content = std::move(head);
    }
    const std::optional<InputFormat> format = formatOfHead(content, wholeFile, named);
    if (!format && namesLog) {
        return notReadable(whyNoLogOf(named, detected.gzip, content, wholeFile));
    }
    if (!format) {
        return notReadable(detected.gzip ? "gzip-compressed, but not a CAN log this program reads"
                                         : "not a CAN log this program reads");
    }
    if (detected.gzip && *format == InputFormat::kCapture) {
        return notReadable("a gzip-compressed capture: unpack it first");
    }
    detected.format = *format;
    return {};
}

platform::Status detectFileFormat(const std::filesystem::path& path, DetectedInput& detected) {
    FileInput file;
    if (platform::Status opened = file.open(path); !opened.ok()) return opened;
    const std::u8string name = path.filename().u8string();
    return detectInputFormat(file, std::string(name.begin(), name.end()), detected);
}

bool isGzipFile(const std::filesystem::path& path) {
    FileInput file;
    if (!file.open(path).ok()) return false;
    uint8_t head[2] = {};
    const size_t got = readFully(file, head);
    return startsWithGzipMagic(std::span<const uint8_t>(head, got));
}

platform::Status openInputFile(const std::filesystem::path& path, bool gzip,
                               std::unique_ptr<ByteInput>& input) {
    auto file = std::make_unique<FileInput>();
    if (platform::Status opened = file->open(path); !opened.ok()) return opened;
    if (gzip) {
        input = std::make_unique<GzipInput>(std::move(file));
    } else {
        input = std::move(file);
    }
    return input->status();
}

}  // namespace sources
