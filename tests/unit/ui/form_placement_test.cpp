// The window placement: restored from [TKeystripMainForm] when the bar is shown,
// written back when it closes.
#include <gtest/gtest.h>

#include <string>

#include "bar_fixture.h"
#include "ui/main_form.h"

namespace keystrip {
namespace {

constexpr char kButtons[] = "[Button1]\nInsertText=x\n";
// The placement that the restore always applies last: the designed window,
// hidden, its maximised position the default 4 by 4 sizing frame off the screen.
constexpr char kFinalDesigned[] = "bar-placement flags=0 show=0 min=-1,-1 max=-4,-4 normal=120,159,284,394\n";

class PlacementTest : public BarTest {
protected:
    // The restore's calls: from its first placement or repaint to the show.
    std::string RestoreAndFinal() const {
        std::string kept;
        for (const std::string& line : Lines()) {
            if (line == "bar-show") break;
            if (!kept.empty() || line.rfind("bar-placement", 0) == 0 || line == "bar-repaint")
                kept += line + "\n";
        }
        return kept;
    }
};

TEST_F(PlacementTest, WhatTheRestoreAppliesFromTheSavedKeys) {
    struct Case {
        const char* name;
        const char* section;
        const char* applied;  // the restore's own placement, or "" when nothing is applied
        const char* final;
    } cases[] = {
        {"first run: nothing saved", "", "", kFinalDesigned},
        {"plain keys after the suffixed ones were deleted", "NormPos=300,200,464,435\n",
         "bar-placement flags=0 show=0 min=-1,-1 max=-1,-1 normal=300,200,464,435\n",
         "bar-placement flags=0 show=0 min=-1,-1 max=-4,-4 normal=300,200,464,435\n"},
        {"blanks instead of commas", "NormPos=300 200 464 435\n",
         "bar-placement flags=0 show=0 min=-1,-1 max=-1,-1 normal=300,200,464,435\n",
         "bar-placement flags=0 show=0 min=-1,-1 max=-4,-4 normal=300,200,464,435\n"},
        {"runs of commas and blanks", "NormPos= ,300 ,, 200,464 ,435,\n",
         "bar-placement flags=0 show=0 min=-1,-1 max=-1,-1 normal=300,200,464,435\n",
         "bar-placement flags=0 show=0 min=-1,-1 max=-4,-4 normal=300,200,464,435\n"},
        {"two numbers: right and bottom stay 284 and 394, left is not less than right", "NormPos=300,200\n",
         "", kFinalDesigned},
        {"the key of this screen size wins",
         "NormPos(1024x768)=10,20,174,255\nNormPos=300,200,464,435\nNormPos(800x600)=1,2,3,4\n",
         "bar-placement flags=0 show=0 min=-1,-1 max=-1,-1 normal=10,20,174,255\n",
         "bar-placement flags=0 show=0 min=-1,-1 max=-4,-4 normal=10,20,174,255\n"},
        {"another screen size's key is ignored", "NormPos(800x600)=1,2,3,4\nNormPos=300,200,464,435\n",
         "bar-placement flags=0 show=0 min=-1,-1 max=-1,-1 normal=300,200,464,435\n",
         "bar-placement flags=0 show=0 min=-1,-1 max=-4,-4 normal=300,200,464,435\n"},
        {"an empty suffixed key falls back", "NormPos(1024x768)=\nNormPos=300,200,464,435\n",
         "bar-placement flags=0 show=0 min=-1,-1 max=-1,-1 normal=300,200,464,435\n",
         "bar-placement flags=0 show=0 min=-1,-1 max=-4,-4 normal=300,200,464,435\n"},
        {"saved at other pixels per inch", "PixelsPerInch=120\nNormPos=300,200,464,435\n", "",
         kFinalDesigned},
        {"saved at these pixels per inch", "PixelsPerInch=96\nNormPos=300,200,464,435\n",
         "bar-placement flags=0 show=0 min=-1,-1 max=-1,-1 normal=300,200,464,435\n",
         "bar-placement flags=0 show=0 min=-1,-1 max=-4,-4 normal=300,200,464,435\n"},
        {"MinMaxPos alone; missing words are 0", "Flags=2\nMinMaxPos=5,6,$10\n",
         "bar-placement flags=2 show=0 min=5,6 max=16,0 normal=120,159,284,394\n",
         "bar-placement flags=2 show=0 min=5,6 max=-4,-4 normal=120,159,284,394\n"},
        {"flags alone apply nothing", "Flags=2\n", "", kFinalDesigned},
        {"a bad word reads as its default", "NormPos=300,x,464,394\n",
         "bar-placement flags=0 show=0 min=-1,-1 max=-1,-1 normal=300,159,464,394\n",
         "bar-placement flags=0 show=0 min=-1,-1 max=-4,-4 normal=300,159,464,394\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        p.ClearTrace();
        UseConfig(std::string(kButtons) + "[TKeystripMainForm]\n" + c.section);
        RunMainForm();
        EXPECT_EQ(RestoreAndFinal(), std::string(c.applied) + "bar-repaint\n" + c.final);
    }
}

TEST_F(PlacementTest, ARestoredSizeLaysTheButtonsOutAgain) {
    UseConfig(
        "[Keystrip]\nButtonSize=50\n[Button1]\nInsertText=x\n[Button2]\nInsertText=x\n[Button3]\nInsertText="
        "x\n"
        "[TKeystripMainForm]\nNormPos=300,200,400,435\n");
    RunMainForm();
    EXPECT_EQ(RestoreAndFinal(),
              "bar-placement flags=0 show=0 min=-1,-1 max=-1,-1 normal=300,200,400,435\n"
              "button-bounds 0 0,0 50x50\nbutton-bounds 1 50,0 50x50\nbutton-bounds 2 0,50 50x50\n"
              "bar-repaint\n"
              "bar-placement flags=0 show=0 min=-1,-1 max=-4,-4 normal=300,200,400,435\n");
}

TEST_F(PlacementTest, MovedBarIsSavedAndOpensThereNextTime) {
    UseConfig(kButtons);
    p.UserMovesBar(300, 200);
    RunMainForm();
    EXPECT_EQ(File(),
              "[Button1]\nInsertText=x\n"
              "[TKeystripMainForm]\nFlags=0\nShowCmd=1\nPixelsPerInch=96\n"
              "MinMaxPos(1024x768)=-1,-1,-4,-4\nMinMaxPos=-1,-1,-4,-4\n"
              "NormPos(1024x768)=300,200,464,435\nNormPos=300,200,464,435\nVisible=0\n");

    p.ClearTrace();
    UseConfig(File());
    RunMainForm();
    EXPECT_EQ(RestoreAndFinal(),
              "bar-placement flags=0 show=0 min=-1,-1 max=-4,-4 normal=300,200,464,435\n"
              "bar-repaint\n"
              "bar-placement flags=0 show=0 min=-1,-1 max=-4,-4 normal=300,200,464,435\n");
}

TEST_F(PlacementTest, SavedValuesFollowTheScreenFrameAndMinimisedState) {
    UseConfig(kButtons);
    p.screenSize = {1280, 1024};
    p.sizingFrame = {3, 5};
    p.pixelsPerInch = 120;
    p.UserMovesBar(-20, -7);
    p.UserDoes([&] { p.applicationMinimized = true; });
    RunMainForm();
    EXPECT_EQ(TraceLines({"write"}),
              "write C:\\bars\\bar.ini [TKeystripMainForm] Flags=0\n"
              "write C:\\bars\\bar.ini [TKeystripMainForm] ShowCmd=2\n"
              "write C:\\bars\\bar.ini [TKeystripMainForm] PixelsPerInch=120\n"
              "write C:\\bars\\bar.ini [TKeystripMainForm] MinMaxPos(1280x1024)=-1,-1,-3,-5\n"
              "write C:\\bars\\bar.ini [TKeystripMainForm] MinMaxPos=-1,-1,-3,-5\n"
              "write C:\\bars\\bar.ini [TKeystripMainForm] NormPos(1280x1024)=-20,-7,144,228\n"
              "write C:\\bars\\bar.ini [TKeystripMainForm] NormPos=-20,-7,144,228\n"
              "write C:\\bars\\bar.ini [TKeystripMainForm] Visible=0\n");

    // Minimised is saved, not restored: the next start shows the bar normally.
    p.ClearTrace();
    p.applicationMinimized = false;
    UseConfig(File());
    RunMainForm();
    EXPECT_EQ(RestoreAndFinal(),
              "bar-placement flags=0 show=0 min=-1,-1 max=-3,-5 normal=-20,-7,144,228\n"
              "bar-repaint\n"
              "bar-placement flags=0 show=0 min=-1,-1 max=-3,-5 normal=-20,-7,144,228\n");
}

TEST_F(PlacementTest, TheFirstCloseAddsTheSectionAndKeepsEverythingElse) {
    const std::string before =
        "; my bar\r\n[Keystrip]\r\nTitle = Bar \r\n\r\n[Button1]\r\nCaption=\"Quoted\"\r\nInsertText=x\r\n";
    UseConfig(before);
    RunMainForm();
    EXPECT_EQ(File(), before +
                          "[TKeystripMainForm]\r\nFlags=0\r\nShowCmd=1\r\nPixelsPerInch=96\r\n"
                          "MinMaxPos(1024x768)=-1,-1,-4,-4\r\nMinMaxPos=-1,-1,-4,-4\r\n"
                          "NormPos(1024x768)=120,159,284,394\r\nNormPos=120,159,284,394\r\nVisible=0\r\n");
}

TEST_F(PlacementTest, AFileThatCannotBeWrittenIsReportedAtCloseAndAgainAtDestroy) {
    const std::string text = "[Keystrip]\nTitle=Bar\n[Button1]\nInsertText=x\n";
    UseConfig(text);
    AppTitle = "Bar";
    p.readOnlyFiles.insert(kPath);
    RunMainForm();
    EXPECT_EQ(TraceBetween("user close", ""),
              "user close\n"
              "write-failed C:\\bars\\bar.ini\n"
              "exception Bar: Unable to write to C:\\bars\\bar.ini.\n"
              "button-remove 0\n"
              "write-failed C:\\bars\\bar.ini\n"
              "exception Bar: Unable to write to C:\\bars\\bar.ini.\n"
              "bar-destroy\n");
    EXPECT_EQ(File(), text);
}

TEST_F(PlacementTest, TheDestroyEventSavesOnlyWhatTheCloseDidNotAndSaysSo) {
    UseConfig(kButtons);
    TKeystripMainForm form;
    form.OnCreate();
    form.OnShow();
    p.readOnlyFiles.insert(kPath);
    form.OnCloseQuery();
    form.OnClose();
    p.readOnlyFiles.clear();
    p.ClearTrace();
    form.OnDestroy();
    EXPECT_EQ(TraceLines({"write C:\\bars\\bar.ini [TKeystripMainForm] Visible"}),
              "write C:\\bars\\bar.ini [TKeystripMainForm] Visible=1\n");

    // After a completed save the destroy event writes nothing.
    TKeystripMainForm second;
    second.OnCreate();
    second.OnShow();
    second.OnCloseQuery();
    second.OnClose();
    p.ClearTrace();
    second.OnDestroy();
    EXPECT_EQ(p.Trace(), "");
}

TEST_F(PlacementTest, ABarNeverShownSavesNothing) {
    UseConfig(kButtons);
    TKeystripMainForm form;
    form.OnCreate();
    form.OnCloseQuery();
    form.OnClose();
    form.OnDestroy();
    EXPECT_EQ(TraceLines({"write"}), "");
    EXPECT_EQ(File(), kButtons);
}

}  // namespace
}  // namespace keystrip
