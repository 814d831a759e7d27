// Small helpers over dialog controls, shared by the main dialog and its panes.
#pragma once

#include <windows.h>

#include <initializer_list>

namespace app {

// Empties drop-down list `control` of `dialog`, adds the strings in order and selects `selection`.
void fillChoiceList(HWND dialog, int control, std::initializer_list<UINT> stringIds, int selection);

// Places `pane` at the top-left corner of the hidden placeholder `placeholderId` of `dialog`,
// after the placeholder in the z-order and so in the tab order.
void placeAtPlaceholder(HWND dialog, HWND pane, int placeholderId);

// Centres a dialog on its owner window. Measured from the owner's corner rather than from where
// the template put the dialog: that place is relative to the pane that opened it.
void centreOnOwner(HWND dialog);

// The rectangle of `control` in the client coordinates of its parent.
RECT rectInParent(HWND control);

}  // namespace app
