// clang-format off
#include "app/conversion_job_win.h"
#include <commctrl.h>
// clang-format on

#include <memory>
#include <utility>
#include <vector>

#include "app/conversion_control_rules.h"
#include "app/conversion_job.h"
#include "app/file_selection_pane_win.h"
#include "app/finish_report_win.h"
#include "app/output_choice_rules.h"
#include "app/resources/resource_ids.h"
#include "app/shell_state_win.h"
#include "app/signal_choice.h"
#include "app/window_messages.h"
#include "decode/decoding_setup.h"
#include "run/batch.h"
#include "run/frame_export.h"
#include "tables/table_options.h"

namespace app {

namespace {

struct JobState {
    ConversionJob job;
    // The decoding of the job in hand; its databases stay put while the job runs.
    std::unique_ptr<decode::DecodingSetup> decoding;
    bool pending = false;        // started; its end message has not been handled yet
    bool closeWhenDone = false;  // the window was closed during the job
};

std::unique_ptr<JobState> g_job;

void applyControlStates(HWND dialog, const MainControlStates& states) {
    const ShellState& shell = shellState();
    EnableWindow(GetDlgItem(dialog, IDC_FOLDER_BROWSE), states.folderButton);
    if (shell.fileSelectionPane != nullptr)
        EnableWindow(shell.fileSelectionPane, states.fileSelectionPane);
    EnableWindow(GetDlgItem(dialog, IDC_SIGNAL_LINE), states.signalLine);
    if (shell.conversionSettingPane != nullptr) {
        EnableWindow(shell.conversionSettingPane, states.conversionSettingPane);
    }
    EnableWindow(GetDlgItem(dialog, IDC_DBC_BROWSE), states.dbcButton);
    EnableWindow(GetDlgItem(dialog, IDC_DBC_PER_CHANNEL), states.dbcButton);
    EnableWindow(GetDlgItem(dialog, IDC_DBC_BROWSE_CH2),
                 states.dbcButton && shell.output.dbcPerChannel);
    EnableWindow(GetDlgItem(dialog, IDC_LIST_CAN_LOGS), states.fileSelectionPane);
    HWND start = GetDlgItem(dialog, IDC_START);
    HWND stop = GetDlgItem(dialog, IDC_STOP);
    EnableWindow(start, states.startEnabled);
    ShowWindow(stop, states.stopVisible ? SW_SHOW : SW_HIDE);
    ShowWindow(start, states.startVisible ? SW_SHOW : SW_HIDE);
    SendMessageW(dialog, DM_SETDEFID, static_cast<WPARAM>(states.defaultButton), 0);
    SetFocus(GetDlgItem(dialog, states.defaultButton));
}

int64_t currentSelectedCount() {
    HWND pane = shellState().fileSelectionPane;
    if (pane == nullptr) return 0;
    return SendDlgItemMessageW(pane, IDC_FILE_LIST, LVM_GETSELECTEDCOUNT, 0, 0);
}

JobCallbacks postingCallbacks(HWND dialog) {
    JobCallbacks callbacks;
    callbacks.progress = [dialog](int32_t position) {
        PostMessageW(dialog, WM_APP_PROGRESS, static_cast<WPARAM>(position), 0);
    };
    callbacks.done = [dialog](int32_t result) {
        PostMessageW(dialog, WM_APP_DONE, static_cast<WPARAM>(static_cast<uint32_t>(result)), 0);
    };
    return callbacks;
}

// Every frame into a CAN log, without a database.
run::FileConversion exportConversion(settings::OutputKind format) {
    auto exporter =
        std::make_shared<run::FrameExporter>(exportOptions(conversionSettings(), format));
    return [exporter](const run::Path& input, const run::Path& output) {
        return exporter->exportFile(input, output);
    };
}

// A table through the databases in force and the signals chosen from the first of them; with
// neither a second database nor a choice, exactly the one database of before.
run::FileConversion tableConversion(JobState& job) {
    const ShellState& shell = shellState();
    const settings::OutputSettings& output = shell.output;
    const dbc::CanDatabase* ch1 = shell.dbcLoaded ? shell.database.get() : nullptr;
    const dbc::CanDatabase* ch2 = !output.dbcPerChannel ? ch1
                                  : shell.dbcLoadedCh2  ? shell.databaseCh2.get()
                                                        : nullptr;
    const std::wstring& choicePath = ch1 != nullptr ? shell.dbcPath : shell.dbcPathCh2;
    decode::SelectionRequest selection;
    if (output.signalsDatabase == std::u16string(choicePath.begin(), choicePath.end())) {
        selection = selectionOfStoredList(output.signals);
    }
    uint64_t period = 0;
    if (!periodFromEdit(periodEditText(output.resamplePeriod), period)) period = 0;
    const tables::ConversionOptions options = tableOptions(conversionSettings(), output, period);
    if (ch1 != nullptr && ch2 == ch1 && selection.empty()) {
        job.decoding.reset();
        return run::makeFileConversion(*ch1, options);
    }
    std::vector<std::string> unmatched;  // names of a database changed since they were chosen
    job.decoding = std::make_unique<decode::DecodingSetup>(ch1, ch2, selection, false, unmatched);
    return run::makeFileConversion(job.decoding->decoding(), options);
}

}  // namespace

void createConversionJobState() { g_job = std::make_unique<JobState>(); }

void destroyConversionJobState() {
    abandonConversion();
    g_job.reset();
}

bool conversionRunning() { return g_job != nullptr && g_job->job.running(); }

void startConversion(HWND dialog) {
    if (g_job == nullptr || g_job->pending || g_job->job.running()) return;
    // The paths are taken now: the worker never has to ask this thread for anything.
    std::vector<run::Path> inputs = selectedFilePaths(shellState().fileSelectionPane);
    applyControlStates(dialog, mainControlStates(true, static_cast<int64_t>(inputs.size())));
    HWND progress = GetDlgItem(dialog, IDC_PROGRESS);
    SendMessageW(progress, PBM_SETPOS, 0, 0);
    SendMessageW(progress, PBM_SETRANGE32, 0, static_cast<LPARAM>(2 * inputs.size()));
    g_job->pending = true;
    g_job->closeWhenDone = false;
    const settings::OutputKind format = shellState().output.format;
    run::FileConversion convertOne =
        settings::isTableOutput(format) ? tableConversion(*g_job) : exportConversion(format);
    // Even a worker that cannot be created posts its end message.
    g_job->job.start(std::move(inputs), std::move(convertOne), postingCallbacks(dialog),
                     outputNaming(format));
}

void stopConversion(HWND dialog) {
    if (g_job == nullptr || !g_job->pending) return;
    g_job->job.requestStop();
    EnableWindow(GetDlgItem(dialog, IDC_STOP), FALSE);
}

bool stopConversionToClose(HWND dialog) {
    if (g_job == nullptr || !g_job->pending) return false;
    g_job->closeWhenDone = true;
    stopConversion(dialog);
    return true;
}

bool finishConversion(int32_t result, HWND dialog) {
    if (g_job == nullptr || !g_job->pending) return false;
    // The worker posted its end message as its last act: this wait is short.
    g_job->job.join();
    g_job->pending = false;
    if (g_job->closeWhenDone) return true;
    showFinishReport(dialog, finishReport(result, g_job->job.inputs(), g_job->job.results()),
                     shellState().output.openFolder ? &g_job->job.results() : nullptr);
    SendDlgItemMessageW(dialog, IDC_PROGRESS, PBM_SETPOS, 0, 0);
    EnableWindow(GetDlgItem(dialog, IDC_STOP), TRUE);
    applyControlStates(dialog, mainControlStates(false, currentSelectedCount()));
    return false;
}

void abandonConversion() {
    if (g_job == nullptr) return;
    g_job->job.requestStop();
    g_job->job.join();
}

}  // namespace app
