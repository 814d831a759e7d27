#include "app/conversion_control_rules.h"

#include <gtest/gtest.h>

#include "app/resources/resource_ids.h"

namespace app {
namespace {

TEST(ConversionControlRules, IdleAndConvertingStates) {
    const MainControlStates idleNone = mainControlStates(false, 0);
    EXPECT_TRUE(idleNone.startVisible);
    EXPECT_FALSE(idleNone.startEnabled);
    EXPECT_FALSE(idleNone.stopVisible);
    EXPECT_EQ(idleNone.defaultButton, IDC_START);
    for (bool on : {idleNone.folderButton, idleNone.fileSelectionPane, idleNone.signalLine,
                    idleNone.conversionSettingPane, idleNone.dbcButton}) {
        EXPECT_TRUE(on);
    }
    EXPECT_TRUE(mainControlStates(false, 3).startEnabled);

    const MainControlStates converting = mainControlStates(true, 3);
    EXPECT_FALSE(converting.startVisible);
    EXPECT_TRUE(converting.stopVisible);
    EXPECT_EQ(converting.defaultButton, IDC_STOP);
    for (bool on : {converting.folderButton, converting.fileSelectionPane, converting.signalLine,
                    converting.conversionSettingPane, converting.dbcButton}) {
        EXPECT_FALSE(on);
    }
}

TEST(ConversionControlRules, FinishMessageForEachResult) {
    struct Row {
        uint32_t result;
        unsigned message;
    };
    const Row rows[] = {
        {0, 0},
        {0x800704C7, 0},  // cancelled
        {0x8007000D, IDS_UNSUPPORTED_DATA},
        {0x80070032, IDS_UNSUPPORTED_DATA},
        {0x8007000E, IDS_CANNOT_CONVERT},
        {0x80070002, IDS_CANNOT_CONVERT},  // file not found
        {0xA007001C, IDS_CANNOT_CONVERT},  // output file: no space
        {0x80004005, IDS_CANNOT_CONVERT},  // no worker thread
        {0x800700CE, IDS_CANNOT_CONVERT},  // output path too long
        {1, IDS_CANNOT_CONVERT},           // positive values too
    };
    for (const Row& row : rows) {
        EXPECT_EQ(finishMessageId(static_cast<int32_t>(row.result)), row.message)
            << std::hex << row.result;
    }
}

TEST(ConversionControlRules, PaneChoices) {
    EXPECT_EQ(choiceFromListIndex(1), 1);
    EXPECT_EQ(choiceFromListIndex(2), 2);
    EXPECT_EQ(choiceFromListIndex(0), 0);
    EXPECT_EQ(choiceFromListIndex(-1), 0);
    EXPECT_EQ(choiceFromListIndex(3), 0);

    settings::ConversionSettings settings;
    EXPECT_EQ(columnSettingOf(settings, IDC_PRINT_CH), &settings.columns.channel);
    EXPECT_EQ(columnSettingOf(settings, IDC_PRINT_ID), &settings.columns.identifier);
    EXPECT_EQ(columnSettingOf(settings, IDC_PRINT_MSG), &settings.columns.message);
    EXPECT_EQ(columnSettingOf(settings, IDC_PRINT_ENUM), &settings.columns.description);
    EXPECT_EQ(columnSettingOf(settings, IDC_PRINT_UNIT), &settings.columns.unit);
    EXPECT_EQ(columnSettingOf(settings, IDC_PRINT_RAW), &settings.columns.rawData);
    EXPECT_EQ(columnSettingOf(settings, IDC_CSV_ADDITIONAL), nullptr);
    EXPECT_EQ(columnSettingOf(settings, IDC_DELIMITER), nullptr);

    EXPECT_TRUE(csvSettingButtonEnabled(true, true));
    EXPECT_FALSE(csvSettingButtonEnabled(false, true));
    EXPECT_FALSE(csvSettingButtonEnabled(true, false));

    EXPECT_EQ(delimiterFromEdit(u""), u"");
    EXPECT_EQ(delimiterFromEdit(u"\\t"), u"\\t");
    EXPECT_EQ(delimiterFromEdit(u"0123456789abcdefgh"), u"0123456789abcde");
}

}  // namespace
}  // namespace app
