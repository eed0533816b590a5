#include "platform/profile/profile_text.h"

#include <gtest/gtest.h>

namespace keystrip::profile {
namespace {

using namespace std::string_literals;

TEST(ProfileText, FindsValuesByTheWindowsRules) {
    const std::string text =
        "top=before any section\r\n"
        "; comment\r\n[Keystrip]\r\n  title =  Bar  \r\n\tKey One\t=\tspaced names \r\n;Sleep=1\r\n"
        "  ;Hint=2\r\nno equals sign\r\nEq=a=b\r\nEmpty=\r\nTitle=second key\r\n"
        "[ button1 ] trailing\r\nInsertText=\"quoted\"\r\nCaption='x'\r\nHint=\"half\r\nMixed=\"x'\r\n"
        "Blanks= \" y \" \r\nQuote=\"\r\nPair=\"\"\r\n[Open\r\nOpen=belongs to the section before\r\n"
        "[BUTTON1]\r\nDestination=second section\r\n[Keystrip]\r\nSleep=5\r\n"
        "[Lf]\nA=1\n\n\nB=2\n[Cr]\rA=3\rB=4\r\r[CrLf]\r\nA=5\r\n"
        "[Nul]\r\nA=12\0xyz\r\nB=\"\0\"\r\n[Last]] x\r\nK=\v\f1\f\r\n"s;
    struct Case {
        const char* section;
        const char* key;
        std::optional<std::string> value;
    } cases[] = {
        {"KEYSTRIP", "Title", "Bar"},
        {" Keystrip ", " TITLE ", "Bar"},
        {"Keystrip", "key one", "spaced names"},
        {"Keystrip", "Sleep", std::nullopt},  // a comment, and the second [Keystrip] does not count
        {"Keystrip", ";Sleep", std::nullopt},
        {"Keystrip", "Hint", std::nullopt},
        {"Keystrip", "no equals sign", std::nullopt},
        {"Keystrip", "Eq", "a=b"},
        {"Keystrip", "Empty", ""},
        {"", "top", "before any section"},
        {"Button1", "InsertText", "quoted"},
        {"Button1", "Caption", "x"},
        {"Button1", "Hint", "\"half"},
        {"Button1", "Mixed", "\"x'"},
        {"Button1", "Blanks", " y "},
        {"Button1", "Quote", "\""},
        {"Button1", "Pair", ""},
        {"Button1", "Destination", std::nullopt},
        {"Open", "Open", std::nullopt},
        {"Button1", "Open", "belongs to the section before"},
        {"Lf", "B", "2"},
        {"Cr", "A", "3"},
        {"Cr", "B", "4"},
        {"CrLf", "A", "5"},
        {"Nul", "A", "12"},
        {"Nul", "B", ""},
        {"Last]", "K", "1"},
        {"Last", "K", std::nullopt},
        {"Missing", "Title", std::nullopt},
        {"Keystrip", "; comment", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(FindValue(text, c.section, c.key), c.value);
    }
}

TEST(ProfileText, WritesKeepEveryOtherByte) {
    const std::string text = "; head\n\n[A]\nx = \"1\" \n; end of A\n\n[B]\ny=2\n[a]\nz=0\n";
    struct Case {
        std::string text;
        const char* section;
        const char* key;
        const char* value;
        std::string expected;
    } cases[] = {
        {text, "a", "X", "9", "; head\n\n[A]\nx = 9 \n; end of A\n\n[B]\ny=2\n[a]\nz=0\n"},
        {text, " A ", " z ", "3", "; head\n\n[A]\nx = \"1\" \n; end of A\nz=3\n\n[B]\ny=2\n[a]\nz=0\n"},
        {text, "C", "k", "v", text + "[C]\nk=v\n"},
        {text, "", "k", "v", "; head\nk=v\n" + text.substr(7)},
        {"[A]\r\nx=1\r\n\r\n[B]\r\n", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\n"},
        {"[A]\r\nx=1", "B", "k", "v", "[A]\r\nx=1\r\n[B]\r\nk=v\r\n"},
        {"[A]\r\nx=1", "A", "k", "v", "[A]\r\nx=1\r\nk=v\r\n"},
        {"[A]\rx=1\r", "A", "x", "22", "[A]\rx=22\r"},
        {"[A]\rx=1\r", "A", "k", "v", "[A]\rx=1\rk=v\r"},
        {"[A]", "A", "k", "v", "[A]\nk=v\n"},
        {"", "S", "k", "v", "[S]\nk=v\n"},
        {"[A]\nx=\n", "A", "x", "v", "[A]\nx=v\n"},
        {"[A]\nx=1\n", "A", "x", "", "[A]\nx=\n"},
        {"[Open\n[A]\n", "Open", "k", "v", "[Open\n[A]\n[Open]\nk=v\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " " + c.section + "/" + c.key);
        std::string written = WithValue(c.text, c.section, c.key, c.value);
        EXPECT_EQ(written, c.expected);
        EXPECT_EQ(FindValue(written, c.section, c.key), c.value);
    }
}

}  // namespace
}  // namespace keystrip::profile
