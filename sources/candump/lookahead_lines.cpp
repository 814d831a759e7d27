#include "sources/candump/lookahead_lines.h"

namespace sources::candump {

// The input as LineInput reads it, noting whether it has ended and on which byte.
class LookaheadLines::EndWatch final : public ByteInput {
public:
    explicit EndWatch(std::unique_ptr<ByteInput> input) : input_(std::move(input)) {}

    size_t read(std::span<uint8_t> buffer) override {
        const size_t got = input_->read(buffer);
        if (got == 0) {
            ended_ = !buffer.empty();
        } else {
            lastByte_ = buffer[got - 1];
        }
        return got;
    }
    platform::Status status() const override { return input_->status(); }
    uint64_t consumed() const override { return input_->consumed(); }
    bool cutShort() const override { return input_->cutShort(); }

    // The input has ended, and not with a line end: the line being handed on may be its last.
    bool endedInsideLine() const { return ended_ && lastByte_ != '\n' && status().ok(); }

private:
    std::unique_ptr<ByteInput> input_;
    bool ended_ = false;
    uint8_t lastByte_ = '\n';
};

LookaheadLines::LookaheadLines(std::unique_ptr<ByteInput> input)
    : input_(std::make_unique<EndWatch>(std::move(input))), lines_(*input_) {}

LookaheadLines::~LookaheadLines() = default;

bool LookaheadLines::fetch(TextLine& line) {
    if (haveHeld_) {
        haveHeld_ = false;
        current_.swap(held_);
        line = heldLine_;
        line.text = current_;
    } else {
        std::string_view text;
        if (!lines_.next(text)) return false;
        // Field by field: a whole new TextLine would be stored and loaded again in other widths.
        line.text = text;
        line.number = lines_.lineNumber();
        line.tooLong = lines_.tooLong();
        line.cut = false;
        if (!input_->endedInsideLine()) return true;
        current_.assign(text);
        line.text = current_;
    }
    // The file ends without a line end: the line is cut when no other follows it.
    std::string_view after;
    if (lines_.next(after)) {
        held_.assign(after);
        heldLine_ = {{}, lines_.lineNumber(), lines_.tooLong(), false};
        haveHeld_ = true;
    } else {
        line.cut = lines_.status().ok();
    }
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
    return ahead_;
}

bool LookaheadLines::next(TextLine& line) {
    if (replayed_ < ahead_.size()) {
        line = ahead_[replayed_++];
        return true;
    }
    if (!ahead_.empty()) {
        // All handed on again: the copies are no longer needed.
        ahead_ = {};
        aheadText_ = {};
    }
    return fetch(line);
}

platform::Status LookaheadLines::status() const { return lines_.status(); }

uint64_t LookaheadLines::consumed() const { return lines_.consumed(); }

bool LookaheadLines::inputCutShort() const { return input_->cutShort(); }

}  // namespace sources::candump
