#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "target/regexp.h"

namespace keystrip {
namespace {

constexpr std::optional<std::size_t> kNoMatch = std::nullopt;

struct SearchCase {
    std::string pattern;  // as written in a configuration file
    std::string text;
    std::optional<std::size_t> expected;
};

const LeadByteSet kCodePage932({{0x81, 0x9f}, {0xe0, 0xfc}});

void ExpectSearches(const std::vector<SearchCase>& cases, const LeadByteSet& leadBytes) {
    for (const SearchCase& c : cases) {
        SCOPED_TRACE("pattern [" + c.pattern + "] text [" + c.text + "]");
        const TRegexp regexp(c.pattern, leadBytes);
        ASSERT_TRUE(regexp.Compiled());
        EXPECT_EQ(regexp.Search(c.text), c.expected);
    }
}

TEST(RegexpSearch, DialectTable) {
    ExpectSearches(
        {
            {"Editor", "Untitled - Editor", 11},
            {"^Editor", "Untitled - Editor", kNoMatch},
            {"Editor$", "Untitled - Editor", 11},
            {"editor", "Untitled - Editor", kNoMatch},
            {"^", "Untitled - Editor", 0},
            {"^", "", 0},
            {"$", "", 0},
            {"$", "abc", kNoMatch},
            {"c$", "abc", 2},
            {"a$", "a\nb", 0},
            {"x*", "abc", 0},
            {"x*", "", kNoMatch},
            {".*", "", kNoMatch},
            {"x*$", "abc", kNoMatch},
            {"a?ab", "ab", kNoMatch},
            {"a?ab", "aab", 0},
            {"a*ab", "ab", 0},
            {"a+ab", "ab", kNoMatch},
            {"a.", "a", kNoMatch},
            {"a[^x]", "a", kNoMatch},
            {"[]*a", "a", 0},
            {".", "\n", kNoMatch},
            {"[^]", "\n", 0},
            {"[a-]x]", "]", 0},
            {"[a-]x]", "b", kNoMatch},
            {"[z-a]", "a", 0},
            {"[i]", "\xe9", 0},
            {R"(\x41)", "A", 0},
            {R"(\101)", "A", 0},
            {R"(\x414)", "\x14", 0},
            {R"(\^A)", "\x01", 0},
            {R"(\.)", "a", kNoMatch},
            {R"(\q)", "q", 0},
            {R"(ab\)", "ab\\", 0},
            {"a{2}", "aa", kNoMatch},
            {"a{2}", "a{2}", 0},
            {"a(b)c", "a(b)c", 0},
        },
        LeadByteSet());
}

TEST(RegexpSearch, LeftmostStartAndGiveBack) {
    ExpectSearches(
        {
            {"b*c", "aabbc", 2},   // the earliest start, not the earliest end
            {"a.*z", "ab az", 0},  // an earlier start that finishes later wins
            {"a.*b", "xaxbxb", 1},
            {".*c", "abc", 0},
            {"a+a", "aa", 0},  // "+" gives back all but its first repetition
            {"a+a", "a", kNoMatch},
            {"a?a", "a", kNoMatch},  // "?" never gives back
            {"ab?c", "ac", 0},       // "?" takes nothing when it does not match
            {"x+", "abxxx", 2},
            {"^a*$", "aaa", 0},
            {"^a*$", "aab", kNoMatch},
            {"a*b*c*d", "abcabd", 3},
            {"Editor", "Editor Editor", 0},
            {"- Editor$", "Untitled - Editor - Editor", 18},
        },
        LeadByteSet());
}

TEST(RegexpSearch, AnchorsAndNewlines) {
    ExpectSearches(
        {
            {"c$", "abc\nx", 2},       // the end anchor holds before a newline
            {"^b", "a\nb", kNoMatch},  // the start anchor holds only at the first byte
            {"$", "ab\ncd", 2},        // the end anchor alone finds the newline
            {"^$", "", 0},
            {"^$", "a", kNoMatch},
            {"^$", "\n", 0},
            {"a.b", "a\nb", kNoMatch},
            {"a[\n]b", "a\nb", 0},
            {"^^", "^", 0},  // "^" after the first character is a literal
            {"$$", "$", 0},  // "$" before the last character is a literal
            {"a$b", "a$b", 0},
            {"ab\nzzz", "ab", 0},  // a newline ends the pattern
            {"ab$\nzzz", "xab", 1},
            {"x", std::string("a\0x", 3), kNoMatch},  // a text ends at its first zero byte
        },
        LeadByteSet());
}

TEST(RegexpSearch, ClassesHave128Members) {
    ExpectSearches(
        {
            {"[\xe9]", "i", 0},  // a member of 128 or more is stored as its code minus 128
            {"[^i]", "\xe9", kNoMatch},
            {"[a-\xe9]", "A", 0},  // ends compared as signed bytes: -23 to 97
            {"[a-\xe9]", "\xf0", 0},
            {"[a-\xe9]", "b", kNoMatch},
            {"[a-\xe9]", "z", 0},  // 122 folds onto 250, which is in the range
            {"[\xe9-a]", "A", 0},  // the same range written from high to low
            {"[^]x", "\xffx", 0},
            {"[]", "a", kNoMatch},
            {"[]x", "x", kNoMatch},
            {"[]]", "]", kNoMatch},  // "[]" is the empty class, then a literal "]"
            {"[^]]", "a]", 0},
            {"[-a]", "-", 0},
            {"[^-a]", "-", kNoMatch},
            {"[^-a]", "b", 0},
            {"[a-c-e]", "d", 0},  // a second range starts where the first ended
            {"[a-c-e]", "-", kNoMatch},
            {"[--/]", ".", 0},
            {R"([\]])", "]", 0},
            {R"([\-a])", "-", 0},
            {R"([\n])", "\n", 0},
            {"[.*+?[]", "?", 0},
            {"[.*+?[]", "a", kNoMatch},
            {"[a^]", "^", 0},
            {"[abc", "c", 0},  // an unclosed class ends with the pattern
            {"[", "a", kNoMatch},
            {"[^", "a", 0},
            {"[a]+$", "xaa", 1},
        },
        LeadByteSet());
}

TEST(RegexpSearch, Escapes) {
    ExpectSearches(
        {
            {R"(\b\e\f\n\r\s\t)", "\x08\x1b\x0c\n\r \t", 0},
            {R"(\B\E\F\N\R\S\T)", "\x08\x1b\x0c\n\r \t", 0},
            {R"(\X4a)", "J", 0},
            {R"(\xFf)", "\xff", 0},
            {R"(\x41x)", "Ax", 0},
            {R"(\x4g)", "\x04g", 0},
            {R"(\0101)",
             "\x08"
             "1",
             0},  // at most three octal digits
            {R"(\7)", "\x07", 0},
            {R"(\18)",
             "\x01"
             "8",
             0},
            {R"(\777)", "\xff", 0},  // 511 modulo 256
            {R"(\^a)", "\x01", 0},
            {R"(\^[)", "\x1b", 0},
            {R"(\^?)", "\xff", 0},  // 63 minus 64, modulo 256
            {R"(\^\)", "\x1c", 0},
            {R"(\\)", "\\", 0},
            {R"(\*)", "*", 0},
            {R"(\Q)", "Q", 0},
            {R"(\[a])", "[a]", 0},
            {R"(a\$)", "a$", 0},
        },
        LeadByteSet());
}

// Where the dialect leaves the choice, this implementation decides as follows.
TEST(RegexpSearch, OpenChoices) {
    ExpectSearches(
        {
            // An escape of code 0 is a literal that no text byte equals.
            {R"(a\0b)", "ab", kNoMatch},
            {R"(a\0*b)", "ab", 0},
            {R"(a\x?b)", "ab", 0},
            {R"(a\400b)", "ab", kNoMatch},
            // "\^" with nothing to take is a literal "^".
            {R"(a\^)", "a^", 0},
            {"a\\^\nzz", "a^", 0},
            // A "-" ending an unclosed class is a member.
            {"[a-", "-", 0},
            {"[a-", "a", 0},
            {"[a-", "b", kNoMatch},
            // Range ends are read with the escape rules.
            {R"([\x41-\x43])", "B", 0},
            {R"([\x41-\x43])", "D", kNoMatch},
            {R"([+-\]])", "A", 0},
            {R"([+-\]])", "a", kNoMatch},
            // A backslash before a newline ends the pattern as a backslash.
            {"a\\\nb", "a\\", 0},
        },
        LeadByteSet());
}

TEST(RegexpSearch, DoubleByteCharactersOfCodePage932) {
    ExpectSearches(
        {
            {".$", "\x82\xa0", 0},           // "." takes the whole character
            {"\xa0", "\x82\xa0", kNoMatch},  // a trail byte is not a start position
            {"\xa0", "\xa0\x82\xa0", 0},
            {"\x82\xa0", "x\x82\xa0", 1},  // a double-byte literal
            {"\x82\xa0", "\x82\xa1\x82\xa0", 2},
            {"\x82\xa0", "\x82\x82\xa0", kNoMatch},  // a start steps over a lead byte and its trail
            {"\x95\\x", "\x95\\x", 0},               // the trail byte is taken as it stands
            {"\x95[", "\x95[", 0},
            {"\x95*", "\x95*", 0},  // ...so is "*"
            {"\x95*", "\x95\x95", kNoMatch},
            {".*\xa0", "\x82\xa0", 0},         // give-back goes byte by byte, into a character
            {".+\xa0", "\x82\xa0", kNoMatch},  // the first repetition of "+" is kept whole
            {".?\xa0", "\x82\xa0", kNoMatch},
            {"\x82\xa0*x", "\x82\xa0\x82\xa0x", 0},
            {"\x82\xa0*\xa0", "\x82\xa0\x82\xa0", 0},
            {"[\x82]\xa0", "\x82\xa0", 0},  // a class takes one byte only
            {"[^x]$", "\x82\xa0", kNoMatch},
            {"a.$", "a\x82", 0},   // a lead byte at the end is one character
            {"\x82", "a\x82", 1},  // a lead byte ending the pattern is a plain literal
            {"a\x82\nb", "a\x82", 0},
            {R"(\x82.)", "\x82.", 0},  // a lead byte written as an escape takes a trail too
            {R"(\x82.)", "\x82x", kNoMatch},
            {"^.a",
             "\x82\xa0"
             "a",
             0},
        },
        kCodePage932);
}

TEST(RegexpSearch, SingleByteCodePageHasNoDoubleByteCharacters) {
    ExpectSearches(
        {
            {".$", "\x82\xa0", 1},
            {"\xa0", "\x82\xa0", 1},
            {".+\xa0", "\x82\xa0", 0},
            {"\x95\\x", "\x95\\x", kNoMatch},  // "\x" without digits: code 0
            {"\x95[", "\x95[", kNoMatch},      // "[" opens an (unclosed, empty) class
        },
        LeadByteSet());
}

TEST(RegexpSearch, PatternThatDidNotCompileMatchesNothing) {
    TRegexp regexp("Editor", LeadByteSet());
    ASSERT_EQ(regexp.Search("Editor"), 0u);
    for (const char* pattern : {"", "*", "^*", "\nEditor", "a**"}) {
        SCOPED_TRACE(pattern);
        regexp.Assign(pattern, LeadByteSet());
        EXPECT_FALSE(regexp.Compiled());
        for (const char* text : {"", "Editor", "*", "a**"}) EXPECT_EQ(regexp.Search(text), kNoMatch);
    }
    EXPECT_EQ(TRegexp().Search(""), kNoMatch);
}

}  // namespace
}  // namespace keystrip
