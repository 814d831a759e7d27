#include "tables/table_options.h"

namespace tables {

std::u16string resolveDelimiterEscapes(std::u16string_view typed) {
    typed = typed.substr(0, typed.find(u'\0'));
    typed = typed.substr(0, settings::kMaxDelimiterLength);
    std::u16string resolved;
    bool inEscape = false;
    for (const char16_t c : typed) {
        if (inEscape) {
            if (c == u't') resolved.push_back(u'\t');
            if (c == u'\\') resolved.push_back(u'\\');
            inEscape = false;
        } else if (c == u'\\') {
            inEscape = true;
        } else {
            resolved.push_back(c);
        }
    }
    return resolved;
}

namespace {

settings::Channels channelsFrom(settings::Channels value) {
    return value == settings::Channels::kCh1 || value == settings::Channels::kCh2
               ? value
               : settings::Channels::kAll;
}

// Any choice but none and elapsed is the time of day.
settings::TimeStamps timeStampsFrom(settings::TimeStamps value) {
    return value == settings::TimeStamps::kNone || value == settings::TimeStamps::kElapsed
               ? value
               : settings::TimeStamps::kTimeOfDay;
}

settings::Encoding encodingFrom(settings::Encoding value) {
    return value == settings::Encoding::kUtf8 || value == settings::Encoding::kUtf8Bom
               ? value
               : settings::Encoding::kAnsi;
}

settings::LineEnd lineEndFrom(settings::LineEnd value) {
    return value == settings::LineEnd::kLf || value == settings::LineEnd::kCr
               ? value
               : settings::LineEnd::kCrLf;
}

}  // namespace

void applySettings(const settings::ConversionSettings& settings, ConversionOptions& options) {
    options.channels = channelsFrom(settings.channels);
    options.timeStamps = timeStampsFrom(settings.timeStamps);
    options.columns = settings.columns;
    options.delimiter = resolveDelimiterEscapes(settings.delimiter);
    options.encoding = settings::Encoding::kAnsi;
    options.lineEnd = settings::LineEnd::kCrLf;
    if (settings.additionalCsv) {
        options.encoding = encodingFrom(settings.encoding);
        options.lineEnd = lineEndFrom(settings.lineEnd);
    }
}

}  // namespace tables
