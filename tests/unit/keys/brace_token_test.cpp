#include "keys/brace_token.h"

#include <cctype>
#include <string>
#include <vector>

#include "keys_fixture.h"

namespace keystrip {
namespace {

class BraceToken : public KeysTest {
protected:
    std::string TraceOfToken(const std::string& token) {
        return TraceOfAction([&] { PushBraceToken(token.c_str()); });
    }
    // What the fallback sends: PushKeys with the text, so many times.
    std::string Fallback(const char* text, int times) { return Repeat(TraceOf(text), times); }

    struct TokenCase {
        std::string token;
        std::string trace;
    };
    void Expect(const std::vector<TokenCase>& cases) {
        for (const TokenCase& c : cases) {
            SCOPED_TRACE("token \"" + c.token + "\"");
            EXPECT_EQ(TraceOfToken(c.token), c.trace);
        }
    }
};

TEST_F(BraceToken, EveryNameTapsItsKeyWhateverTheCaseOfItsLetters) {
    struct Name {
        const char* name;
        std::uint32_t vk;
    } names[] = {
        {"BACKSPACE", 0x08},   {"BS", 0x08},
        {"BKSP", 0x08},        {"BELL", 0x07},
        {"BREAK", 0x03},       {"CAPSLOCK", 0x14},
        {"CAPS", 0x14},        {"DELETE", 0x2e},
        {"DEL", 0x2e},         {"DOWN", 0x28},
        {"END", 0x23},         {"ENTER", 0x0d},
        {"RETURN", 0x0d},      {"ESCAPE", 0x1b},
        {"ESC", 0x1b},         {"FF", 0x0c},
        {"HELP", 0x2f},        {"HOME", 0x24},
        {"INSERT", 0x2d},      {"INS", 0x2d},
        {"LEFT", 0x25},        {"LINEFEED", 0x0a},
        {"LF", 0x0a},          {"NUMLOCK", 0x90},
        {"PGDN", 0x22},        {"PAGEDOWN", 0x22},
        {"NEXT", 0x22},        {"PGUP", 0x21},
        {"PAGEUP", 0x21},      {"PRIOR", 0x21},
        {"PRINTSCREEN", 0x2a}, {"PRTSC", 0x2a},
        {"RIGHT", 0x27},       {"SCROLLLOCK", 0x91},
        {"SCRLK", 0x91},       {"TAB", 0x09},
        {"UP", 0x26},          {"F1", 0x70},
        {"F2", 0x71},          {"F3", 0x72},
        {"F4", 0x73},          {"F5", 0x74},
        {"F6", 0x75},          {"F7", 0x76},
        {"F8", 0x77},          {"F9", 0x78},
        {"F10", 0x79},         {"F11", 0x7a},
        {"F12", 0x7b},         {"F13", 0x7c},
        {"F14", 0x7d},         {"F15", 0x7e},
        {"F16", 0x7f},         {"F17", 0x80},
        {"F18", 0x81},         {"F19", 0x82},
        {"F20", 0x83},         {"F21", 0x84},
        {"F22", 0x85},         {"F23", 0x86},
        {"F24", 0x87},         {"NUMPAD0", 0x60},
        {"NUMPAD1", 0x61},     {"NUMPAD2", 0x62},
        {"NUMPAD3", 0x63},     {"NUMPAD4", 0x64},
        {"NUMPAD5", 0x65},     {"NUMPAD6", 0x66},
        {"NUMPAD7", 0x67},     {"NUMPAD8", 0x68},
        {"NUMPAD9", 0x69},     {"NUMPADMULTIPLY", 0x6a},
        {"NUMPAD*", 0x6a},     {"NUMPADADD", 0x6b},
        {"NUMPAD+", 0x6b},     {"NUMPADSUBTRACT", 0x6d},
        {"NUMPAD-", 0x6d},     {"NUMPADDECIMAL", 0x6e},
        {"NUMPAD.", 0x6e},     {"NUMPADDIVIDE", 0x6f},
        {"NUMPAD/", 0x6f},
    };
    for (const Name& n : names) {
        std::string lower = n.name, mixed = n.name;
        for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        mixed[0] = lower[0];
        for (const std::string& name : {std::string(n.name), lower, mixed}) {
            SCOPED_TRACE(name);
            EXPECT_EQ(TraceOfToken(name), TapVirtualKey(n.vk));
            EXPECT_EQ(TraceOfToken(name + " 2"), Repeat(TapVirtualKey(n.vk), 2));
        }
    }
}

TEST_F(BraceToken, CharacterTokensTypeTheirFixedShiftState) {
    for (char ch : std::string(">;:_'*?=)(/&%$\xA7!\"\xB0")) {
        SCOPED_TRACE(ch);
        EXPECT_EQ(TraceOfToken(std::string(1, ch)), ShiftDown + Tap(ch) + ShiftUp);
    }
    for (char ch : std::string("+}{^~")) {
        SCOPED_TRACE(ch);
        EXPECT_EQ(TraceOfToken(std::string(1, ch)), Tap(ch));
        ShiftLatched = 1;
        EXPECT_EQ(TraceOfToken(std::string(1, ch)), ShiftUp + Tap(ch) + ShiftDown);
        ShiftLatched = 0;
    }
    Expect({
        {"% 3", Repeat(ShiftDown + Tap('%') + ShiftUp, 3)},
        {"+ 2", Repeat(Tap('+'), 2)},
    });
    ShiftLatched = 1;
    EXPECT_EQ(TraceOfToken("%"), Tap('%'));
}

TEST_F(BraceToken, TheLastWordGivesTheRepeatCount) {
    const std::string enter = TapVirtualKey(0x0d);
    Expect({
        {"enter 3", Repeat(enter, 3)},
        {"Enter 3", Repeat(enter, 3)},
        {"ENTER 2.9", Repeat(enter, 2)},
        {"ENTER +2", Repeat(enter, 2)},
        {"ENTER \t2x", Repeat(enter, 2)},
        {"ENTER 0", enter},
        {"ENTER -2", enter},
        {"ENTER x", enter},
        {"ENTER ", enter},
        {"NUMPAD+ 2", Repeat(TapVirtualKey(0x6b), 2)},
        {"NEWLINE 2", Repeat(TapVirtualKey(0x0d) + TapVirtualKey(0x0a), 2)},
        {"nl", TapVirtualKey(0x0d) + TapVirtualKey(0x0a)},
    });
}

TEST_F(BraceToken, TextThatNamesNoKeyIsTypedAsASequence) {
    Expect({
        {"ENTER  3", Fallback("ENTER ", 3)},
        {"ENTER 3 ", Fallback("ENTER 3", 1)},
        {" ENTER", ""},
        {"", ""},
        {"a", Fallback("a", 1)},
        {"abc 2", Fallback("abc", 2)},
        {"hello world", Fallback("hello", 1)},
        {"F25", Fallback("F25", 1)},
        {"F0", Fallback("F0", 1)},
        {"F01", Fallback("F01", 1)},
        {"NUMPAD10", Fallback("NUMPAD10", 1)},
        {"\xe4", Fallback("\xe4", 1)},
        {"ENTER\t2", Fallback("ENTER\t2", 1)},
        {"{TAB} 2", Fallback("{TAB}", 2)},
    });
    EXPECT_NE(Fallback("a", 1), "");
}

TEST_F(BraceToken, TheFallbackClearsTheLatchesOfAnEnclosingGroup) {
    ShiftLatched = 1;
    EXPECT_EQ(TraceOfToken("aA"), P + Tap('a') + P + ShiftDown + Tap('A') + ShiftUp);
    EXPECT_EQ(ShiftLatched, 0);
}

TEST_F(BraceToken, SleepPausesForTheRealArgumentInSeconds) {
    Expect({
        {"SLEEP", "sleep 1000\n"},
        {"sleep 1.5", "sleep 1500\n"},
        {"SLEEP 0", "sleep 1000\n"},
        {"SLEEP -1", "sleep 1000\n"},
        {"SLEEP x", "sleep 1000\n"},
        {"SLEEP 0.0004", "sleep 0\n"},
        {"SLEEP 2", "sleep 2000\n"},
        {"SLEEP 1,5", "sleep 1000\n"},
        {"SLEEP .25", "sleep 250\n"},
        {"SLEEP 2.5e1", "sleep 25000\n"},
        {"SLEEP 5e-2x", "sleep 50\n"},
        {"SLEEP 3e", "sleep 3000\n"},
        {"SLEEP 1e-400", "sleep 0\n"},
        // Only decimal numbers count.
        {"SLEEP INF", "sleep 1000\n"},
        {"SLEEP nan", "sleep 1000\n"},
        {"SLEEP 0x10", "sleep 1000\n"},
        {"SLEEP 2 3", Fallback("SLEEP 2", 3)},
    });
}

TEST_F(BraceToken, EmptyClipOpensEmptiesAndClosesOnce) {
    Expect({
        {"EMPTYCLIP 3", "clipboard-open\nclipboard-empty\nclipboard-close\n"},
        {"emptyclipboard", "clipboard-open\nclipboard-empty\nclipboard-close\n"},
    });
    platform.clipboardBusy = true;
    EXPECT_EQ(TraceOfToken("EMPTYCLIP"), "");
}

TEST_F(BraceToken, RunLaunchesTheTextAfterTheFirstSpaceAndBeepsOnFailure) {
    Expect({
        {"RUN notepad readme.txt", "run notepad readme.txt\n"},
        {"RUN notepad 3", "run notepad 3\n"},
        {"Runner go", "run go\n"},
        {"runx", "run \nbeep 0x30\n"},
        {"RUN", "run \nbeep 0x30\n"},
        {"RUN   ", "run   \nbeep 0x30\n"},
        {"RUN Notepad  C:\\A B.txt", "run Notepad  C:\\A B.txt\n"},
        {"BELL", "down 0x07 0x00\nup 0x07 0x00\n"},
    });
}

}  // namespace
}  // namespace keystrip
