#include "app/dialog_controls_win.h"

#include "app/resources_win.h"

namespace app {

void fillChoiceList(HWND dialog, int control, std::initializer_list<UINT> stringIds,
                    int selection) {
    HWND list = GetDlgItem(dialog, control);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (UINT id : stringIds) {
        const std::wstring text = loadResourceString(id);
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(selection), 0);
}

RECT rectInParent(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void placeAtPlaceholder(HWND dialog, HWND pane, int placeholderId) {
    if (pane == nullptr) return;
    HWND placeholder = GetDlgItem(dialog, placeholderId);
    const RECT at = rectInParent(placeholder);
    SetWindowPos(pane, placeholder, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void centreOnOwner(HWND dialog) {
    HWND owner = GetParent(dialog);
    if (owner == nullptr) return;
    RECT ownerRect{};
    RECT own{};
    GetWindowRect(owner, &ownerRect);
    GetWindowRect(dialog, &own);
    const LONG right = (ownerRect.right - ownerRect.left) / 2 - (own.right - own.left) / 2;
    const LONG down = (ownerRect.bottom - ownerRect.top) / 2 - (own.bottom - own.top) / 2;
    SetWindowPos(dialog, nullptr, ownerRect.left + right, ownerRect.top + down, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace app
