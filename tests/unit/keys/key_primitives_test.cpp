#include "keys/key_primitives.h"

#include <string>

#include "keys_fixture.h"

namespace keystrip {
namespace {

using KeyPrimitives = KeysTest;

TEST_F(KeyPrimitives, TapKeySendsOnlyTheLowBytes) {
    EXPECT_EQ(TraceOfAction([] { TapKey(0x141, 0x21e); }), "down 0x41 0x1e\nup 0x41 0x1e\n");
    EXPECT_EQ(TraceOfAction([] { TapKey(0xffffff07, 0); }), "down 0x07 0x00\nup 0x07 0x00\n");
}

TEST_F(KeyPrimitives, TypeCharSendsTheBareKeyOfTheCharacter) {
    struct Case {
        char ch;
        const char* trace;
    } cases[] = {
        {'a', "down 0x41 0x1e\nup 0x41 0x1e\n"},
        {'A', "down 0x41 0x1e\nup 0x41 0x1e\n"},  // the layout's Shift is not added
        {'1', "down 0x31 0x02\nup 0x31 0x02\n"},
        {'}', "down 0xdd 0x1b\nup 0xdd 0x1b\n"},
        {'\n', "down 0x0d 0xff\nup 0x0d 0xff\n"},  // a key by VkKeyScan, none by OemKeyScan
        {'\0', "down 0xff 0xff\nup 0xff 0xff\n"},
        {'\xe4', "down 0xff 0xff\nup 0xff 0xff\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(c.ch)));
        EXPECT_EQ(TraceOfAction([&] { TypeChar(c.ch); }), c.trace);
    }
}

TEST_F(KeyPrimitives, ShiftAroundACharacterFollowsTheShiftLatch) {
    const std::string a = Tap('a');
    EXPECT_EQ(TraceOfAction([] { TypeShiftedChar('a'); }), ShiftDown + a + ShiftUp);
    EXPECT_EQ(TraceOfAction([] { TypeUnshiftedChar('a'); }), a);
    ShiftLatched = 1;
    EXPECT_EQ(TraceOfAction([] { TypeShiftedChar('a'); }), a);
    EXPECT_EQ(TraceOfAction([] { TypeUnshiftedChar('a'); }), ShiftUp + a + ShiftDown);
    EXPECT_EQ(ShiftLatched, 1);
}

TEST_F(KeyPrimitives, ShiftedCharsAreTheFixedSet) {
    int members = 0;
    for (int c = 0; c < 256; ++c) members += IsShiftedChar(static_cast<char>(c)) ? 1 : 0;
    EXPECT_EQ(members, 43);
    for (char c : std::string("AMZ!\"$&'()*/:;=>?_\xA7\xB0")) EXPECT_TRUE(IsShiftedChar(c)) << c;
    // Shifted on some layouts, but not members: the Alt prefix, a dead key, umlauts, lower case.
    for (char c : std::string("%`\xC4\xD6\xDC"
                              "az#+<@^{|}~"))
        EXPECT_FALSE(IsShiftedChar(c)) << c;
}

}  // namespace
}  // namespace keystrip
