#include "app/output_choice_rules.h"

#include <charconv>
#include <cstdio>

#include "cli/rules/option_values.h"
#include "platform/text_encoding.h"

namespace app {

using settings::OutputKind;
using settings::TableShape;

OutputControlStates outputControlStates(const settings::OutputSettings& output,
                                        bool databaseLoaded) {
    if (!settings::isTableOutput(output.format)) {
        return {false, false, false, false, false, false, false};
    }
    OutputControlStates states;
    const bool csv = output.format == OutputKind::kCsv;
    states.delimiter = csv;
    states.csvAdditional = csv;
    states.period = output.table == TableShape::kResampled;
    states.signals = databaseLoaded;
    return states;
}

bool outputNeedsDatabase(OutputKind format) { return settings::isTableOutput(format); }

bool periodFromEdit(std::u16string_view text, uint64_t& microseconds) {
    if (text.empty() || text.size() > 24) return false;
    return cli::parsePeriod(platform::utf16ToUtf8(text) + "ms", microseconds);
}

std::u16string storedPeriod(std::u16string_view editText) {
    return std::u16string(editText) + u"ms";
}

std::u16string periodEditText(std::u16string_view stored) {
    uint64_t microseconds = 0;
    if (stored.size() > 2 && stored.substr(stored.size() - 2) == u"ms" &&
        periodFromEdit(stored.substr(0, stored.size() - 2), microseconds)) {
        return std::u16string(stored.substr(0, stored.size() - 2));
    }
    if (!cli::parsePeriod(platform::utf16ToUtf8(stored), microseconds)) {
        return std::u16string(stored);
    }
    // Whole milliseconds, else three decimals without trailing zeros.
    char text[32] = {};
    std::snprintf(text, sizeof text, "%llu.%03llu",
                  static_cast<unsigned long long>(microseconds / 1000),
                  static_cast<unsigned long long>(microseconds % 1000));
    std::string shown = text;
    while (shown.back() == '0') shown.pop_back();
    if (shown.back() == '.') shown.pop_back();
    return platform::utf8ToUtf16(shown);
}

tables::ConversionOptions tableOptions(const settings::ConversionSettings& settings,
                                       const settings::OutputSettings& output,
                                       uint64_t periodMicroseconds) {
    tables::ConversionOptions options = tables::buildConversionOptions(settings);
    if (output.format == OutputKind::kXlsx) options.format = tables::OutputFormat::kXlsx;
    if (output.table != TableShape::kLong) options.layout = tables::TableLayout::kWide;
    options.hold = output.table == TableShape::kWideHold;
    if (output.table == TableShape::kResampled) options.resampleMicroseconds = periodMicroseconds;
    return options;
}

run::ExportOptions exportOptions(const settings::ConversionSettings& settings, OutputKind format) {
    run::ExportOptions options;
    options.format = format == OutputKind::kBlf       ? run::FrameFormat::kBlf
                     : format == OutputKind::kCandump ? run::FrameFormat::kCandump
                                                      : run::FrameFormat::kAsc;
    const auto channels = static_cast<int32_t>(settings.channels);
    options.channels =
        channels >= 0 && channels <= 2 ? settings.channels : settings::Channels::kAll;
    return options;
}

run::OutputNaming outputNaming(OutputKind format) {
    run::OutputNaming naming;
    if (format == OutputKind::kXlsx) naming.extension = ".xlsx";
    if (!settings::isTableOutput(format)) {
        naming.extension = run::frameFormatExtension(exportOptions({}, format).format);
    }
    return naming;
}

std::filesystem::path loadLogName(bool perChannel, int channel) {
    if (!perChannel) return "dbcload.log";
    return channel == 0 ? "dbcload-ch1.log" : "dbcload-ch2.log";
}

}  // namespace app
