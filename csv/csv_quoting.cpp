#include "csv/csv_quoting.h"

namespace csv {

namespace {

bool isGeneratedByte(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '.' ||
           c == '-' || c == ':' || c == '/' || c == ' ';
}

}  // namespace

void CsvQuoting::configure(std::string_view delimiter) {
    remembered_.fill(Remembered{});
    special_.fill(false);
    special_['"'] = special_['\r'] = special_['\n'] = true;
    delimiter_ = std::string(delimiter);
    checksGenerated_ = false;
    if (delimiter_.empty()) return;
    const auto first = static_cast<unsigned char>(delimiter_.front());
    special_[first] = true;
    checksGenerated_ = isGeneratedByte(first);
}

bool CsvQuoting::specialAt(std::string_view field, size_t i) const {
    const char c = field[i];
    if (c == '"' || c == '\r' || c == '\n') return true;
    return !delimiter_.empty() && field.substr(i, delimiter_.size()) == delimiter_;
}

void CsvQuoting::appendQuoted(std::string& out, std::string_view field) {
    out.push_back('"');
    for (const char c : field) {
        if (c == '"') out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

}  // namespace csv
