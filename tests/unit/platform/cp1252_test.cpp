#include "platform/posix/cp1252.h"

#include <gtest/gtest.h>

namespace keystrip::cp1252 {
namespace {

TEST(Cp1252, ConvertsUtf8AndMarksWhatItLacks) {
    struct Case {
        const char* utf8;
        bool valid;
        const char* cp1252;
    } cases[] = {
        {"plain ASCII", true, "plain ASCII"},
        {"caf\xc3\xa9 \xc3\xbf \xc2\xa0", true, "caf\xe9 \xff \xa0"},
        {"\xe2\x82\xac \xe2\x80\x94 \xe2\x84\xa2 \xc5\xb8 \xcb\x9c", true, "\x80 \x97 \x99 \x9f \x98"},
        {"\xc2\x81\xc2\x8d\xc2\x8f\xc2\x90\xc2\x9d", true, "\x81\x8d\x8f\x90\x9d"},  // unassigned in 1252
        {"\xc2\x80 \xc2\x9f", true, "? ?"},                                          // C1 controls 1252 lacks
        {"\xc4\x81 \xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x98\x80", true, "? ?? ?"},
        {"\xef\xbf\xbf \xf4\x8f\xbf\xbf", true, "? ?"},
        {"\xc0\x80", false, "??"},            // overlong NUL
        {"\xe0\x80\xaf", false, "???"},       // overlong "/"
        {"\xed\xa0\x80", false, "???"},       // surrogate
        {"\xf4\x90\x80\x80", false, "????"},  // above U+10FFFF
        {"\xf5\x80\x80\x80", false, "????"},
        {"a\xc3", false, "a?"},  // cut short
        {"\xe2\x82 x", false, "?? x"},
        {"\x80", false, "?"},
        {"caf\xe9", false, "caf?"},  // 1252 bytes are no UTF-8
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(IsValidUtf8(c.utf8), c.valid);
        EXPECT_EQ(FromUtf8(c.utf8), c.cp1252);
    }
}

TEST(Cp1252, EveryByteSurvivesTheWayThereAndBack) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    std::string utf8 = ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(FromUtf8(utf8), all);
    EXPECT_EQ(ToUtf8("caf\xe9 \x80\x85"), "caf\xc3\xa9 \xe2\x82\xac\xe2\x80\xa6");
    EXPECT_EQ(ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

}  // namespace
}  // namespace keystrip::cp1252
