#include "target/destination_window.h"

#include <gtest/gtest.h>

#include "platform/recording/recording_platform.h"
#include "window_service_relay.h"

namespace keystrip {
namespace {

class DestinationWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallPlatform(platform.Services());
        ForgetCodePageLeadBytes();
    }
    void TearDown() override {
        InstallPlatform(Platform{});
        ForgetCodePageLeadBytes();
        DestinationPattern.clear();
        DestinationRegexp = TRegexp();
        FoundWindow = 0;
    }

    recording::RecordingPlatform platform;
};

TEST_F(DestinationWindowTest, PatternsAgainstOneEditorWindow) {
    platform.windows = {{7, "Untitled - Editor", "Editor"}};
    const struct {
        const char* pattern;
        WindowHandle found;
    } cases[] = {
        {"Editor", 7}, {"^Editor", 0}, {"Editor$", 7}, {"editor", 0}, {"^", 7}, {"^$", 0}, {"$", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(FindDestinationWindow(c.pattern), c.found);
        EXPECT_EQ(FoundWindow, c.found);
        EXPECT_EQ(DestinationPattern, c.pattern);
    }
}

TEST_F(DestinationWindowTest, FirstMatchInZOrderWins) {
    platform.windows = {
        {1, "", "Shell_TrayWnd"},
        {2, "Keystrip", "TKeystripMainForm"},
        {3, "Notes - Editor", "Editor", false},  // hidden, but listed before the visible one
        {4, "", "Untitled"},
        {5, "Untitled - Editor", "Editor"},
        {6, "Letter - Editor", "Editor"},
    };
    const struct {
        const char* pattern;
        WindowHandle found;
    } cases[] = {
        {"Editor", 3},                      // the topmost of several matches, hidden or not
        {"^Untitled", 5},                   // windows before it are passed over
        {"Letter", 6},    {"Keystrip", 2},  // the bar's own window is not excluded
        {"TKeystrip", 0},                   // only titles count, not classes
        {"^", 1},                           // the first window, titled or not
        {"^$", 1},                          // the first window without a title
        {"$", 1},         {"Calculator", 0},
        {"*Editor", 0},  // a pattern that does not compile matches no window
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(FindDestinationWindow(c.pattern), c.found);
    }
    platform.windows.erase(platform.windows.begin());
    EXPECT_EQ(FindDestinationWindow("^$"), 4u);
    EXPECT_EQ(platform.Trace(), "") << "a lookup has no effect";
}

TEST_F(DestinationWindowTest, EachLookupStartsAfresh) {
    platform.windows = {{1, "Untitled - Editor", "Editor"}, {2, "Calculator", "Calc"}};
    EXPECT_EQ(FindDestinationWindow("Editor"), 1u);
    platform.windows.erase(platform.windows.begin());
    EXPECT_EQ(FindDestinationWindow("Editor"), 0u);
    EXPECT_EQ(FoundWindow, 0u);
    EXPECT_EQ(FindDestinationWindow("^C"), 2u);
}

TEST_F(DestinationWindowTest, TitlesInADoubleByteCodePage) {
    platform.UseCodePage932();
    // Two windows whose titles hold the bytes 0x82 0xa0 across a character boundary.
    platform.windows = {{1, "\x81\x82\xa0", "A"}, {2, "x\x82\xa0", "B"}};
    EXPECT_EQ(FindDestinationWindow("\x82\xa0"), 2u);
    EXPECT_EQ(FindDestinationWindow("^.\xa0"), 1u) << "\".\" takes the character 0x81 0x82";
    EXPECT_EQ(FindDestinationWindow("^.\x82"), 2u);
}

TEST_F(DestinationWindowTest, GetWindowTitle) {
    platform.windows = {{1, "Untitled - Editor", "Editor", false},
                        {2, "", "Untitled"},
                        {3, std::string("Mail\0Hidden", 11), "Mail"}};
    EXPECT_EQ(GetWindowTitle(1), "Untitled - Editor");
    EXPECT_EQ(GetWindowTitle(2), "");
    EXPECT_EQ(GetWindowTitle(3), "Mail");
    EXPECT_EQ(GetWindowTitle(0), "");
    EXPECT_EQ(GetWindowTitle(99), "") << "not a window";
}

TEST_F(DestinationWindowTest, EnumProcStopsAtAMatchAndRecordsIt) {
    platform.windows = {{1, "Untitled - Editor", "Editor"}, {2, "Calculator", "Calc"}};
    DestinationRegexp = "Calc";
    FoundWindow = 0;
    EXPECT_EQ(DestinationEnumProc(1, 0), 1);
    EXPECT_EQ(FoundWindow, 0u);
    EXPECT_EQ(DestinationEnumProc(2, 0), 0);
    EXPECT_EQ(FoundWindow, 2u);
}

TEST_F(DestinationWindowTest, AWindowClosedDuringTheLookupHasAnEmptyTitle) {
    platform.windows = {
        {1, "Inbox - Mail", "Mail"}, {2, "Draft - Editor", "Editor"}, {3, "Untitled", "Editor"}};
    WindowServiceRelay windows(platform);
    windows.onVisit = [&](WindowHandle h) {
        if (h == 1) windows.Vanish(2);
    };
    Platform services = platform.Services();
    services.windows = &windows;
    InstallPlatform(services);

    EXPECT_EQ(FindDestinationWindow("^$"), 2u) << "the closed window is searched as untitled";
    EXPECT_EQ(windows.visited, (std::vector<WindowHandle>{1, 2})) << "the enumeration stops at the match";
}

}  // namespace
}  // namespace keystrip
