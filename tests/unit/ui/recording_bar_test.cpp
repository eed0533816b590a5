// The recording platform's bar: the order in which it raises the form's events,
// and how it models placement, visibility and caption extents.
#include <gtest/gtest.h>

#include <string>

#include "platform/recording/recording_platform.h"

namespace keystrip::recording {
namespace {

// Records each event into the platform's trace, and lets a test act inside one.
class EventProbe final : public BarEvents {
public:
    explicit EventProbe(RecordingPlatform& platform) : p_(platform) {}
    std::function<void()> onCreate;

    void OnCreate() override {
        p_.Record("on-create");
        if (onCreate) onCreate();
    }
    void OnShow() override { p_.Record("on-show visible=" + std::to_string(p_.IsVisible())); }
    void OnCloseQuery() override { p_.Record("on-close-query"); }
    void OnClose() override { p_.Record("on-close"); }
    void OnDestroy() override { p_.Record("on-destroy"); }
    void OnResize() override { p_.Record("on-resize width=" + std::to_string(p_.OuterWidth())); }
    void OnButtonClick(int tag) override { p_.Record("on-click " + std::to_string(tag)); }

private:
    RecordingPlatform& p_;
};

TEST(RecordingBar, RaisesTheFormEventsInTheOrderOfARealRun) {
    RecordingPlatform p;
    EventProbe probe(p);
    probe.onCreate = [&] { p.AddButton(0, "A", BarFont{}, ""); };
    p.UserClicks(0);
    p.UserClicks(1);  // no such button: nothing reaches the form
    p.UserSizesBar(200, 235);
    p.UserMovesBar(300, 200);
    p.UserSizesBar(200, 300);  // height only: still a size change
    p.RunApplication(probe);
    EXPECT_EQ(
        p.Trace(),
        "bar-create TKeystripMainForm Keystrip flags=0 show=1 min=-1,-1 max=-1,-1 normal=120,159,284,394\n"
        "on-resize width=164\n"
        "on-create\n"
        "button-add 0 caption=A font=MS Sans Serif,8,,0,0x80000008 hint=\n"
        "on-show visible=0\n"
        "bar-show\n"
        "on-resize width=164\n"
        "user click 0\n"
        "on-click 0\n"
        "user click 1\n"
        "user size 200x235\n"
        "on-resize width=200\n"
        "user move 300,200\n"
        "user size 200x300\n"
        "on-resize width=200\n"
        "user close\n"
        "on-close-query\n"
        "on-close\n"
        "on-destroy\n"
        "bar-destroy\n");
    EXPECT_EQ(PlacementLine(p.bar.placement), "flags=0 show=1 min=-1,-1 max=-1,-1 normal=300,200,500,500");
    EXPECT_FALSE(p.bar.exists);
}

TEST(RecordingBar, CloseDuringCreationNeverShowsTheForm) {
    RecordingPlatform p;
    EventProbe probe(p);
    probe.onCreate = [&] { p.Close(); };
    p.UserClicks(0);
    p.RunApplication(probe);
    EXPECT_EQ(
        p.Trace(),
        "bar-create TKeystripMainForm Keystrip flags=0 show=1 min=-1,-1 max=-1,-1 normal=120,159,284,394\n"
        "on-resize width=164\n"
        "on-create\n"
        "bar-close\n"
        "on-close-query\n"
        "on-close\n"
        "on-destroy\n"
        "bar-destroy\n");
}

TEST(RecordingBar, ListsTheFormAmongTheTopLevelWindowsWhileItExists) {
    RecordingPlatform p;
    p.windows = {{7, "Editor", "Edit"}};
    EventProbe probe(p);
    probe.onCreate = [&] { p.SetCaption("Bar"); };
    p.UserDoes([&] {
        ASSERT_EQ(p.windows.size(), 2u);
        EXPECT_EQ(p.windows[0].handle, kRecordedBarHandle);
        EXPECT_EQ(p.windows[0].title, "Bar");
        EXPECT_EQ(p.windows[0].windowClass, "TKeystripMainForm");
        EXPECT_TRUE(p.windows[0].visible);
        EXPECT_EQ(p.FindWindow("TKeystripMainForm", "Bar"), kRecordedBarHandle);
    });
    p.RunApplication(probe);
    ASSERT_EQ(p.windows.size(), 1u);
    EXPECT_EQ(p.windows[0].handle, 7u);
}

TEST(RecordingBar, PlacementHidesShowsAndResizesLikeTheWindowSystem) {
    RecordingPlatform p;
    EventProbe probe(p);
    probe.onCreate = [&] {
        WindowPlacement hidden = p.GetPlacement();
        hidden.showCommand = kShowHidden;
        hidden.normalRect = {10, 20, 174, 255};  // moved, same size
        p.SetPlacement(hidden);
        EXPECT_FALSE(p.IsVisible());
        EXPECT_EQ(p.GetPlacement().showCommand, kShowNormal);  // hiding is no show state
        WindowPlacement shown = hidden;
        shown.showCommand = kShowNormal;
        shown.normalRect = {10, 20, 110, 255};
        p.SetPlacement(shown);
        EXPECT_TRUE(p.IsVisible());
        p.Close();
    };
    p.RunApplication(probe);
    EXPECT_NE(p.Trace().find("bar-placement flags=0 show=0 min=-1,-1 max=-1,-1 normal=10,20,174,255\n"
                             "bar-placement flags=0 show=1 min=-1,-1 max=-1,-1 normal=10,20,110,255\n"
                             "on-resize width=100\n"),
              std::string::npos)
        << p.Trace();
}

TEST(RecordingBar, MeasuresCaptionsByFontSizeAndCanFail) {
    RecordingPlatform p;
    BarFont big;
    big.size = 12;
    EXPECT_EQ(p.MeasureCaption("A", BarFont{}).width, 8);
    EXPECT_EQ(p.MeasureCaption("Fourteen chars", BarFont{}).width, 112);
    EXPECT_EQ(p.MeasureCaption("A", big).width, 12);
    EXPECT_EQ(p.MeasureCaption("A", big).height, 24);
    p.measureFails = true;
    EXPECT_EQ(p.MeasureCaption("A", big).width, 0);
    EXPECT_EQ(p.MeasureCaption("A", big).height, 0);
}

}  // namespace
}  // namespace keystrip::recording
