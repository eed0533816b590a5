// Whole runs of the bar over the recording platform: the entry from the command
// line to the end of the process, the platform calls on the way, and the
// configuration file afterwards.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/startup.h"
#include "bar_fixture.h"
#include "keys/push_keys.h"

namespace keystrip {
namespace {

class WholeRunTest : public BarTest {
protected:
    void TearDown() override {
        // The entry's readers live until the process ends; here the test ends.
        for (TIniFile* reader : readers_) delete reader;
        BarTest::TearDown();
    }

    // A start of the bar; a start from inside a running bar replaces ConfigFile.
    int Start() {
        if (ConfigFile) readers_.insert(ConfigFile);
        const int code = KeystripMain({kPath});
        if (ConfigFile) readers_.insert(ConfigFile);
        return code;
    }

    // What the driver types for a sequence, on a platform of its own.
    static std::string Typed(const char* sequence, std::int32_t delay) {
        recording::RecordingPlatform reference;
        InstallPlatform(reference.Services());
        KeyDelay = delay;
        PushKeys(sequence);
        return reference.Trace();
    }

    std::set<TIniFile*> readers_;
};

TEST_F(WholeRunTest, StartShowClickMoveAndClose) {
    const std::string typed = Typed("Dear {TAB}", 3);
    InstallPlatform(p.Services());
    KeyDelay = 0;
    const std::string config =
        "[Keystrip]\nTitle=Letters\nSleep=3\nShowHints=1\nStayOnTop=0\n"
        "[Button1]\nCaption=Hi\nHint=Greeting\nInsertText=Dear {TAB}\nDestination=^Editor\n"
        "[Button2]\nCaption=Bye\nFont=Arial,10,B\nInsertText=Yours\nDestination=Mail\n";
    p.files[kPath] = config;
    p.windows = {{7, "Editor - letter.txt", "Edit"}};
    p.UserClicks(0);
    p.UserClicks(1);  // no window matches: the click is dropped
    p.UserMovesBar(300, 200);
    EXPECT_EQ(Start(), 0);
    EXPECT_EQ(
        p.Trace(),
        "app-title Keystrip\n"
        "bar-create TKeystripMainForm Keystrip flags=0 show=1 min=-1,-1 max=-1,-1 normal=120,159,284,394\n"
        "bar-caption Letters\n"
        "app-title Letters\n"
        "bar-hints 1\n"
        "bar-stay-on-top 0\n"
        "button-add 0 caption=Hi font=MS Sans Serif,8,,0,0x80000008 hint=Greeting\n"
        "button-add 1 caption=Bye font=Arial,10,B,0,0x80000008 hint=\n"
        "button-bounds 0 0,0 34x24\n"
        "button-bounds 1 0,0 34x24\n"
        "bar-repaint\n"
        "bar-placement flags=0 show=0 min=-1,-1 max=-4,-4 normal=120,159,284,394\n"
        "bar-show\n"
        "button-bounds 0 0,0 34x24\n"
        "button-bounds 1 34,0 34x24\n"
        "user click 0\n"
        "activate 7\n" +
            typed +
            "user click 1\n"
            "user move 300,200\n"
            "user close\n" +
            SaveWrites("300,200,464,435") +
            "button-remove 0\n"
            "button-remove 1\n"
            "bar-destroy\n");
    EXPECT_EQ(File(), config +
                          "[TKeystripMainForm]\nFlags=0\nShowCmd=1\nPixelsPerInch=96\n"
                          "MinMaxPos(1024x768)=-1,-1,-4,-4\nMinMaxPos=-1,-1,-4,-4\n"
                          "NormPos(1024x768)=300,200,464,435\nNormPos=300,200,464,435\nVisible=0\n");
}

TEST_F(WholeRunTest, ASecondStartClosesTheRunningBarWhichSavesItsPlacement) {
    p.files[kPath] = "[Keystrip]\nTitle=Bar\n[Button1]\nInsertText=x\n";
    int second = -1;
    p.UserMovesBar(300, 200);
    p.UserDoes([&] {
        p.Record("second start");
        second = Start();
    });
    p.UserClicks(0);  // never happens: the bar has closed
    EXPECT_EQ(Start(), 0);
    EXPECT_EQ(second, 1);
    EXPECT_EQ(TraceBetween("second start", ""),
              "second start\n"
              "bring-forward 47680\n"
              "close 47680\n" +
                  SaveWrites("300,200,464,435") +
                  "button-remove 0\n"
                  "bar-destroy\n");

    // A third start opens the bar again, where it was.
    p.ClearTrace();
    EXPECT_EQ(Start(), 0);
    EXPECT_NE(p.Trace().find("bar-placement flags=0 show=0 min=-1,-1 max=-4,-4 normal=300,200,464,435\n"
                             "bar-repaint\n"),
              std::string::npos)
        << p.Trace();
}

TEST_F(WholeRunTest, AConfigurationWithoutButtonsEndsWithCodeZeroAndWritesNothing) {
    const std::string config = "[Keystrip]\nTitle=Bar\n[Button2]\nInsertText=x\n";
    p.files[kPath] = config;
    EXPECT_EQ(Start(), 0);
    EXPECT_EQ(
        TraceLines({"message-box", "bar-", "write"}),
        "bar-create TKeystripMainForm Keystrip flags=0 show=1 min=-1,-1 max=-1,-1 normal=120,159,284,394\n"
        "bar-caption Bar\n"
        "bar-hints 0\n"
        "bar-stay-on-top 1\n"
        "message-box Bar: Error: ButtonCount property not found in configuration file.\n"
        "bar-close\n"
        "bar-destroy\n");
    EXPECT_EQ(File(), config);
}

TEST_F(WholeRunTest, AReadOnlyConfigurationStillEndsWithCodeZeroAndStaysAsItWas) {
    const std::string config = "[Keystrip]\nTitle=Bar\n[Button1]\nInsertText=x\n";
    p.files[kPath] = config;
    p.readOnlyFiles.insert(kPath);
    EXPECT_EQ(Start(), 0);
    EXPECT_EQ(TraceLines({"exception", "bar-destroy"}),
              "exception Bar: Unable to write to C:\\bars\\bar.ini.\n"
              "exception Bar: Unable to write to C:\\bars\\bar.ini.\n"
              "bar-destroy\n");
    EXPECT_EQ(File(), config);
}

}  // namespace
}  // namespace keystrip
