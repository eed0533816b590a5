#include "platform/recording/recording_platform.h"

#include <gtest/gtest.h>

namespace keystrip::recording {
namespace {

TEST(RecordingPlatform, AnswersKeyLookupsFromTheReferenceLayout) {
    RecordingPlatform p;
    struct Case {
        unsigned char ch;
        std::uint16_t key;
        std::uint32_t scan;
    } cases[] = {
        {'1', 0x0031, 0x00000002},  {'A', 0x0141, 0x0001001e},  {'a', 0x0041, 0x0000001e},
        {'~', 0x01c0, 0x00010029},  {'\n', 0x020d, 0xffffffff}, {0, 0xffff, 0xffffffff},
        {0xe4, 0xffff, 0xffffffff}, {0x7f, 0xffff, 0xffffffff},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.ch));
        EXPECT_EQ(p.VirtualKeyOfChar(c.ch), c.key);
        EXPECT_EQ(p.ScanCodeOfOemChar(p.AnsiToOem(c.ch)), c.scan);
    }
    EXPECT_EQ(p.ScanCodeOfVirtualKey(0x10), 0x2au);
    EXPECT_EQ(p.ScanCodeOfVirtualKey(0x0d), 0x1cu);
    EXPECT_EQ(p.ScanCodeOfVirtualKey(0x07), 0x00u);
    EXPECT_EQ(p.ScanCodeOfVirtualKey(0x110), 0x00u);
}

TEST(RecordingPlatform, RecordsEffectsInCallOrderButNotLookups) {
    RecordingPlatform p;
    p.Pause(0);
    p.VirtualKeyOfChar('a');
    p.SendKeyEvent(0x10, 0x2a, true);
    p.SendKeyEvent(0x10, 0x2a, false);
    EXPECT_TRUE(p.OpenClipboard());
    p.EmptyClipboard();
    p.CloseClipboard();
    EXPECT_FALSE(p.LaunchCommand("  "));
    p.BeepExclamation();
    EXPECT_TRUE(p.LaunchCommand("notepad"));
    EXPECT_EQ(p.Trace(),
              "sleep 0\ndown 0x10 0x2a\nup 0x10 0x2a\nclipboard-open\nclipboard-empty\nclipboard-close\n"
              "run   \nbeep 0x30\nrun notepad\n");
}

TEST(RecordingPlatform, BusyClipboardFailsWithoutARecord) {
    RecordingPlatform p;
    p.clipboardBusy = true;
    EXPECT_FALSE(p.OpenClipboard());
    EXPECT_EQ(p.Trace(), "");
}

TEST(RecordingPlatform, EnumeratesWindowsFrontToBackAndStopsEarly) {
    RecordingPlatform p;
    p.windows = {{1, "Top", "A"}, {2, "", "B"}, {3, "Bottom", "C"}};
    std::vector<WindowHandle> seen;
    p.EnumerateTopLevelWindows([&](WindowHandle h) {
        seen.push_back(h);
        return h != 2;
    });
    EXPECT_EQ(seen, (std::vector<WindowHandle>{1, 2}));
    EXPECT_EQ(p.TitleLength(3), 6);
    EXPECT_EQ(p.Title(3, 3), "Bot");
    EXPECT_FALSE(p.IsWindow(4));
    EXPECT_EQ(p.FindWindow("C", "Bottom"), 3u);
    p.RequestClose(3);
    EXPECT_FALSE(p.IsWindow(3));
}

}  // namespace
}  // namespace keystrip::recording
