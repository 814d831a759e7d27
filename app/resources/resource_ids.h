// Identifiers of the program's resources, shared by the resource scripts and the code.
#pragma once

// Dialog templates and the icon.
#define IDI_APP 106
#define IDD_MAIN 107
#define IDD_CONVERSION_PANE 117
#define IDD_FILE_PANE 121
#define IDD_CSV_SETTING 127

// Main dialog.
#define IDC_START 1001
#define IDC_STOP 1002
#define IDC_FOLDER 1003
#define IDC_FOLDER_BROWSE 1004
#define IDC_PROGRESS 1006
#define IDC_CVTBASE 1018
#define IDC_SIGNAL_LINE 1019
#define IDC_FSBASE 1040
#define IDC_DBC_FILE 1051
#define IDC_DBC_BROWSE 1052

// File selection pane.
#define IDC_FILE_LIST 1005
#define IDC_REFRESH 1007
#define IDC_SELECT_ALL 1008
#define IDC_SELECT_NONE 1009
#define IDC_SELECT_INVERSE 1011
#define IDC_FILE_FILTER 1013

// Conversion setting pane and the CSV additional setting dialog.
#define IDC_DELIMITER 1041
#define IDC_CSV_ADDITIONAL 1043
#define IDC_CSV_OUT_CODE 1045
#define IDC_CSV_LINEFEED 1046
#define IDC_CSV_SETTING 1049
#define IDC_TIMESTAMP 1053
#define IDC_PRINT_CH 1054
#define IDC_PRINT_ID 1055
#define IDC_PRINT_MSG 1056
#define IDC_PRINT_ENUM 1057
#define IDC_PRINT_UNIT 1058
#define IDC_PRINT_RAW 1059

// String table.
#define IDS_FOLDER_BROWSE_TITLE 106
#define IDS_COLUMN_NAME 107
#define IDS_COLUMN_SIZE 108
#define IDS_COLUMN_DATE 109
#define IDS_FILTER_DATA_FILES 110
#define IDS_FILTER_AUTO_SAVE 111
#define IDS_SIGNAL_LINE_BOTH 112
#define IDS_SIGNAL_LINE_CH1 113
#define IDS_SIGNAL_LINE_CH2 114
#define IDS_OUT_CODE_ASCII 128
#define IDS_OUT_CODE_UTF8 129
#define IDS_OUT_CODE_UTF8_BOM 130
#define IDS_LINEFEED_CRLF 131
#define IDS_LINEFEED_LF 132
#define IDS_LINEFEED_CR 133
#define IDS_CANNOT_CONVERT 137
#define IDS_UNSUPPORTED_DATA 139
#define IDS_MAIN_TITLE 140
#define IDS_UNSELECTED 150
#define IDS_SELECT_DBC_TITLE 151
#define IDS_NO_DBC_FILE 152
#define IDS_TIMESTAMP_NONE 153
#define IDS_TIMESTAMP_DATE_TIME 154
#define IDS_TIMESTAMP_ELAPSED 155

// The message at the end of a conversion job: a heading, one line per file with its reason, and
// the count of files left unnamed. %1 is the file's name in every reason.
#define IDS_REPORT_HEADING 160
#define IDS_REPORT_MORE 161
#define IDS_REASON_READ_FAILED 162
#define IDS_REASON_UNSUPPORTED 163
#define IDS_REASON_TOO_LARGE 164
#define IDS_REASON_OUT_OF_MEMORY 165
#define IDS_REASON_OUTPUT_FAILED 166
#define IDS_REASON_OUTPUT_NAME 167
#define IDS_REASON_SAME_OUTPUT 168
#define IDS_REASON_CUT_SHORT 169
#define IDS_REASON_OTHER 170
