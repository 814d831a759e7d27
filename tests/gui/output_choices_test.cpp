// The output, table, signal, database and listing choices of the main dialog, driven in-process
// in both languages: their texts, what they grey, the "Signals..." dialog and its filter, and
// every choice kept in txtcvt.ini for the next start.
// clang-format off
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <string>
#include <vector>

#include "app/resources/resource_ids.h"
#include "tests/gui/conversion_test_support.h"
#include "tests/gui/gui_captures.h"
#include "tests/gui/in_process_program.h"
#include "tests/gui/output_choices_support.h"
#include "tests/gui/running_program.h"
#include "tests/support/test_paths.h"

namespace {

using namespace gui_testing;
namespace fs = std::filesystem;

struct ChoiceTexts {
    const wchar_t* option;
    std::vector<std::wstring> formats;
    std::vector<std::wstring> tables;
    std::wstring unselected;
    std::wstring signalCaption;
    std::wstring signalCount;  // of the example database, all chosen
};

const ChoiceTexts kEnglish{
    L"-l1033",
    {L"CSV", L"Excel workbook", L"CAN log: ASC", L"CAN log: BLF", L"CAN log: candump"},
    {L"One line per value", L"One column per signal", L"Columns, last value",
     L"Resampled (period)"},
    L"Unselected",
    L"Signals to convert",
    L"21 of 21 signals chosen"};
const ChoiceTexts kJapanese{
    L"-l1041",
    {L"CSV", L"Excelブック", L"CANログ: ASC", L"CANログ: BLF", L"CANログ: candump"},
    {L"値ごとに1行", L"信号ごとに1列", L"直前値を保持", L"一定周期ごと"},
    L"未選択",
    L"変換する信号",
    L"21 個中 21 個の信号を選択"};

// The pane's controls that an output greys, in one picture.
struct Greyed {
    bool timestamp, columns, delimiter, additional, table, period, signals;
    bool operator==(const Greyed&) const = default;
};

Greyed greyedOf(HWND main) {
    return {!enabled(main, IDC_TIMESTAMP),   !enabled(main, IDC_PRINT_CH),
            !enabled(main, IDC_DELIMITER),   !enabled(main, IDC_CSV_ADDITIONAL),
            !enabled(main, IDC_TABLE_SHAPE), !enabled(main, IDC_RESAMPLE_PERIOD),
            !enabled(main, IDC_SIGNALS)};
}

std::ostream& operator<<(std::ostream& out, const Greyed& g) {
    return out << g.timestamp << g.columns << g.delimiter << g.additional << g.table << g.period
               << g.signals;
}

TEST(OutputChoices, ShowTheirTextsAndGreyWhatTheOutputDoesNotUse) {
    testing_support::ScratchDir scratch("gui-output-greyed");
    writeCapture(scratch / "a.DT", 5, 1);
    for (const ChoiceTexts* texts : {&kEnglish, &kJapanese}) {
        fs::remove(scratch / "settings.ini");  // each language starts untouched
        InProcessProgram program(programArguments(scratch, texts->option));
        ASSERT_NE(program.mainWindow(), nullptr);
        HWND main = program.mainWindow();
        HWND format = findControl(main, IDC_OUTPUT_FORMAT);
        EXPECT_EQ(comboItems(format), texts->formats);
        EXPECT_EQ(comboItems(findControl(main, IDC_TABLE_SHAPE)), texts->tables);
        // Untouched: the CSV of before, nothing new chosen.
        EXPECT_EQ(SendMessageW(format, CB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(SendMessageW(findControl(main, IDC_TABLE_SHAPE), CB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(windowText(findControl(main, IDC_RESAMPLE_PERIOD)), L"100");
        EXPECT_EQ(windowText(GetDlgItem(main, IDC_DBC_FILE_CH2)), texts->unselected);
        EXPECT_FALSE(checked(main, IDC_DBC_PER_CHANNEL) || checked(main, IDC_LIST_CAN_LOGS) ||
                     checked(main, IDC_OPEN_FOLDER));
        EXPECT_FALSE(enabled(main, IDC_DBC_BROWSE_CH2));
        EXPECT_TRUE(enabled(main, IDC_DBC_PER_CHANNEL));
        EXPECT_EQ(greyedOf(main), (Greyed{false, false, false, false, false, true, true}));

        chooseListEntry(format, 1);  // a workbook: no delimiter, no character code
        EXPECT_EQ(greyedOf(main), (Greyed{false, false, true, true, false, true, true}));
        EXPECT_FALSE(enabled(main, IDC_CSV_SETTING));
        chooseListEntry(format, 3);  // a CAN log: no table at all
        EXPECT_EQ(greyedOf(main), (Greyed{true, true, true, true, true, true, true}));
        EXPECT_TRUE(enabled(main, IDC_OUTPUT_FORMAT));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main, IDC_SIGNAL_LINE)));
        chooseListEntry(format, 0);
        chooseDbcFile(program, exampleDbc());
        chooseListEntry(findControl(main, IDC_TABLE_SHAPE), 3);
        EXPECT_EQ(greyedOf(main), (Greyed{false, false, false, false, false, false, false}));

        // While a job runs the whole pane is greyed, the new choices with it.
        click(main, IDC_DBC_PER_CHANNEL);
        EXPECT_TRUE(enabled(main, IDC_DBC_BROWSE_CH2));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main, IDC_DBC_FILE_CH2)));
        click(main, IDC_DBC_PER_CHANNEL);
        EXPECT_FALSE(enabled(main, IDC_DBC_BROWSE_CH2));
        EXPECT_EQ(program.close(), 0);
    }
}

TEST(OutputChoices, TheSignalDialogFiltersAndKeepsTheChoiceWithItsDatabase) {
    testing_support::ScratchDir scratch("gui-output-signals");
    for (const ChoiceTexts* texts : {&kEnglish, &kJapanese}) {
        fs::remove(scratch / "settings.ini");  // each language starts with every signal
        InProcessProgram program(programArguments(scratch, texts->option));
        ASSERT_NE(program.mainWindow(), nullptr);
        EXPECT_EQ(openSignalDialog(program), nullptr);  // no database: the button is greyed
        chooseDbcFile(program, exampleDbc());
        HWND dialog = openSignalDialog(program);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(windowText(dialog), texts->signalCaption);
        RECT owner{}, own{};
        GetWindowRect(program.mainWindow(), &owner);
        GetWindowRect(dialog, &own);
        EXPECT_NEAR((own.left + own.right) / 2, (owner.left + owner.right) / 2, 1);
        EXPECT_NEAR((own.top + own.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
        HWND list = GetDlgItem(dialog, IDC_SIGNAL_LIST);
        HWND filter = GetDlgItem(dialog, IDC_SIGNAL_FILTER);
        EXPECT_EQ(listColumn(list, 0).size(), 21u);
        EXPECT_EQ(windowText(GetDlgItem(dialog, IDC_SIGNAL_COUNT)), texts->signalCount);

        // The command line's wildcards: a signal, Message.Signal or a message.
        typeText(filter, L"Engine*");
        EXPECT_EQ(listColumn(list, 1),
                  (std::vector<std::wstring>{L"EngineSpeed", L"CoolantTemp", L"ThrottlePos",
                                             L"EngineTorque", L"EngineMode", L"ActualTorque",
                                             L"EngineRpm"}));
        typeText(filter, L"*.Oil????");
        EXPECT_EQ(listColumn(list, 0), (std::vector<std::wstring>{L"Transmission"}));
        typeText(filter, L"speed");
        EXPECT_TRUE(listColumn(list, 0).empty());

        // "None" of everything greys OK; three signals found by the filter and ticked.
        typeText(filter, L"");
        SendMessageW(GetDlgItem(dialog, IDC_SIGNAL_NONE), BM_CLICK, 0, 0);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
        for (const wchar_t* name : {L"EngineSpeed", L"Speed", L"Diagnostics.Oil*"}) {
            typeText(filter, name);
            ASSERT_EQ(listColumn(list, 0).size(), 1u) << name;
            setRowChecked(list, 0, true);
        }
        typeText(filter, L"*Speed");
        EXPECT_EQ(listColumn(list, 1).size(), 3u);  // VehicleSpeed.Acceleration too
        EXPECT_TRUE(rowChecked(list, 0) && rowChecked(list, 1) && !rowChecked(list, 2));
        SendMessageW(GetDlgItem(dialog, IDC_SIGNAL_ALL), BM_CLICK, 0, 0);  // the rows shown
        EXPECT_TRUE(rowChecked(list, 2));
        setRowChecked(list, 2, false);
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
        closeDialog(dialog, IDOK);
        EXPECT_EQ(program.close(), 0);
    }
}

std::wstring profileValue(const fs::path& file, const wchar_t* key) {
    wchar_t value[300] = {};
    GetPrivateProfileStringW(L"txtcvtOutput", key, L"<missing>", value, 300,
                             file.wstring().c_str());
    return value;
}

TEST(OutputChoices, AreKeptAcrossARestart) {
    testing_support::ScratchDir scratch("gui-output-restart");
    const fs::path ini = scratch / "settings.ini";
    {
        InProcessProgram program(programArguments(scratch));
        ASSERT_NE(program.mainWindow(), nullptr);
        EXPECT_EQ(program.close(), 0);
        // Untouched, the file holds the fourteen keys of before and nothing else.
        EXPECT_EQ(profileValue(ini, L"outputFormat"), L"<missing>");
        EXPECT_EQ(testing_support::readFileBytes(ini).find("txtcvtOutput"), std::string::npos);
    }
    {
        InProcessProgram program(programArguments(scratch));
        ASSERT_NE(program.mainWindow(), nullptr);
        HWND main = program.mainWindow();
        chooseDbcFile(program, exampleDbc());
        chooseListEntry(findControl(main, IDC_OUTPUT_FORMAT), 1);
        chooseListEntry(findControl(main, IDC_TABLE_SHAPE), 3);
        typeText(findControl(main, IDC_RESAMPLE_PERIOD), L"250");
        click(main, IDC_OPEN_FOLDER);
        click(main, IDC_LIST_CAN_LOGS);
        click(main, IDC_DBC_PER_CHANNEL);
        HWND dialog = openSignalDialog(program);
        ASSERT_NE(dialog, nullptr);
        typeText(GetDlgItem(dialog, IDC_SIGNAL_FILTER), L"Battery*");
        SendMessageW(GetDlgItem(dialog, IDC_SIGNAL_NONE), BM_CLICK, 0, 0);
        closeDialog(dialog, IDOK);
        EXPECT_EQ(program.close(), 0);
    }
    EXPECT_EQ(profileValue(ini, L"outputFormat"), L"Excel");
    EXPECT_EQ(profileValue(ini, L"table"), L"resampled");
    EXPECT_EQ(profileValue(ini, L"resamplePeriod"), L"250ms");
    EXPECT_EQ(profileValue(ini, L"openFolder"), L"True");
    EXPECT_EQ(profileValue(ini, L"inputFiles"), L"CAN logs");
    EXPECT_EQ(profileValue(ini, L"dbcPerChannel"), L"True");
    EXPECT_EQ(fs::path(profileValue(ini, L"signalsDatabase")), exampleDbc());
    EXPECT_EQ(profileValue(ini, L"signals"),
              L"EngineData.*,CellVoltages.*,VehicleSpeed.*,Transmission.*,Diagnostics.*,"
              L"EngineController.*");

    InProcessProgram again(programArguments(scratch));
    ASSERT_NE(again.mainWindow(), nullptr);
    HWND main = again.mainWindow();
    EXPECT_EQ(SendMessageW(findControl(main, IDC_OUTPUT_FORMAT), CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendMessageW(findControl(main, IDC_TABLE_SHAPE), CB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(windowText(findControl(main, IDC_RESAMPLE_PERIOD)), L"250");
    EXPECT_TRUE(checked(main, IDC_OPEN_FOLDER) && checked(main, IDC_LIST_CAN_LOGS) &&
                checked(main, IDC_DBC_PER_CHANNEL));
    EXPECT_TRUE(enabled(main, IDC_RESAMPLE_PERIOD));
    EXPECT_FALSE(enabled(main, IDC_DELIMITER));
    // The same database again: the dialog starts with the choice kept for it.
    chooseDbcFile(again, exampleDbc());
    HWND dialog = openSignalDialog(again);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(windowText(GetDlgItem(dialog, IDC_SIGNAL_COUNT)), L"19 of 21 signals chosen");
    typeText(GetDlgItem(dialog, IDC_SIGNAL_FILTER), L"Pack*");
    HWND list = GetDlgItem(dialog, IDC_SIGNAL_LIST);
    ASSERT_EQ(listColumn(list, 0).size(), 2u);
    EXPECT_FALSE(rowChecked(list, 0) || rowChecked(list, 1));
    closeDialog(dialog, IDCANCEL);
    EXPECT_EQ(again.close(), 0);
}

}  // namespace
