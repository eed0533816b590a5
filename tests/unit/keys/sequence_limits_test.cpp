#include "keys/sequence_limits.h"

#include <string>

#include "keys/brace_token.h"
#include "keys_fixture.h"

namespace keystrip {
namespace {

using SequenceLimits = KeysTest;

int CountLines(const std::string& trace, const std::string& prefix) {
    int count = 0;
    for (std::size_t at = 0; at < trace.size(); at = trace.find('\n', at) + 1)
        if (trace.compare(at, prefix.size(), prefix) == 0) ++count;
    return count;
}

TEST_F(SequenceLimits, EveryPauseIsCutToAMinute) {
    struct Case {
        const char* keys;
        const char* trace;
    } cases[] = {
        {"{SLEEP 59.9999}", "sleep 0\nsleep 59999\n"},     {"{SLEEP 100}", "sleep 0\nsleep 60000\n"},
        {"{SLEEP 4294967.295}", "sleep 0\nsleep 60000\n"}, {"{SLEEP 1e300}", "sleep 0\nsleep 60000\n"},
        {"{SLEEP 1e400}", "sleep 0\nsleep 60000\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        EXPECT_EQ(TraceOf(c.keys), c.trace);
    }
    KeyDelay = 2147483647;
    EXPECT_EQ(TraceOf("a"), "sleep 60000\n" + Tap('a'));
}

TEST_F(SequenceLimits, PausesOfOneSequenceEndAfterTenMinutes) {
    std::string keys, expected;
    for (int i = 0; i < 11; ++i) keys += "{SLEEP 60}";
    EXPECT_EQ(TraceOf(keys.c_str()), Repeat(P + "sleep 60000\n", 10) + P + "sleep 0\n");
    // Each sequence has its own allowance, and the delay draws on it too.
    KeyDelay = 100'000;
    expected.clear();
    for (int i = 0; i < 12; ++i) expected += (i < 10 ? "sleep 60000\n" : P) + Tap(static_cast<char>('a' + i));
    EXPECT_EQ(TraceOf("abcdefghijkl"), expected);
}

TEST_F(SequenceLimits, RepetitionsEndWithTheSequencesWork) {
    // One unit for the item; each repetition of the fallback takes one, and its
    // item one more: the last repetition starts but has none left for its item.
    EXPECT_EQ(TraceOf("{a 2147483647}"), P + Repeat(P + Tap('a'), (kSequenceWorkUnits - 1) / 2));
    // A count beyond 32 bits is as large as a count gets.
    EXPECT_EQ(TraceOf("{TAB 99999999999999999999}"), P + Repeat(TapVirtualKey(0x09), kSequenceWorkUnits - 1));
    // The next sequence starts afresh.
    EXPECT_EQ(TraceOf("{TAB 3}"), P + Repeat(TapVirtualKey(0x09), 3));
}

TEST_F(SequenceLimits, NestedCountsCannotMultiplyBeyondTheLimitAndModifiersAreReleased) {
    // Unlimited, this types 999 * 99 * 9 characters: each level's text holds the
    // next counted token, and an unclosed token drops its last character.
    const std::string trace = TraceOf("+{{{a 9x 99y 999");
    const int keyEvents = CountLines(trace, "down ") + CountLines(trace, "up ");
    EXPECT_LE(keyEvents, 4 * kSequenceWorkUnits);
    EXPECT_GE(CountLines(trace, "down 0x41"), kSequenceWorkUnits / 3);
    EXPECT_EQ(CountLines(trace, "down 0x41") * 2 + 2, keyEvents);
    EXPECT_EQ(trace.substr(0, P.size() + ShiftDown.size()), P + ShiftDown);
    EXPECT_EQ(trace.substr(trace.size() - ShiftUp.size()), ShiftUp);
}

TEST_F(SequenceLimits, AnExhaustedSequenceStartsNothingMore) {
    for (int i = 0; i < kSequenceWorkUnits; ++i) ASSERT_TRUE(TakeWorkUnit());
    EXPECT_FALSE(TakeWorkUnit());
    EXPECT_EQ(TraceOfAction([] { PushBraceToken("ENTER 5"); }), "");
    StartSequenceLimits();
    EXPECT_TRUE(TakeWorkUnit());
}

}  // namespace
}  // namespace keystrip
