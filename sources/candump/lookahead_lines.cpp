#include "sources/candump/lookahead_lines.h"

namespace sources::candump {

LookaheadLines::LookaheadLines(std::unique_ptr<ByteInput> input)
    : input_(std::move(input)), lines_(*input_) {}

LookaheadLines::~LookaheadLines() = default;

bool LookaheadLines::fetch(TextLine& line) {
    std::string_view text;
    if (!lines_.next(text)) return false;
    // Field by field: a whole new TextLine would be stored and loaded again in other widths, and
    // the view is read in the halves LineInput stored it in (one load of both waits for them).
    const char* const data = text.data();
    const size_t size = text.size();
    line.text = std::string_view(data, size);
    line.number = lines_.lineNumber();
    line.tooLong = lines_.tooLong();
    // The file ends inside its last line, without a line end: that line is cut.
    line.cut = !lines_.lineEnded() && lines_.status().ok();
    return true;
}

const std::vector<TextLine>& LookaheadLines::readAhead(size_t maxLines, size_t maxBytes) {
    ahead_.clear();
    aheadText_.clear();
    std::vector<size_t> offsets;  // the text may move as it grows: views are made at the end
    TextLine line;
    while (ahead_.size() < maxLines && aheadText_.size() < maxBytes && fetch(line)) {
        offsets.push_back(aheadText_.size());
        aheadText_.append(line.text);
        ahead_.push_back(line);
    }
    for (size_t i = 0; i < ahead_.size(); ++i) {
        ahead_[i].text = std::string_view(aheadText_).substr(offsets[i], ahead_[i].text.size());
    }
    replayed_ = 0;
    replaying_ = true;
    return ahead_;
}

bool LookaheadLines::replay(TextLine& line) {
    if (replayed_ < ahead_.size()) {
        line = ahead_[replayed_++];
        return true;
    }
    // All handed on again: the copies are no longer needed.
    ahead_ = {};
    aheadText_ = {};
    replaying_ = false;
    return fetch(line);
}

platform::Status LookaheadLines::status() const { return lines_.status(); }

uint64_t LookaheadLines::consumed() const { return lines_.consumed(); }

bool LookaheadLines::inputCutShort() const { return input_->cutShort(); }

}  // namespace sources::candump
