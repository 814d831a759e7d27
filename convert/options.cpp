#include "convert/options.h"

namespace convert {

std::u16string resolveDelimiterEscapes(std::u16string_view typed) {
    typed = typed.substr(0, typed.find(u'\0'));
    typed = typed.substr(0, kMaxDelimiterLength);
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

uint32_t printFlagsFrom(const ConversionSettings& settings) {
    uint32_t flags = PRINT_CSV;
    if (settings.printCh) flags |= PRINT_CH;
    if (settings.printID) flags |= PRINT_ID;
    if (settings.printMsg) flags |= PRINT_MSG;
    if (settings.printUnit) flags |= PRINT_UNIT;
    if (settings.printEnum) flags |= PRINT_ENUM;
    if (settings.printRaw) flags |= PRINT_RAW;
    return flags;
}

// Without the additional CSV settings every file is ANSI with CR LF, whatever they hold.
uint32_t outputFormatFrom(const ConversionSettings& settings) {
    if (!settings.csvAdditional) return 3;
    uint32_t format = 0;
    if (settings.csvOutCode == 1) format |= CODE_UTF8;
    if (settings.csvOutCode == 2) format |= CODE_UTF8 | CODE_BOM;
    if (settings.csvLinefeed == 1) {
        format |= 1;
    } else if (settings.csvLinefeed == 2) {
        format |= 2;
    } else {
        format |= 3;
    }
    return format;
}

}  // namespace

void buildConversionOptions(const ConversionSettings& settings, ConversionOptions& options) {
    options = ConversionOptions{};
    if (settings.signalLine == 1 || settings.signalLine == 2)
        options.channelFilter = settings.signalLine;
    if (settings.timeStamp == 0) {
        options.timestampPreference = 0;
    } else {
        options.timestampPreference = settings.timeStamp == 2 ? 2 : 1;
    }
    options.printFlags = printFlagsFrom(settings);
    options.delimiter = resolveDelimiterEscapes(settings.csvDelimit);
    options.outputFormat = outputFormatFrom(settings);
}

}  // namespace convert
