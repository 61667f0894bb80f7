#include "skin/resource_str_data.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(ResourceStrData, StartsWithTheEnglishStrings) {
    const TspResourceStrData strings;
    EXPECT_EQ(strings.CharSet, 1);
    EXPECT_EQ(strings.GetResStr("MI_CLOSECAPTION"), "&Close");
    EXPECT_EQ(strings.GetResStr("MI_MINTOTRAYCAPTION"), "Minimize to &Tray");
    EXPECT_EQ(strings.GetResStr("MENUBUTTON_HINT"), "System menu");
    EXPECT_EQ(strings.GetResStr("ROLLUPBUTTON_HINT"), "Roll Up");
}

TEST(ResourceStrData, NamesMatchWithoutCaseAndTheFirstLineWins) {
    TspResourceStrData strings;
    strings.ResStrings = {"CloseButton_Hint=Закрыть", "CLOSEBUTTON_HINT=second", "EMPTY=", "noequals"};
    EXPECT_EQ(strings.GetResStr("closebutton_hint"), "Закрыть");
    EXPECT_EQ(strings.GetResStr("EMPTY"), "");
    EXPECT_EQ(strings.GetResStr("noequals"), "");
    EXPECT_EQ(strings.GetResStr("MI_CLOSECAPTION"), "");
}

TEST(ResourceStrData, ValuesKeepLaterEqualsSigns) {
    TspResourceStrData strings;
    strings.ResStrings = {"A=b=c"};
    EXPECT_EQ(strings.GetResStr("a"), "b=c");
}

}  // namespace
}  // namespace skin
