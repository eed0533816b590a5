#include "keys/push_keys.h"

#include <cstring>
#include <string>

#include "keys_fixture.h"

namespace keystrip {
namespace {

struct SequenceCase {
    std::string keys;
    std::string trace;
};

class Driver : public KeysTest {
protected:
    void Expect(const std::vector<SequenceCase>& cases) {
        for (const SequenceCase& c : cases) {
            SCOPED_TRACE("sequence \"" + c.keys + "\"");
            EXPECT_EQ(TraceOf(c.keys.c_str()), c.trace);
        }
    }
    const std::string a = Tap('a'), b = Tap('b'), c = Tap('c'), d = Tap('d');
};

TEST_F(Driver, TypesItemsWithOnePauseBeforeEach) {
    const std::string tab = TapVirtualKey(0x09), enter = TapVirtualKey(0x0d);
    Expect({
        {"", ""},
        {"ab", P + a + P + b},
        {"A", P + ShiftDown + Tap('A') + ShiftUp},
        {"+1", P + ShiftDown + Tap('1') + ShiftUp},
        {"^c", P + CtrlDown + c + CtrlUp},
        {"+(ab)", P + ShiftDown + P + a + P + b + ShiftUp},
        {"^(+a)", P + CtrlDown + P + ShiftDown + a + ShiftUp + CtrlUp},
        {"%{TAB}", P + AltDown + tab + AltUp},
        {"{}}", P + ShiftDown + Tap('}') + ShiftUp},
        {"~", P + enter},
        {"{TAB}x", P + tab + P + Tap('x')},
    });
}

TEST_F(Driver, TakesTheCharacterAfterAPrefixLiterally) {
    Expect({
        {"+^a", P + ShiftDown + Tap('^') + ShiftUp + P + a},
        {"^+a", P + CtrlDown + Tap('+') + CtrlUp + P + a},
        {"+~", P + ShiftDown + Tap('~') + ShiftUp},
        {"%%", P + AltDown + Tap('%') + AltUp},
        {"^A", P + CtrlDown + a + CtrlUp},
        {"+A", P + ShiftDown + a + ShiftUp},
        {"%(", P + AltDown + AltUp},  // a group, empty and unclosed
        // A prefix at the end types the key of the NUL character.
        {"+", P + ShiftDown + NoKey + ShiftUp},
        {"a^", P + a + P + CtrlDown + NoKey + CtrlUp},
        {"%", P + AltDown + NoKey + AltUp},
    });
}

TEST_F(Driver, ReadsCharacterClasses) {
    Expect({
        {"(a)", P + ShiftDown + Tap('(') + ShiftUp + P + a + P + ShiftDown + Tap(')') + ShiftUp},
        {"}", P + Tap('}')},
        {"\xa7\xb0", P + ShiftDown + NoKey + ShiftUp + P + ShiftDown + NoKey + ShiftUp},
        {"\xe4\x01", P + NoKey + P + Tap('\x01')},
        {"#%", P + Tap('#') + P + AltDown + NoKey + AltUp},
    });
}

TEST_F(Driver, GroupsRunToTheirMatchingCloseOrTheEnd) {
    Expect({
        {"+(", P + ShiftDown + ShiftUp},
        {"+{", P + ShiftDown + ShiftUp},
        {"+()", P + ShiftDown + ShiftUp},
        {"+{}", P + ShiftDown + ShiftUp},
        {"+(ab", P + ShiftDown + P + a + P + b + ShiftUp},
        // The nested call receives "a(bc": its "(" lifts the group's Shift.
        {"+(a(b)c)d",
         P + ShiftDown + P + a + P + ShiftDown + Tap('(') + ShiftUp + P + b + P + c + ShiftUp + P + d},
        // Braces give no protection in a parenthesised group: its text is "a{".
        {"+(a{)}b)",
         P + ShiftDown + P + a + P + ShiftUp + P + Tap('}') + P + b + P + ShiftDown + Tap(')') + ShiftUp},
        {"^{{}}", P + CtrlDown + Tap('{') + CtrlUp},
        {"^{{}", P + CtrlDown + Tap('{') + CtrlUp},
        {"+{}}", P + ShiftDown + ShiftUp + P + Tap('}')},
        {"+(Hello)", P + ShiftDown + P + ShiftDown + Tap('H') + ShiftUp + P + Tap('e') + P + Tap('l') + P +
                         Tap('l') + P + Tap('o') + ShiftUp},
        {"+{a 3}", P + ShiftDown + P + a + P + a + P + a + ShiftUp},
        // Single-character tokens see the group's Shift latch.
        {"+{%}", P + ShiftDown + Tap('%') + ShiftUp},
        {"+{+}", P + ShiftDown + ShiftUp + Tap('+') + ShiftDown + ShiftUp},
        {"^{+}", P + CtrlDown + Tap('+') + CtrlUp},
    });
}

TEST_F(Driver, BraceTokensEndAtTheFirstCloseAndLoseALastCharacter) {
    Expect({
        {"{}}}", P + ShiftDown + Tap('}') + ShiftUp + P + Tap('}')},
        {"{a}}", P + ShiftDown + Tap('}') + ShiftUp},
        // The handler gets "ab" and types it as a sequence of its own.
        {"{abc", P + P + a + P + b},
        {"{", P},
        {"{}", P},
        {"{{}", P + Tap('{')},
    });
}

TEST_F(Driver, PausesForTheKeyDelay) {
    KeyDelay = 25;
    EXPECT_EQ(TraceOf("a+(b)"), "sleep 25\n" + a + "sleep 25\n" + ShiftDown + "sleep 25\n" + b + ShiftUp);
    // A negative delay is no delay; the pause before each item is still made.
    KeyDelay = -5;
    EXPECT_EQ(TraceOf("ab"), P + a + P + b);
    KeyDelay = -2147483647 - 1;
    EXPECT_EQ(TraceOf("a"), P + a);
}

TEST_F(Driver, ClearsTheLatchesAtEveryCall) {
    ShiftLatched = 1;
    CtrlLatched = 1;
    AltLatched = 1;
    EXPECT_EQ(TraceOf("A^a"), P + ShiftDown + a + ShiftUp + P + CtrlDown + a + CtrlUp);
    EXPECT_EQ(ShiftLatched + CtrlLatched + AltLatched, 0);
    EXPECT_EQ(TraceOf("+(a)"), P + ShiftDown + P + a + ShiftUp);
    EXPECT_EQ(ShiftLatched, 0);
}

TEST_F(Driver, RefusesNullAndTooLongSequencesWithAMessage) {
    const std::string longest(1023, 'a');
    const std::string tooLong(1024, 'a');
    ShiftLatched = 1;

    testing::internal::CaptureStderr();
    EXPECT_EQ(TraceOf(nullptr), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error in PushKeys(): null pointer.\n");

    testing::internal::CaptureStderr();
    EXPECT_EQ(TraceOf(tooLong.c_str()), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error in PushKeys(): string too long.\n");
    EXPECT_EQ(ShiftLatched, 1);  // not even the latches are touched

    testing::internal::CaptureStderr();
    EXPECT_EQ(TraceOf(longest.c_str()), Repeat(P + a, 1023));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(AppendChar, AppendsOneCharacterButNoTerminator) {
    char buffer[8] = "ab";
    EXPECT_EQ(AppendChar(buffer, 'c'), buffer);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(AppendChar(buffer, '\0'), buffer);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_STREQ(AppendChar(buffer, '\xe4'), "abc\xe4");
}

}  // namespace
}  // namespace keystrip
