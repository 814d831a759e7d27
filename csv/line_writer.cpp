#include "csv/line_writer.h"

#include "platform/platform.h"
#include "platform/text_encoding.h"

namespace csv {

namespace {
constexpr char kByteOrderMark[] = {'\xEF', '\xBB', '\xBF'};
}  // namespace

void LineWriter::configureWriter(const tables::ConversionOptions& options) {
    switch (options.lineEnd) {
        case settings::LineEnd::kLf:
            lineEnd_[0] = '\n', lineEndLength_ = 1;
            break;
        case settings::LineEnd::kCr:
            lineEnd_[0] = '\r', lineEndLength_ = 1;
            break;
        default:
            lineEnd_[0] = '\r', lineEnd_[1] = '\n', lineEndLength_ = 2;
            break;
    }
    const bool utf8 = options.encoding == settings::Encoding::kUtf8 ||
                      options.encoding == settings::Encoding::kUtf8Bom;
    bom_ = options.encoding == settings::Encoding::kUtf8Bom;
    const std::string bytes =
        utf8 ? platform::utf16ToUtf8(options.delimiter) : platform::utf16ToAnsi(options.delimiter);
    delimiterLength_ = bytes.size() < kDelimiterCapacity ? bytes.size() : kDelimiterCapacity - 1;
    if (delimiterLength_ > 0) std::memcpy(delimiter_, bytes.data(), delimiterLength_);
}

int32_t LineWriter::openOutput(const std::filesystem::path& path) {
    closeOutput();
    length_ = 0;
    const int32_t opened = output_.open(path);
    if (opened == 0 && bom_) output_.write(kByteOrderMark, sizeof kByteOrderMark);
    return opened;
}

int32_t LineWriter::openPart(output::BlockHandOff& target) {
    closeOutput();
    length_ = 0;
    return output_.openPart(target);
}

void LineWriter::endLine() {
    if (result() != 0 || !output_.isOpen()) {
        length_ = 0;
        return;
    }
    char* line = output_.tail();
    while (length_ > 0 && line[length_ - 1] == ' ') --length_;
    // The buffer has two spare bytes past the longest line for the line end.
    line[length_] = lineEnd_[0];
    if (lineEndLength_ == 2) line[length_ + 1] = lineEnd_[1];
    output_.advance(length_ + lineEndLength_);
    length_ = 0;
    output_.flushIfFull();
}

int32_t LineWriter::closeOutput() {
    length_ = 0;
    if (!output_.isOpen()) return output_.result();
    return output_.close();
}

}  // namespace csv
