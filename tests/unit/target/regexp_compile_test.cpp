#include <gtest/gtest.h>

#include <string>

#include "platform/recording/recording_platform.h"
#include "target/regexp.h"

namespace keystrip {
namespace {

std::string Times(int count, const std::string& piece) {
    std::string text;
    for (int i = 0; i < count; ++i) text += piece;
    return text;
}

struct CompileCase {
    std::string what;
    std::string pattern;
    bool compiles;
};

const LeadByteSet kCodePage932({{0x81, 0x9f}, {0xe0, 0xfc}});

void ExpectCompiles(const std::vector<CompileCase>& cases, const LeadByteSet& leadBytes) {
    for (const CompileCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(TRegexp(c.pattern, leadBytes).Compiled(), c.compiles);
    }
}

TEST(RegexpCompile, DialectTable) {
    ExpectCompiles(
        {
            {"*a", "*a", false},
            {"^*", "^*", false},
            {"a**", "a**", false},
            {"127 plain characters", Times(127, "a"), true},
            {"128 plain characters", Times(128, "a"), false},
            {"110 plain characters and a class", Times(110, "a") + "[x]", true},
            {"111 plain characters and a class", Times(111, "a") + "[x]", false},
            {"seven classes", Times(7, "[x]"), true},
            {"eight classes", Times(8, "[x]"), false},
        },
        LeadByteSet());
}

TEST(RegexpCompile, FailsOnEmptyAndMisplacedRepetitions) {
    ExpectCompiles(
        {
            {"empty", "", false},
            {"newline first", "\nabc", false},
            {"plus first", "+a", false},
            {"question mark first", "?a", false},
            {"two operators", "a*?", false},
            {"plus after start anchor", "^+a", false},
            {"operator after a class", "[ab]+", true},
            {"operator after any", ".?", true},
            {"operator after an escape", R"(\t*)", true},
            {"rest after a newline ignored", "a\n**", true},
            {"zero byte ends the pattern", std::string("a\0**", 4), true},
            {"zero byte first", std::string("\0a", 2), false},
            {"operators inside a class", "[*+?]", true},
        },
        LeadByteSet());
}

TEST(RegexpCompile, ElementSizesCountAgainst128Units) {
    ExpectCompiles(
        {
            {"literal from 128 up: 2 units, 63 fit", Times(63, "\xe9"), true},
            {"literal from 128 up: 2 units, 64 do not", Times(64, "\xe9"), false},
            {"escaped literal from 128 up", Times(62, "\xe9") + R"(\xe9z)", true},
            {"escaped literal from 128 up, one more", Times(63, "\xe9") + R"(\xe9)", false},
            {"repetition: 1 unit", Times(63, "a*") + "a", true},
            {"repetition: 1 unit, one more", Times(64, "a*"), false},
            {"anchors: 1 unit each", "^" + Times(125, "a") + "$", true},
            {"anchors: 1 unit each, one more", "^" + Times(126, "a") + "$", false},
            {"any character: 1 unit", Times(127, "."), true},
            {"any character: 1 unit, one more", Times(128, "."), false},
            {"literal $ and ^ inside", "a^" + Times(124, "b") + "$", true},
            {"negated class: 17 units", Times(7, "[^x]") + Times(8, "a"), true},
            {"negated class: 17 units, one more", Times(7, "[^x]") + Times(9, "a"), false},
            {"unclosed class: 17 units", Times(110, "a") + "[", true},
            {"unclosed class: 17 units, one more", Times(111, "a") + "[", false},
            {"a newline ends the pattern", Times(127, "a") + "\n" + Times(10, "a"), true},
        },
        LeadByteSet());
}

TEST(RegexpCompile, DoubleByteLiteralSizes) {
    ExpectCompiles(
        {
            {"trail below 128: 3 units",
             Times(124, "a") + "\x82"
                               "A",
             true},
            {"trail below 128: 3 units, one more",
             Times(125, "a") + "\x82"
                               "A",
             false},
            {"trail from 128 up: 4 units", Times(123, "a") + "\x82\xa0", true},
            {"trail from 128 up: 4 units, one more", Times(124, "a") + "\x82\xa0", false},
            {"repeated double-byte literal",
             Times(123, "a") + "\x82"
                               "A*",
             true},
            {"lead byte at the end: 2 units", Times(125, "a") + "\x82", true},
            {"lead byte at the end: 2 units, one more", Times(126, "a") + "\x82", false},
            {"trail byte is a repetition operator", "\x82*", true},
        },
        kCodePage932);
}

// The double-byte rule needs the platform's lead bytes; they are read once.
TEST(RegexpCompile, ReadsLeadBytesFromThePlatformOnce) {
    recording::RecordingPlatform platform;
    InstallPlatform(platform.Services());
    ForgetCodePageLeadBytes();
    EXPECT_EQ(TRegexp(".$").Search("\x82\xa0"), 1u);

    platform.UseCodePage932();
    EXPECT_EQ(TRegexp(".$").Search("\x82\xa0"), 1u) << "the code page is read only once";
    ForgetCodePageLeadBytes();
    TRegexp regexp(".$");
    EXPECT_EQ(regexp.Search("\x82\xa0"), 0u);
    regexp = "\x82\xa0";
    EXPECT_EQ(regexp.Search("\x82\x82\xa0"), std::nullopt);

    ForgetCodePageLeadBytes();
    InstallPlatform(Platform{});
}

}  // namespace
}  // namespace keystrip
