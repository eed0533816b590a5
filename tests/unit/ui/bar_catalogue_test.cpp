#include "ui/bar_catalogue.h"

#include <gtest/gtest.h>

#include "app/config_file.h"
#include "platform/recording/recording_platform.h"

namespace keystrip {
namespace {

using namespace std::string_literals;

constexpr char kPath[] = "C:\\bars\\bar.ini";

class BarCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override { InstallPlatform(platform.Services()); }
    void TearDown() override { InstallPlatform(Platform{}); }

    BarCatalogue Read(const std::string& text) {
        platform.files[kPath] = text;
        return ReadBarCatalogue(TIniFile(kPath));
    }

    // The button captions, joined by "|".
    static std::string Captions(const BarCatalogue& catalogue) {
        std::string captions;
        for (const ButtonDescription& b : catalogue.Buttons)
            captions += (captions.empty() ? "" : "|") + b.Caption;
        return captions;
    }

    static void ExpectDefaultSettings(const BarCatalogue& c) {
        EXPECT_FALSE(c.ShowHints);
        EXPECT_FALSE(c.CutAndPaste);
        EXPECT_EQ(c.Destination, "");
        EXPECT_EQ(c.Sleep, 0);
        EXPECT_TRUE(c.StayOnTop);
        EXPECT_FALSE(c.TaskbarButton);
        EXPECT_EQ(c.ButtonSize, 0);
    }

    recording::RecordingPlatform platform;
};

TEST_F(BarCatalogueTest, ReadsEverySettingAndEveryButtonField) {
    BarCatalogue c = Read(
        "[Keystrip]\nTitle=Mine\nShowHints=1\nCutAndPaste=2\nDestination=Notepad\nSleep=0x10\n"
        "StayOnTop=0\nTaskbarButton=0\nButtonSize=$3C\n"
        "[Button1]\nCaption=One\nFont=Arial,10,B,0,clRed\nHint=first\nInsertText=abc\nDestination=Word\n"
        "[Button2]\nCaption=Two\nInsertText={ENTER}\n");
    EXPECT_TRUE(c.ShowHints);
    EXPECT_TRUE(c.CutAndPaste);
    EXPECT_EQ(c.Destination, "Notepad");
    EXPECT_EQ(c.Sleep, 16);
    EXPECT_FALSE(c.StayOnTop);
    EXPECT_FALSE(c.TaskbarButton);
    EXPECT_EQ(c.ButtonSize, 60);
    ASSERT_EQ(c.Buttons.size(), 2u);
    const ButtonDescription& one = c.Buttons[0];
    EXPECT_EQ(one.Caption, "One");
    EXPECT_EQ(FontSpecOf(one.Font), "Arial,10,B,0,clRed,0");
    EXPECT_EQ(one.Hint, "first");
    EXPECT_EQ(one.InsertText, "abc");
    EXPECT_EQ(one.Destination, "Word");
    const ButtonDescription& two = c.Buttons[1];
    EXPECT_EQ(two.Caption, "Two");
    EXPECT_EQ(FontSpecOf(two.Font), "MS Sans Serif,8,,0,clWindowText,0");
    EXPECT_EQ(two.Hint, "");
    EXPECT_EQ(two.InsertText, "{ENTER}");
    EXPECT_EQ(two.Destination, "Notepad");
    EXPECT_EQ(platform.Trace(), "") << "reading reports nothing";
}

TEST_F(BarCatalogueTest, TaskbarButtonDefaultsToTheOppositeOfStayOnTop) {
    struct Case {
        const char* settings;
        bool stayOnTop;
        bool taskbarButton;
    } cases[] = {
        {"", true, false},
        {"StayOnTop=0\n", false, true},
        {"StayOnTop=yes\n", true, false},
        {"StayOnTop=2\n", true, false},
        {"TaskbarButton=1\n", true, true},
        {"StayOnTop=0\nTaskbarButton=0\n", false, false},
        {"StayOnTop=0\nTaskbarButton=true\n", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.settings);
        BarCatalogue catalogue = Read(std::string("[Keystrip]\n") + c.settings);
        EXPECT_EQ(catalogue.StayOnTop, c.stayOnTop);
        EXPECT_EQ(catalogue.TaskbarButton, c.taskbarButton);
    }
}

TEST_F(BarCatalogueTest, TheButtonListEndsAtTheFirstSectionWithoutInsertText) {
    struct Case {
        const char* text;
        const char* captions;
    } cases[] = {
        {"[Button1]\nCaption=a\nInsertText=1\n[Button2]\nCaption=b\nInsertText=2\n"
         "[Button3]\nCaption=c\n[Button4]\nCaption=d\nInsertText=4\n",
         "a|b"},
        {"[Button1]\nCaption=a\nInsertText=1\n[Button2]\nCaption=b\nInsertText=\n[Button3]\nInsertText=3\n",
         "a"},
        {"[Button2]\nCaption=b\nInsertText=2\n", ""},
        {"[Button1]\nCaption=a\nInsertText=1\n[Button3]\nCaption=c\nInsertText=3\n", "a"},
        {"[Button3]\nCaption=c\nInsertText=3\n[Button1]\nCaption=a\nInsertText=1\n"
         "[Button2]\nCaption=b\nInsertText=2\n",
         "a|b|c"},
        {"[Button1]\nCaption=a\nInsertText=\"\"\n", ""},
        {"[Button01]\nCaption=a\nInsertText=1\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Captions(Read(c.text)), c.captions);
    }
}

TEST_F(BarCatalogueTest, AnEmptyDestinationKeyOverridesTheDefault) {
    BarCatalogue c = Read(
        "[Keystrip]\nDestination=Notepad\n"
        "[Button1]\nInsertText=1\n"
        "[Button2]\nInsertText=2\nDestination=\n"
        "[Button3]\nInsertText=3\nDestination=Word\n");
    ASSERT_EQ(c.Buttons.size(), 3u);
    EXPECT_EQ(c.Buttons[0].Destination, "Notepad");
    EXPECT_EQ(c.Buttons[1].Destination, "");
    EXPECT_EQ(c.Buttons[2].Destination, "Word");
}

TEST_F(BarCatalogueTest, FontsStartFromTheDefaultFontAndSurviveBadValues) {
    BarCatalogue c = Read(
        "[Button1]\nInsertText=1\nFont=Arial,12\n"
        "[Button2]\nInsertText=2\nFont=Tahoma,11,I,2,purple\n"
        "[Button3]\nInsertText=3\nFont=\n");
    ASSERT_EQ(c.Buttons.size(), 3u);
    EXPECT_EQ(FontSpecOf(c.Buttons[0].Font), "Arial,12,,0,clWindowText,0");
    EXPECT_EQ(FontSpecOf(c.Buttons[1].Font), "Tahoma,11,I,2,clWindowText,0");
    EXPECT_EQ(FontSpecOf(c.Buttons[2].Font), "MS Sans Serif,8,,0,clWindowText,0");
}

TEST_F(BarCatalogueTest, AMissingFileReadsAsDefaultsWithoutButtons) {
    platform.files.erase(kPath);
    BarCatalogue c = ReadBarCatalogue(TIniFile(kPath));
    ExpectDefaultSettings(c);
    EXPECT_TRUE(c.Buttons.empty());
}

TEST_F(BarCatalogueTest, BadInputReadsAsDefaults) {
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 131 + 7) % 256);
    const std::string longLine(100000, 'x');
    struct Case {
        const char* name;
        std::string text;
    } cases[] = {
        {"binary", binary},
        {"binary with NUL and 0xFF", "\0\xff\xfe[Keystrip\0]\nSleep=\xff\n"s},
        {"100,000-byte line", longLine + "\n[Keystrip]\n" + longLine},
        {"no section", "ShowHints=1\nSleep=5\nInsertText=abc\nCaption=x\n"},
        {"malformed values", "[Keystrip]\nShowHints=yes\nCutAndPaste=\nSleep=16ms\nButtonSize=99999999999\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BarCatalogue catalogue = Read(c.text);
        ExpectDefaultSettings(catalogue);
        EXPECT_TRUE(catalogue.Buttons.empty());
    }
}

TEST_F(BarCatalogueTest, ValuesWithNulAndHighBytes) {
    const std::string text =
        "[Keystrip]\nDestination=\xff\xfe\n"
        "[Button1]\nCaption=a\0b\nInsertText=\xe4\xff\n"
        "[Button2]\nInsertText=\0two\n"
        "[Button3]\nInsertText=3\n"s;
    BarCatalogue c = Read(text);
    EXPECT_EQ(c.Destination, "\xff\xfe");
    ASSERT_EQ(c.Buttons.size(), 1u) << "a value that begins with NUL is empty and ends the list";
    EXPECT_EQ(c.Buttons[0].Caption, "a");
    EXPECT_EQ(c.Buttons[0].InsertText, "\xe4\xff");
    EXPECT_EQ(c.Buttons[0].Destination, "\xff\xfe");
}

TEST_F(BarCatalogueTest, ALongValueIsCutTo1023Bytes) {
    BarCatalogue c = Read("[Button1]\nInsertText=" + std::string(100000, 'k') + "\n");
    ASSERT_EQ(c.Buttons.size(), 1u);
    EXPECT_EQ(c.Buttons[0].InsertText, std::string(1023, 'k'));
}

}  // namespace
}  // namespace keystrip
