#include "app/resources_win.h"

#include <algorithm>

#include "app/resource_order.h"
#include "app/shell_state_win.h"

namespace app {

namespace {

struct LockedResource {
    const unsigned char* bytes = nullptr;
    size_t size = 0;
};

// The first language of the lookup order that holds the resource, loaded and locked.
LockedResource findResource(const wchar_t* type, UINT id) {
    const ShellState& state = shellState();
    const LanguageOrder order = resourceLanguageOrder(state.uiLanguageForced, state.uiLanguage);
    for (size_t i = 0; i < order.count; ++i) {
        HRSRC found =
            FindResourceExW(state.instance, type, MAKEINTRESOURCEW(id), order.languages[i]);
        if (found == nullptr) continue;
        HGLOBAL loaded = LoadResource(state.instance, found);
        const void* locked = loaded == nullptr ? nullptr : LockResource(loaded);
        if (locked == nullptr) return {};
        return {static_cast<const unsigned char*>(locked), SizeofResource(state.instance, found)};
    }
    return {};
}

}  // namespace

int loadResourceString(UINT id, wchar_t* buffer, int capacity) {
    if (buffer == nullptr || capacity <= 0) return 0;
    buffer[0] = L'\0';
    const LockedResource block = findResource(RT_STRING, stringBlockOf(id));
    if (block.bytes == nullptr) return 0;
    const std::u16string entry = stringTableEntry(block.bytes, block.size, id);
    const size_t kept = keptLength(entry.size(), static_cast<size_t>(capacity));
    std::copy_n(entry.begin(), kept, buffer);
    buffer[kept] = L'\0';
    return static_cast<int>(kept);
}

std::wstring loadResourceString(UINT id) {
    wchar_t buffer[256];
    const int length = loadResourceString(id, buffer, 256);
    return std::wstring(buffer, static_cast<size_t>(length));
}

INT_PTR runResourceDialog(UINT templateId, HWND owner, DLGPROC procedure) {
    const LockedResource dialog = findResource(RT_DIALOG, templateId);
    if (dialog.bytes == nullptr) return -1;
    return DialogBoxIndirectParamW(shellState().instance,
                                   reinterpret_cast<LPCDLGTEMPLATEW>(dialog.bytes), owner,
                                   procedure, 0);
}

HWND createResourceDialog(UINT templateId, HWND parent, DLGPROC procedure) {
    const LockedResource dialog = findResource(RT_DIALOG, templateId);
    if (dialog.bytes == nullptr) return nullptr;
    return CreateDialogIndirectParamW(shellState().instance,
                                      reinterpret_cast<LPCDLGTEMPLATEW>(dialog.bytes), parent,
                                      procedure, 0);
}

}  // namespace app
