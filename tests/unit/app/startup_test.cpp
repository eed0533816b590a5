#include "app/startup.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/config_file.h"
#include "app/keystrip_error.h"
#include "platform/recording/recording_platform.h"

namespace keystrip {
namespace {

using recording::RecordedWindow;

constexpr char kBarClass[] = "TKeystripMainForm";
constexpr char kOneButton[] = "[Button1]\nCaption=Hi\nInsertText=hello\n";

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { InstallPlatform(platform.Services()); }
    void TearDown() override {
        ResetProcessValues();
        InstallPlatform(Platform{});
    }

    // Each run of the entry stands for a process of its own.
    void ResetProcessValues() {
        delete ConfigFile;  // the bar never frees it: its process ends instead
        ConfigFile = nullptr;
        AppTitle = "Keystrip";
        platform.ClearTrace();
    }

    bool BarWasCreated() const { return platform.Trace().find("bar-create") != std::string::npos; }

    recording::RecordingPlatform platform;
};

TEST_F(StartupTest, NotExactlyOneArgumentShowsTheUsageAndExits3) {
    struct Case {
        std::vector<std::string> arguments;
        std::string programPath;
        PathStyle style;
        const char* trace;
    } cases[] = {
        {{},
         "C:\\Programs\\Keystrip\\keystrip.exe",
         PathStyle::Windows,
         "message-box Keystrip: Usage: keystrip.exe<configuration>\n"},
        {{"bar", "more"},
         "C:\\Programs\\Keystrip\\keystrip.exe",
         PathStyle::Windows,
         "message-box Keystrip: Usage: keystrip.exe<configuration>\n"},
        {{}, "C:KEYS.EXE", PathStyle::Windows, "message-box Keystrip: Usage: KEYS.EXE<configuration>\n"},
        {{},
         "/usr/local/bin/keystrip",
         PathStyle::Posix,
         "message-box Keystrip: Usage: keystrip<configuration>\n"},
        {{}, "", PathStyle::Windows, "message-box Keystrip: Usage: <configuration>\n"},
    };
    platform.files["C:\\Programs\\Keystrip\\bar.ini"] = kOneButton;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.programPath);
        platform.ClearTrace();
        platform.programPath = c.programPath;
        platform.pathStyle = c.style;
        EXPECT_EQ(KeystripMain(c.arguments), 3);
        EXPECT_EQ(platform.Trace(), c.trace);
        EXPECT_EQ(ConfigFile, nullptr);
    }
}

TEST_F(StartupTest, AMissingConfigurationIsNamedAsTypedAndExits2) {
    platform.directories.insert(".\\bar.ini");
    platform.files[".\\bar.ini"] = kOneButton;  // a directory: does not count
    for (const char* name : {"bar", "C:\\x\\bar", "bar.ini", "\"odd name\""}) {
        SCOPED_TRACE(name);
        platform.ClearTrace();
        EXPECT_EQ(KeystripMain({name}), 2);
        EXPECT_EQ(
            platform.Trace(),
            std::string("message-box Keystrip: Error: could not find configuration file ") + name + "\n");
        EXPECT_EQ(ConfigFile, nullptr);
    }
}

TEST_F(StartupTest, AQuotedPathWithBlanksIsOneArgument) {
    platform.files["C:\\My Bars\\tools.ini"] = std::string("[Keystrip]\nTitle=Tools\n") + kOneButton;
    const std::string program = "\"C:\\Program Files\\Keystrip\\keystrip.exe\"";

    EXPECT_EQ(KeystripMain(SplitCommandLineArguments(program + " C:\\My Bars\\tools")), 3);
    EXPECT_EQ(platform.Trace(), "message-box Keystrip: Usage: keystrip.exe<configuration>\n");

    platform.ClearTrace();
    EXPECT_EQ(KeystripMain(SplitCommandLineArguments(program + " \"C:\\My Bars\\tools\"")), 0);
    ASSERT_NE(ConfigFile, nullptr);
    EXPECT_EQ(ConfigFile->FileName(), "C:\\My Bars\\tools.ini");
    EXPECT_EQ(AppTitle, "Tools");
    EXPECT_TRUE(BarWasCreated()) << platform.Trace();
}

TEST_F(StartupTest, ARunningBarOfTheSameTitleIsBroughtForwardAndClosed) {
    struct Case {
        const char* name;
        std::string config;
        std::vector<RecordedWindow> windows;
        const char* trace;
        std::vector<WindowHandle> left;
    } cases[] = {
        {"same title",
         "[Keystrip]\nTitle=Tools\n",
         {{3, "Notepad", "Notepad"}, {7, "Tools", kBarClass}},
         "bring-forward 7\nclose 7\n",
         {3}},
        {"no Title key: the default title",
         "[Button1]\nInsertText=x\n",
         {{7, "Keystrip", kBarClass}},
         "bring-forward 7\nclose 7\n",
         {}},
        {"empty title: any bar comes forward, the close goes to one without a title",
         "[Keystrip]\nTitle=\n",
         {{5, "Other", kBarClass}, {6, "", kBarClass}},
         "bring-forward 5\nclose 6\n",
         {5}},
        {"empty title and no bar without a title: nothing is closed",
         "[Keystrip]\nTitle=\n",
         {{5, "Other", kBarClass}},
         "bring-forward 5\n",
         {5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetProcessValues();
        platform.files[".\\bar.ini"] = c.config + kOneButton;
        platform.windows = c.windows;
        EXPECT_EQ(KeystripMain({"bar"}), 1);
        EXPECT_EQ(platform.Trace(), c.trace);
        std::vector<WindowHandle> left;
        for (const RecordedWindow& w : platform.windows) left.push_back(w.handle);
        EXPECT_EQ(left, c.left);
    }
}

TEST_F(StartupTest, ABarOfAnotherTitleOrClassIsLeftAloneAndTheBarRuns) {
    platform.files[".\\bar.ini"] = std::string("[Keystrip]\nTitle=Tools\n") + kOneButton;
    platform.windows = {{4, "Tools", "Notepad"}, {5, "Other", kBarClass}, {6, "tools", kBarClass}};
    EXPECT_EQ(KeystripMain({"bar"}), 0);
    EXPECT_TRUE(BarWasCreated());
    EXPECT_EQ(platform.Trace().find("bring-forward"), std::string::npos) << platform.Trace();
    EXPECT_EQ(platform.Trace().find("close "), std::string::npos) << platform.Trace();
    EXPECT_EQ(platform.windows.size(), 3u);
}

TEST_F(StartupTest, TheTitleComesFromTheConfigurationOrStaysKeystrip) {
    struct Case {
        const char* config;
        const char* title;
    } cases[] = {
        {"[Keystrip]\nTitle=My bar\n", "My bar"},
        {"[Keystrip]\nSleep=1\n", "Keystrip"},
        {"", "Keystrip"},
        {"[Keystrip]\nTitle=\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.config);
        ResetProcessValues();
        platform.files[".\\bar.ini"] = std::string(c.config) + kOneButton;
        EXPECT_EQ(KeystripMain({"bar"}), 0);
        EXPECT_EQ(AppTitle, c.title);
        EXPECT_TRUE(BarWasCreated());
    }
}

TEST_F(StartupTest, AnErrorOfTheBarIsShownWithTheTitleAndExits0) {
    platform.files[".\\bar.ini"] = std::string("[Keystrip]\nTitle=Tools\n") + kOneButton;
    platform.UserDoes([] { throw KeystripError("Unable to write to .\\bar.ini"); });
    EXPECT_EQ(KeystripMain({"bar"}), 0);
    const std::string& trace = platform.Trace();
    const std::string shown = "exception Tools: Unable to write to .\\bar.ini.\n";
    ASSERT_GE(trace.size(), shown.size()) << trace;
    EXPECT_EQ(trace.substr(trace.size() - shown.size()), shown) << trace;
}

TEST_F(StartupTest, OtherExceptionsAreNotCaught) {
    platform.files[".\\bar.ini"] = kOneButton;
    platform.UserDoes([] { throw std::logic_error("not ours"); });
    EXPECT_THROW(KeystripMain({"bar"}), std::logic_error);
}

TEST(SplitCommandLineArguments, FollowsTheWindowsRules) {
    using Words = std::vector<std::string>;
    struct Case {
        const char* commandLine;
        Words arguments;
    } cases[] = {
        {"", {}},
        {"keystrip.exe", {}},
        {"keystrip.exe bar", {"bar"}},
        {"  keystrip.exe\t bar   more  ", {"bar", "more"}},
        {"keystrip.exe\x01"
         "bar\x1f"
         "x",
         {"bar", "x"}},
        {"\"C:\\Program Files\\keystrip.exe\" bar", {"bar"}},
        {"keystrip \"C:\\My Bars\\bar\"", {"C:\\My Bars\\bar"}},
        {"keystrip C:\\My\" Bars\"\\bar", {"C:\\My Bars\\bar"}},
        {"keystrip \"a\tb\"c \"\"", {"a\tbc"}},
        {"keystrip \"\" bar", {"bar"}},
        {"keystrip \"unterminated run", {"unterminated run"}},
        {"keystrip \xe4\xff", {"\xe4\xff"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine);
        EXPECT_EQ(SplitCommandLineArguments(c.commandLine), c.arguments);
    }
}

}  // namespace
}  // namespace keystrip
