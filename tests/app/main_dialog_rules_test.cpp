#include "app/main_dialog_rules.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(MainDialogRules, TitleWithAndWithoutSuffix) {
    const std::wstring product = L"Text conversion [tessora V1.01]";
    EXPECT_EQ(mainWindowTitle(L"Text conversion", L"", product), product);
    EXPECT_EQ(mainWindowTitle(L"Text conversion", L"Bench 2", product),
              L"Text conversion - Bench 2");
    EXPECT_EQ(mainWindowTitle(L"テキスト変換", L"x", L"テキスト変換 [tessora V1.01]"),
              L"テキスト変換 - x");
    const std::wstring longCaption(250, L'c');
    const std::wstring cut = mainWindowTitle(longCaption, L"suffix", product);
    EXPECT_EQ(cut.size(), 255u);
    EXPECT_EQ(cut, longCaption + L" - su");
}

TEST(MainDialogRules, ChoiceIndices) {
    EXPECT_EQ(static_cast<int32_t>(channelsFromListIndex(0)), 0);
    EXPECT_EQ(static_cast<int32_t>(channelsFromListIndex(1)), 1);
    EXPECT_EQ(static_cast<int32_t>(channelsFromListIndex(2)), 2);
    EXPECT_EQ(static_cast<int32_t>(channelsFromListIndex(-1)), 0);  // no selection
    EXPECT_EQ(static_cast<int32_t>(channelsFromListIndex(3)), 0);
    EXPECT_EQ(listIndexOfChoice(2, 3), 2);
    EXPECT_EQ(listIndexOfChoice(3, 3), 0);
    EXPECT_EQ(listIndexOfChoice(-5, 3), 0);
}

}  // namespace
}  // namespace app
