// The conversion job as the main dialog runs it: the selected files taken at Start, one worker
// thread, progress and the end reported by messages posted to the dialog.
#pragma once

#include <windows.h>

#include <cstdint>

namespace app {

// Prepares the job state of the main dialog (the worker's converters and output writer).
void createConversionJobState();
// Stops and waits for a running worker, then frees the job state.
void destroyConversionJobState();

// Disables the dialog's controls and starts the worker on the selected files; nothing when a
// job is running already.
void startConversion(HWND dialog);
// Stops and waits for the worker if there is one, reports `result` and restores the controls.
// Safe to run again for the worker's own end message after a stop.
void finishConversion(int32_t result, HWND dialog);
// Stops and waits for the worker without reporting anything, before the dialog goes away.
void abandonConversion();

bool conversionRunning();

}  // namespace app
