#include "target/button_click.h"

#include <gtest/gtest.h>

#include <string>

#include "keys/push_keys.h"
#include "platform/recording/recording_platform.h"
#include "target/button_records.h"
#include "target/button_sequence.h"
#include "target/destination_window.h"
#include "window_service_relay.h"

namespace keystrip {
namespace {

void ResetState() {
    Buttons.clear();
    ButtonCount = 0;
    CutAndPasteMode = false;
    KeyDelay = 0;
    ShiftLatched = CtrlLatched = AltLatched = 0;
    ForgetCodePageLeadBytes();
}

// What the driver does with a sequence handed to it directly, on a platform of its own.
std::string TraceOfPushKeys(const std::string& sequence) {
    recording::RecordingPlatform own;
    const Platform before = ThePlatform();
    InstallPlatform(own.Services());
    PushKeys(sequence.c_str());
    InstallPlatform(before);
    return own.Trace();
}

class ButtonClickTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetState();
        InstallPlatform(platform.Services());
        platform.windows = {{1, "Keystrip", "TKeystripMainForm"}, {5, "Untitled - Editor", "Editor"}};
    }
    void TearDown() override {
        InstallPlatform(Platform{});
        ResetState();
    }

    void SetButtons(std::vector<TKeystripButton> buttons) {
        Buttons = std::move(buttons);
        ButtonCount = static_cast<int>(Buttons.size());
    }

    recording::RecordingPlatform platform;
};

TEST_F(ButtonClickTest, ComposesTheSequenceOfTheActionTable) {
    const struct {
        const char* destination;
        bool cutAndPaste;
        const char* insertText;
        std::string expectedTrace;  // the activation, then what the driver types
    } cases[] = {
        {"", false, "ab", TraceOfPushKeys("%{TAB}ab")},
        {"", true, "ab", TraceOfPushKeys("%{TAB}{EMPTYCLIP}^xab^v")},
        {"Editor$", false, "ab", "activate 5\n" + TraceOfPushKeys("ab")},
        {"Editor$", true, "ab", "activate 5\n" + TraceOfPushKeys("{EMPTYCLIP}^xab^v")},
        {"Editor$", false, "", "activate 5\n"},
        {"Editor$", true, "", "activate 5\n" + TraceOfPushKeys("{EMPTYCLIP}^x^v")},
        {"", false, "", TraceOfPushKeys("%{TAB}")},
        {"Calculator", false, "ab", ""},
        {"Calculator", true, "ab", ""},
        {"*Editor", false, "ab", ""},  // a pattern that does not compile finds no window
        {"^Keystrip$", false, "x", "activate 1\n" + TraceOfPushKeys("x")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("destination [") + c.destination + "] cut and paste " +
                     (c.cutAndPaste ? "on" : "off") + " insert text [" + c.insertText + "]");
        SetButtons({{c.insertText, c.destination}});
        CutAndPasteMode = c.cutAndPaste;
        platform.ClearTrace();
        ButtonClick(0);
        EXPECT_EQ(platform.Trace(), c.expectedTrace);
    }
}

TEST_F(ButtonClickTest, TheTagSelectsTheRecord) {
    SetButtons({{"a", ""}, {"b", "Calculator"}, {"c", "Untitled"}});
    ButtonClick(2);
    EXPECT_EQ(platform.Trace(), "activate 5\n" + TraceOfPushKeys("c"));
    platform.ClearTrace();
    ButtonClick(0);
    EXPECT_EQ(platform.Trace(), TraceOfPushKeys("%{TAB}a"));
}

TEST_F(ButtonClickTest, ComposeSequenceIsWhatTheClickTypes) {
    EXPECT_EQ(ComposeSequence({"T", ""}, false), "%{TAB}T");
    EXPECT_EQ(ComposeSequence({"T", ""}, true), "%{TAB}{EMPTYCLIP}^xT^v");
    EXPECT_EQ(ComposeSequence({"T", "x"}, false), "T");
    EXPECT_EQ(ComposeSequence({"T", "x"}, true), "{EMPTYCLIP}^xT^v");
    EXPECT_EQ(ComposeSequence({"", "x"}, false), "");
}

// The wrappers count against the driver's limit of 1023 characters.
TEST_F(ButtonClickTest, LongestInsertTextsThatAreStillTyped) {
    const struct {
        const char* destination;
        bool cutAndPaste;
        std::size_t longest;
        const char* activation;
    } cases[] = {
        {"Editor", false, 1023, "activate 5\n"},
        {"", false, 1017, ""},
        {"Editor", true, 1008, "activate 5\n"},
        {"", true, 1002, ""},
    };
    for (const auto& c : cases) {
        for (const std::size_t length : {c.longest, c.longest + 1}) {
            SCOPED_TRACE(std::string("destination [") + c.destination + "] cut and paste " +
                         (c.cutAndPaste ? "on" : "off") + " length " + std::to_string(length));
            SetButtons({{std::string(length, 'a'), c.destination}});
            CutAndPasteMode = c.cutAndPaste;
            platform.ClearTrace();
            testing::internal::CaptureStderr();
            ButtonClick(0);
            const std::string errors = testing::internal::GetCapturedStderr();
            const std::string& trace = platform.Trace();
            ASSERT_EQ(trace.substr(0, std::string(c.activation).size()), c.activation);
            const std::string typed = trace.substr(std::string(c.activation).size());
            if (length == c.longest) {
                EXPECT_EQ(errors, "");
                EXPECT_EQ(typed, TraceOfPushKeys(ComposeSequence(Buttons[0], c.cutAndPaste)));
                std::size_t keyPresses = 0;
                for (std::size_t at = typed.find("down 0x41 "); at != std::string::npos;
                     at = typed.find("down 0x41 ", at + 1))
                    ++keyPresses;
                EXPECT_EQ(keyPresses, length) << "every character of the insert text is typed";
            } else {
                EXPECT_EQ(errors, "Error in PushKeys(): string too long.\n");
                EXPECT_EQ(typed, "") << "nothing at all is typed, not even the wrappers";
            }
        }
    }
}

TEST_F(ButtonClickTest, LooksTheWindowUpOnEveryClick) {
    SetButtons({{"x", "Editor"}});
    ButtonClick(0);
    EXPECT_EQ(platform.Trace(), "activate 5\n" + TraceOfPushKeys("x"));
    platform.RequestClose(5);
    platform.ClearTrace();
    ButtonClick(0);
    EXPECT_EQ(platform.Trace(), "") << "the closed window is not remembered, and no Alt+Tab stands in";
    platform.windows.push_back({9, "Other - Editor", "Editor"});
    ButtonClick(0);
    EXPECT_EQ(platform.Trace(), "activate 9\n" + TraceOfPushKeys("x"));
}

TEST_F(ButtonClickTest, AWindowThatClosesAfterTheLookupDropsTheClick) {
    WindowServiceRelay windows(platform);
    windows.afterListing = [&] { windows.Vanish(5); };
    Platform services = platform.Services();
    services.windows = &windows;
    InstallPlatform(services);
    SetButtons({{"x", "Editor"}});
    ButtonClick(0);
    EXPECT_EQ(FoundWindow, 5u) << "the lookup found it";
    EXPECT_EQ(platform.Trace(), "");
}

}  // namespace
}  // namespace keystrip
