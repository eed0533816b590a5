#include "platform/profile/profile_text.h"

#include <gtest/gtest.h>

namespace keystrip::profile {
namespace {

TEST(ProfileText, FindsValuesByTheWindowsRules) {
    const std::string text =
        "; comment\r\n[Keystrip]\r\n  title =  Bar  \r\n[button1]\r\nInsertText=\"quoted\"\r\n"
        "Caption='x'\r\nHint=\"half\r\n[BUTTON1]\r\nCaption=second\r\n[Keystrip]\r\nSleep=5\r\n";
    EXPECT_EQ(FindValue(text, "KEYSTRIP", "Title"), "Bar");
    EXPECT_EQ(FindValue(text, "Button1", "insertText"), "quoted");
    EXPECT_EQ(FindValue(text, "Button1", "Caption"), "x");
    EXPECT_EQ(FindValue(text, "Button1", "Hint"), "\"half");
    EXPECT_EQ(FindValue(text, "Keystrip", "Sleep"), std::nullopt);  // only the first section counts
    EXPECT_EQ(FindValue(text, "Missing", "Title"), std::nullopt);
    EXPECT_EQ(FindValue(text, "Keystrip", "; comment"), std::nullopt);
}

TEST(ProfileText, WritesKeepEveryOtherByte) {
    const std::string text = "; head\n\n[A]\nx = 1 \n\n[B]\ny=2\n";
    EXPECT_EQ(WithValue(text, "a", "X", "9"), "; head\n\n[A]\nx = 9 \n\n[B]\ny=2\n");
    EXPECT_EQ(WithValue(text, "A", "z", "3"), "; head\n\n[A]\nx = 1 \nz=3\n\n[B]\ny=2\n");
    EXPECT_EQ(WithValue(text, "C", "k", "v"), "; head\n\n[A]\nx = 1 \n\n[B]\ny=2\n[C]\nk=v\n");
    EXPECT_EQ(WithValue("[A]\r\nx=1", "B", "k", "v"), "[A]\r\nx=1\r\n[B]\r\nk=v\r\n");
    EXPECT_EQ(WithValue("", "S", "k", "v"), "[S]\nk=v\n");
}

}  // namespace
}  // namespace keystrip::profile
