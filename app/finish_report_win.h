// The end-of-job message on screen: the lines of the report with their strings loaded in the UI
// language and the system's words for errors filled in.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/finish_report.h"

namespace app {

// The message's text; empty when there are no lines.
std::wstring finishReportText(const std::vector<MessageLine>& lines);

// Shows the message, if there is one, in a warning box owned by `dialog` with its title. With
// `outputsAsked` (the job's files, when the user asked to see the outputs) it also says where
// they went and opens their folder when the user answers yes.
void showFinishReport(HWND dialog, const std::vector<MessageLine>& lines,
                      const std::vector<run::FileResult>* outputsAsked = nullptr);

}  // namespace app
