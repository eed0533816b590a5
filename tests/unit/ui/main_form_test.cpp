// The main form: what its creation builds, the buttons' common size, the grid,
// the window's style, the message of a configuration without buttons, and clicks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bar_fixture.h"
#include "keys/push_keys.h"
#include "ui/main_form.h"

namespace keystrip {
namespace {

class MainFormTest : public BarTest {};

TEST_F(MainFormTest, OneButtonBarFromStartToClose) {
    UseConfig("[Keystrip]\nTitle=Bar\n[Button1]\nCaption=A\nInsertText=a\n");
    AppTitle = "Bar";
    RunMainForm();
    EXPECT_EQ(
        p.Trace(),
        "app-title Keystrip\n"
        "bar-create TKeystripMainForm Keystrip flags=0 show=1 min=-1,-1 max=-1,-1 normal=120,159,284,394\n"
        "bar-caption Bar\n"
        "app-title Bar\n"
        "bar-hints 0\n"
        "bar-stay-on-top 1\n"
        "taskbar-hide\n"
        "button-add 0 caption=A font=MS Sans Serif,8,,0,0x80000008 hint=\n"
        "button-bounds 0 0,0 12x20\n"
        "bar-repaint\n"
        "bar-placement flags=0 show=0 min=-1,-1 max=-4,-4 normal=120,159,284,394\n"
        "bar-show\n"
        "button-bounds 0 0,0 12x20\n"
        "user close\n" +
            SaveWrites("120,159,284,394") +
            "button-remove 0\n"
            "bar-destroy\n");
    EXPECT_EQ(ButtonCount, 0);
    EXPECT_TRUE(Buttons.empty());
}

// Captions measure 8 pixels per letter and 16 high in the default 8-point font.
TEST_F(MainFormTest, EveryButtonGetsTheLargestCaptionExtentPlusFourOrButtonSize) {
    struct Case {
        const char* name;
        std::string keystrip;              // lines of [Keystrip]
        std::vector<std::string> buttons;  // lines of each [ButtonN] besides InsertText
        bool measureFails;
        int width;
        int height;
    } cases[] = {
        {"one letter and fourteen letters", "", {"Caption=A", "Caption=Fourteen chars"}, false, 116, 20},
        {"width and height taken separately",
         "",
         {"Caption=A\nFont=Arial,20", "Caption=Fourteen chars"},
         false,
         116,
         44},
        {"no caption", "", {"Hint=x"}, false, 4, 20},
        {"ButtonSize with short captions", "ButtonSize=60\n", {"Caption=A", "Caption=B"}, false, 60, 60},
        {"a caption wider than ButtonSize",
         "ButtonSize=60\n",
         {"Caption=A", "Caption=Eight ch"},
         false,
         68,
         60},
        {"a caption taller than ButtonSize",
         "ButtonSize=60\n",
         {"Caption=A\nFont=,30", "Caption=B"},
         false,
         60,
         64},
        {"captions that cannot be measured", "", {"Caption=A", "Caption=Fourteen chars"}, true, 4, 4},
        {"ButtonSize when nothing can be measured", "ButtonSize=60\n", {"Caption=A"}, true, 60, 60},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        p.ClearTrace();
        p.measureFails = c.measureFails;
        std::string text = "[Keystrip]\n" + c.keystrip;
        for (std::size_t i = 0; i < c.buttons.size(); ++i)
            text += "[Button" + std::to_string(i + 1) + "]\n" + c.buttons[i] + "\nInsertText=x\n";
        UseConfig(text);
        p.UserDoes([&] {
            EXPECT_EQ(ButtonWidth, c.width);
            EXPECT_EQ(ButtonHeight, c.height);
        });
        RunMainForm();
        std::string sized;
        const std::string size = std::to_string(c.width) + "x" + std::to_string(c.height);
        for (std::size_t i = 0; i < c.buttons.size(); ++i)
            sized += "button-bounds " + std::to_string(i) + " 0,0 " + size + "\n";
        EXPECT_EQ(TraceBetween("button-bounds", "bar-repaint"), sized);
    }
}

// The bar's grid after the user sized it to an outer width: one line per button.
TEST_F(MainFormTest, ButtonsFillTheOuterWidthRowByRowWithoutGaps) {
    struct Case {
        const char* name;
        int buttonSize;
        int outerWidth;
        int buttons;
        const char* grid;
    } cases[] = {
        {"164 wide, 50 per button: rows of 3, 3 and 1", 50, 164, 7,
         "button-bounds 0 0,0 50x50\nbutton-bounds 1 50,0 50x50\nbutton-bounds 2 100,0 50x50\n"
         "button-bounds 3 0,50 50x50\nbutton-bounds 4 50,50 50x50\nbutton-bounds 5 100,50 50x50\n"
         "button-bounds 6 0,100 50x50\n"},
        {"buttons wider than the bar stack", 200, 164, 3,
         "button-bounds 0 0,0 200x200\nbutton-bounds 1 0,200 200x200\nbutton-bounds 2 0,400 200x200\n"},
        {"exactly three widths: three columns, the last under the frame", 50, 150, 4,
         "button-bounds 0 0,0 50x50\nbutton-bounds 1 50,0 50x50\nbutton-bounds 2 100,0 50x50\n"
         "button-bounds 3 0,50 50x50\n"},
        {"one pixel less: two columns", 50, 149, 3,
         "button-bounds 0 0,0 50x50\nbutton-bounds 1 50,0 50x50\nbutton-bounds 2 0,50 50x50\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        p.ClearTrace();
        std::string text = "[Keystrip]\nButtonSize=" + std::to_string(c.buttonSize) + "\n";
        for (int i = 1; i <= c.buttons; ++i) text += "[Button" + std::to_string(i) + "]\nInsertText=x\n";
        UseConfig(text);
        p.UserSizesBar(c.outerWidth, 300);
        RunMainForm();
        EXPECT_EQ(TraceBetween("button-bounds", "bar-repaint"), [&] {
            std::string sized;
            for (int i = 0; i < c.buttons; ++i) {
                const std::string n = std::to_string(c.buttonSize);
                sized += "button-bounds " + std::to_string(i) + " 0,0 " + n + "x" + n + "\n";
            }
            return sized;
        }());
        EXPECT_EQ(TraceBetween("user size", "user close"),
                  "user size " + std::to_string(c.outerWidth) + "x300\n" + c.grid);
    }
}

TEST_F(MainFormTest, StayOnTopTaskbarEntryAndHints) {
    struct Case {
        const char* keystrip;
        const char* style;
    } cases[] = {
        {"", "bar-hints 0\nbar-stay-on-top 1\ntaskbar-hide\n"},
        {"StayOnTop=0\n", "bar-hints 0\nbar-stay-on-top 0\n"},
        {"StayOnTop=0\nTaskbarButton=0\n", "bar-hints 0\nbar-stay-on-top 0\ntaskbar-hide\n"},
        {"TaskbarButton=1\n", "bar-hints 0\nbar-stay-on-top 1\n"},
        {"StayOnTop=yes\n", "bar-hints 0\nbar-stay-on-top 1\ntaskbar-hide\n"},
        {"ShowHints=1\nStayOnTop=2\n", "bar-hints 1\nbar-stay-on-top 1\ntaskbar-hide\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keystrip);
        SetUp();
        p.ClearTrace();
        UseConfig(std::string("[Keystrip]\n") + c.keystrip + "[Button1]\nHint=Types x\nInsertText=x\n");
        RunMainForm();
        EXPECT_EQ(TraceLines({"bar-hints", "bar-stay-on-top", "taskbar-"}), c.style);
        // Hints reach the buttons whether or not they are shown.
        EXPECT_NE(p.Trace().find("button-add 0 caption= font=MS Sans Serif,8,,0,0x80000008 hint=Types x\n"),
                  std::string::npos);
    }
}

TEST_F(MainFormTest, CreationFillsTheRecordsAndTheProcessValues) {
    UseConfig(
        "[Keystrip]\nCutAndPaste=1\nDestination=Editor\nSleep=0x10\n"
        "[Button1]\nCaption=One\nFont=Arial,10,BI,2,clRed\nInsertText=one\n"
        "[Button2]\nCaption=Two\nInsertText=two{ENTER}\nDestination=\n"
        "[Button3]\nInsertText=three\nDestination=Mail\n"
        "[Button5]\nInsertText=after a gap\n");
    p.UserDoes([&] {
        ASSERT_EQ(ButtonCount, 3);
        ASSERT_EQ(Buttons.size(), 3u);
        EXPECT_EQ(Buttons[0].InsertText, "one");
        EXPECT_EQ(Buttons[0].Destination, "Editor");
        EXPECT_EQ(Buttons[1].InsertText, "two{ENTER}");
        EXPECT_EQ(Buttons[1].Destination, "");
        EXPECT_EQ(Buttons[2].InsertText, "three");
        EXPECT_EQ(Buttons[2].Destination, "Mail");
        EXPECT_TRUE(CutAndPasteMode);
        EXPECT_EQ(KeyDelay, 16);
    });
    RunMainForm();
    EXPECT_EQ(TraceLines({"button-add"}),
              "button-add 0 caption=One font=Arial,10,BI,2,0x000000FF hint=\n"
              "button-add 1 caption=Two font=MS Sans Serif,8,,0,0x80000008 hint=\n"
              "button-add 2 caption= font=MS Sans Serif,8,,0,0x80000008 hint=\n");
    EXPECT_EQ(TraceLines({"button-remove"}), "button-remove 0\nbutton-remove 1\nbutton-remove 2\n");
}

TEST_F(MainFormTest, WithoutButtonsTheMessageIsShownAndTheBarClosesWritingNothing) {
    const std::string text =
        "[Keystrip]\nTitle=Bar\n[Button1]\nCaption=Empty\nInsertText=\n[Button2]\nInsertText=x\n";
    UseConfig(text);
    AppTitle = "Bar";
    p.UserClicks(0);
    RunMainForm();
    EXPECT_EQ(
        p.Trace(),
        "app-title Keystrip\n"
        "bar-create TKeystripMainForm Keystrip flags=0 show=1 min=-1,-1 max=-1,-1 normal=120,159,284,394\n"
        "bar-caption Bar\n"
        "app-title Bar\n"
        "bar-hints 0\n"
        "bar-stay-on-top 1\n"
        "taskbar-hide\n"
        "message-box Bar: Error: ButtonCount property not found in configuration file.\n"
        "bar-close\n"
        "bar-destroy\n");
    EXPECT_EQ(File(), text);
    EXPECT_EQ(ButtonCount, 0);
}

TEST_F(MainFormTest, AClickTypesTheButtonsSequenceIntoItsDestination) {
    // What the driver types for the second button's sequence, on a platform of its own.
    recording::RecordingPlatform reference;
    InstallPlatform(reference.Services());
    KeyDelay = 5;
    PushKeys("Two+1");
    KeyDelay = 0;
    InstallPlatform(p.Services());

    p.windows = {{7, "Editor - notes", "Edit"}};
    UseConfig(
        "[Keystrip]\nSleep=5\nDestination=Editor\n"
        "[Button1]\nInsertText=One\n"
        "[Button2]\nInsertText=Two+1\n");
    p.UserClicks(1);
    RunMainForm();
    EXPECT_EQ(TraceBetween("user click", "user close"), "user click 1\nactivate 7\n" + reference.Trace());
}

TEST_F(MainFormTest, SizeEventsLayOutOnlyABuiltBar) {
    UseConfig("[Button1]\nInsertText=x\n");
    TKeystripMainForm form;
    form.OnResize();  // before creation
    form.OnCreate();
    form.OnResize();
    form.OnClose();
    form.OnResize();  // after the buttons are gone
    form.OnClose();
    EXPECT_EQ(TraceLines({"button-"}),
              "button-add 0 caption= font=MS Sans Serif,8,,0,0x80000008 hint=\n"
              "button-bounds 0 0,0 4x20\n"
              "button-bounds 0 0,0 4x20\n"
              "button-remove 0\n");
}

}  // namespace
}  // namespace keystrip
