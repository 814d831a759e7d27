// Steps shared by the in-process tests of the main dialog.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

#include "tests/gui/in_process_program.h"
#include "tests/support/test_paths.h"

namespace gui_testing {

// Frames of a capture that takes the worker a good while (well over the time the dialog needs
// to take a posted message), so that a stop or a close surely arrives during its conversion.
constexpr uint64_t kLargeCapture = 60000;

// Texts in `language` (English by default), settings in the scratch folder, the scratch folder
// listed.
std::wstring programArguments(const testing_support::ScratchDir& scratch,
                              const wchar_t* language = L"-l1033");

// scratch/<stem><number><extension>.
std::filesystem::path numbered(const testing_support::ScratchDir& scratch, const char* stem,
                               int number, const char* extension);

// Waits until the list holds `count` files, then selects them all with "Select all".
bool selectAllFiles(HWND main, int count);

// Picks `dbc` in the real open-file dialog of the DBC button and waits for the load to end.
void chooseDbcFile(const InProcessProgram& program, const std::filesystem::path& dbc);

// The program's main dialog with the example database loaded and all `files` selected.
bool readyToConvert(const InProcessProgram& program, int files);

// Waits for the message box owned by the main dialog, closes it and returns its message, or
// "<none>" when no box appeared.
std::wstring dismissMessageBox(const InProcessProgram& program);

// Waits until the job has reported its end and the start button is back.
bool waitUntilIdleAfter(const JobMessageRecorder& recorder, HWND main);

// Whether `window`'s thread takes a sent message within `timeout`: a window whose thread is
// blocked does not.
bool answersWithin(HWND window, std::chrono::milliseconds timeout);

// The enabled and visible states of the controls that a conversion locks.
struct ControlSnapshot {
    bool startVisible = false;
    bool stopVisible = false;
    bool folderButton = false;
    bool dbcButton = false;
    bool signalLine = false;
    bool fileFilter = false;
    bool selectInverse = false;
    bool delimiter = false;
    bool csvAdditional = false;
    bool csvSetting = false;
    bool operator==(const ControlSnapshot&) const = default;

    static ControlSnapshot of(HWND main);
    static ControlSnapshot converting();
    // Idle with files listed; "..." of the CSV settings off as "Additional setting" is.
    static ControlSnapshot idle();
};

std::ostream& operator<<(std::ostream& out, const ControlSnapshot& s);

}  // namespace gui_testing
