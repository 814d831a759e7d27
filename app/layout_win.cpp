#include "app/layout_win.h"

#include <initializer_list>

#include "app/layout.h"

namespace app {

namespace {

struct DialogMetrics {
    HFONT font = nullptr;
    FontScale scale;
    HDWP deferral = nullptr;
};

DialogMetrics& metrics() {
    static DialogMetrics instance;
    return instance;
}

// The structure grew by iPaddedBorderWidth; older systems only accept the shorter size.
bool readNonClientMetrics(NONCLIENTMETRICSW& nonClient) {
    for (UINT size : {504u, 500u}) {
        nonClient = {};
        nonClient.cbSize = size;
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, size, &nonClient, 0)) return true;
    }
    return false;
}

PixelRect toPixelRect(const RECT& rect) {
    return {static_cast<int32_t>(rect.left), static_cast<int32_t>(rect.top),
            static_cast<int32_t>(rect.right), static_cast<int32_t>(rect.bottom)};
}

// Moves through the batch while it lasts; a window the batch refuses is moved on its own.
void placeWindow(HWND window, const PixelRect& rect, UINT flags) {
    DialogMetrics& m = metrics();
    flags |= SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (m.deferral != nullptr) {
        m.deferral =
            DeferWindowPos(m.deferral, window, nullptr, rect.left, rect.top, width, height, flags);
        if (m.deferral != nullptr) return;
    }
    SetWindowPos(window, nullptr, rect.left, rect.top, width, height, flags);
}

BOOL CALLBACK scaleDescendant(HWND window, LPARAM) {
    const DialogMetrics& m = metrics();
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(m.font), TRUE);
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    placeWindow(window, scaleRect(toPixelRect(rect), m.scale), 0);
    return TRUE;
}

}  // namespace

void measureDialogMetrics(HWND dialog) {
    releaseDialogMetrics();
    DialogMetrics& m = metrics();
    NONCLIENTMETRICSW nonClient{};
    if (!readNonClientMetrics(nonClient)) return;
    m.font = CreateFontIndirectW(&nonClient.lfMessageFont);
    if (m.font == nullptr) return;
    RECT mapped{0, 0, 256, 256};
    MapDialogRect(dialog, &mapped);
    m.scale = baseUnitsFromMappedRect(static_cast<int32_t>(mapped.right),
                                      static_cast<int32_t>(mapped.bottom));
    HDC context = GetDC(dialog);
    HGDIOBJ previous = SelectObject(context, m.font);
    SIZE extent{};
    GetTextExtentPoint32W(context, L"x", 1, &extent);
    SelectObject(context, previous);
    ReleaseDC(dialog, context);
    m.scale.cx = static_cast<int32_t>(extent.cx);
    m.scale.cy = static_cast<int32_t>(extent.cy);
}

void scaleToMessageFont(HWND dialog) {
    DialogMetrics& m = metrics();
    if (m.font == nullptr) return;
    SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(m.font), TRUE);
    m.deferral = BeginDeferWindowPos(32);
    RECT rect{};
    GetWindowRect(dialog, &rect);
    const PixelRect scaled = scaleRect(toPixelRect(rect), m.scale);
    placeWindow(dialog, {0, 0, scaled.right - scaled.left, scaled.bottom - scaled.top}, SWP_NOMOVE);
    EnumChildWindows(dialog, scaleDescendant, 0);
    if (m.deferral != nullptr) EndDeferWindowPos(m.deferral);
    m.deferral = nullptr;
}

void releaseDialogMetrics() {
    DialogMetrics& m = metrics();
    if (m.font != nullptr) DeleteObject(m.font);
    m = DialogMetrics{};
}

}  // namespace app
