// Steps shared by the tests of the output, table, signal and database choices: clicks, typing,
// the "Signals..." dialog, a whole job, and txtcvt-cli run on the same files for comparison.
#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/gui/in_process_program.h"

namespace gui_testing {

bool checked(HWND main, int id);
bool enabled(HWND main, int id);
// A click on a button that opens nothing (BM_CLICK, waited for).
void click(HWND main, int id);
// Empties the edit and types `text` key by key, as its notifications tell its dialog.
void typeText(HWND edit, const wchar_t* text);

// Opens the "Signals..." dialog with its button; nullptr when it did not appear.
HWND openSignalDialog(const InProcessProgram& program);
// The check box of row `row` of a list view with check boxes, set as a click sets it.
void setRowChecked(HWND list, int row, bool checkedState);
bool rowChecked(HWND list, int row);
// Leaves the dialog with the button `id` (IDOK, IDCANCEL) and waits until it is gone.
void closeDialog(HWND dialog, int id);

// Starts the job with Start and waits for its end; the results reported ({} when it never
// ended).
std::vector<int32_t> runJob(const InProcessProgram& program);

// Runs txtcvt-cli with `arguments` (a command line after the program's name) in `folder`;
// its exit code, or -1 when it could not be started.
int runCli(const std::wstring& arguments, const std::filesystem::path& folder);

// A file name in double quotes for a command line.
std::wstring quoted(const std::filesystem::path& path);

}  // namespace gui_testing
