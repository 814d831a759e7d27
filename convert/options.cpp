#include "convert/options.h"

namespace convert {

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

Channels channelsFrom(Channels value) {
    return value == Channels::kCh1 || value == Channels::kCh2 ? value : Channels::kAll;
}

// Any choice but none and elapsed is the time of day.
TimeStamps timeStampsFrom(TimeStamps value) {
    return value == TimeStamps::kNone || value == TimeStamps::kElapsed ? value
                                                                       : TimeStamps::kTimeOfDay;
}

Encoding encodingFrom(Encoding value) {
    return value == Encoding::kUtf8 || value == Encoding::kUtf8Bom ? value : Encoding::kAnsi;
}

LineEnd lineEndFrom(LineEnd value) {
    return value == LineEnd::kLf || value == LineEnd::kCr ? value : LineEnd::kCrLf;
}

}  // namespace

ConversionOptions buildConversionOptions(const settings::ConversionSettings& settings) {
    ConversionOptions options;
    options.channels = channelsFrom(settings.channels);
    options.timeStamps = timeStampsFrom(settings.timeStamps);
    options.columns = settings.columns;
    options.delimiter = resolveDelimiterEscapes(settings.delimiter);
    if (settings.additionalCsv) {
        options.encoding = encodingFrom(settings.encoding);
        options.lineEnd = lineEndFrom(settings.lineEnd);
    }
    return options;
}

}  // namespace convert
