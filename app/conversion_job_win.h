// The conversion job as the main dialog runs it: the selected files taken at Start, one worker
// thread, progress and the end reported by messages posted to the dialog. The dialog never
// waits for the worker while it converts: a stop or a close is a request, and the worker's end
// message finishes the job.
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
// Asks the worker to stop after its current file and returns at once; the stop button stays
// off until the worker's end message has finished the job.
void stopConversion(HWND dialog);
// Closing the window: as a stop, and the dialog is to end once the worker's end message has
// arrived. False when no job runs, so that the dialog may end now.
bool stopConversionToClose(HWND dialog);
// The worker's end message: waits for the ending worker, reports what became of the files
// (unless the window is being closed) and restores the controls. True when the dialog is to end
// now. An end message without a job does nothing.
bool finishConversion(int32_t result, HWND dialog);
// Stops and waits for the worker without reporting anything, before the dialog goes away.
void abandonConversion();

bool conversionRunning();

}  // namespace app
