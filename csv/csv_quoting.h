// The quoting rule of the CSV outputs (as RFC 4180 has it): a field that holds the delimiter
// (when there is one), a double quote, a CR or an LF is written inside double quotes with each
// inner double quote doubled; every other field is written as it is. So a unit such as
// "m/s, avg" stays one field, and a file without such texts is the same as without the rule.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace csv {

class CsvQuoting {
public:
    // The delimiter in the output's encoding.
    void configure(std::string_view delimiter);

    bool needsQuotes(std::string_view field) const {
        for (size_t i = 0; i < field.size(); ++i) {
            if (special_[static_cast<unsigned char>(field[i])] && specialAt(field, i)) return true;
        }
        return false;
    }
    // The same for a text that stays in place for the whole run (the database's names, units
    // and value descriptions): the answer is remembered by the text's address, so that the
    // millions of lines of a capture do not look at the same few texts again and again.
    bool needsQuotesRemembered(std::string_view field) {
        if (field.empty()) return false;
        Remembered& slot =
            remembered_[(reinterpret_cast<uintptr_t>(field.data()) >> 3) % kRememberedSlots];
        if (slot.data != field.data() || slot.size != field.size()) {
            slot = {field.data(), field.size(), needsQuotes(field)};
        }
        return slot.quote;
    }
    // Whether texts the program writes itself (numbers, times, identifiers, data bytes: digits,
    // letters, blanks and ".-:/") can hold the delimiter, so that they need the check too.
    bool checksGeneratedTexts() const { return checksGenerated_; }

    // The field in double quotes, inner double quotes doubled.
    static void appendQuoted(std::string& out, std::string_view field);
    // The field as the rule wants it.
    void appendField(std::string& out, std::string_view field) const {
        if (needsQuotes(field)) {
            appendQuoted(out, field);
        } else {
            out.append(field);
        }
    }

private:
    bool specialAt(std::string_view field, size_t i) const;

    struct Remembered {
        const char* data = nullptr;
        size_t size = 0;
        bool quote = false;
    };
    static constexpr size_t kRememberedSlots = 512;

    std::array<bool, 256> special_{};
    std::array<Remembered, kRememberedSlots> remembered_{};
    std::string delimiter_;
    bool checksGenerated_ = false;
};

}  // namespace csv
