#include "app/finish_report_win.h"

#include <shellapi.h>

#include <cwchar>
#include <iterator>

#include "app/main_dialog_rules.h"
#include "app/resource_order.h"
#include "app/resources_win.h"
#include "app/shell_state_win.h"

namespace app {

namespace {

std::u16string toU16(const std::wstring& text) { return {text.begin(), text.end()}; }
std::wstring toWide(const std::u16string& text) { return {text.begin(), text.end()}; }

// The system's message for a Windows error, in the UI language where the system has it.
std::u16string windowsErrorText(uint32_t error) {
    const ShellState& state = shellState();
    const LanguageOrder order = resourceLanguageOrder(state.uiLanguageForced, state.uiLanguage);
    wchar_t text[512];
    for (size_t i = 0; i < order.count; ++i) {
        const DWORD length = FormatMessageW(
            FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
            order.languages[i], text, static_cast<DWORD>(std::size(text)), nullptr);
        if (length != 0) return trimSystemText(toU16(std::wstring(text, length)));
    }
    return {};
}

std::u16string argumentText(const MessageArgument& argument) {
    if (argument.windowsError != 0) {
        std::u16string text = windowsErrorText(argument.windowsError);
        if (!text.empty()) return text;
    }
    if (argument.runtimeError != 0) {
        const wchar_t* text = _wcserror(argument.runtimeError);
        if (text != nullptr && *text != L'\0') return trimSystemText(toU16(text));
    }
    return argument.text;
}

std::u16string lineText(const MessageLine& line) {
    std::vector<std::u16string> values;
    for (const MessageArgument& argument : line.arguments) values.push_back(argumentText(argument));
    return fillPlaceholders(toU16(loadResourceString(line.textId)), values);
}

}  // namespace

std::wstring finishReportText(const std::vector<MessageLine>& lines) {
    std::vector<std::u16string> texts;
    for (const MessageLine& line : lines) texts.push_back(lineText(line));
    return toWide(joinReportLines(texts));
}

void showFinishReport(HWND dialog, const std::vector<MessageLine>& lines,
                      const std::vector<run::FileResult>* outputsAsked) {
    const run::Path folder =
        outputsAsked != nullptr ? commonOutputFolder(*outputsAsked) : run::Path();
    const std::vector<MessageLine> shown =
        outputsAsked != nullptr ? reportWithOutputs(lines, *outputsAsked) : lines;
    if (shown.empty()) return;
    wchar_t caption[kTitleCapacity] = {};
    GetWindowTextW(dialog, caption, static_cast<int>(kTitleCapacity));
    const UINT icon = lines.empty() ? MB_ICONINFORMATION : MB_ICONWARNING;
    if (shown.size() == lines.size() || folder.empty()) {
        MessageBoxW(dialog, finishReportText(shown).c_str(), caption, icon | MB_OK);
        return;
    }
    if (MessageBoxW(dialog, finishReportText(shown).c_str(), caption, icon | MB_YESNO) == IDYES) {
        ShellExecuteW(dialog, L"open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
}

}  // namespace app
