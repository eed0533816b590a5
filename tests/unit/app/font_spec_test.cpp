#include "app/font_spec.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "app/config_file.h"
#include "app/keystrip_error.h"
#include "platform/recording/recording_platform.h"

namespace keystrip {
namespace {

constexpr TColor kRed = 0x0000ff;
constexpr TColor kBlue = 0xff0000;

// A font that differs from the default in every field, so that each case shows
// which fields it changed.
TFont StartFont() {
    TFont font;
    font.SetName("Courier New");
    font.SetSize(9);
    font.SetStyle({true, true, true, true});
    font.SetPitch(2);
    font.SetColor(kBlue);
    return font;
}

TEST(FontSpec, AppliesTheFieldsItHasAndKeepsTheRest) {
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"Arial,12", "Arial,12,BIUS,2,clBlue,0"},
        {"Arial;12;B", "Arial,12,B,2,clBlue,0"},
        {"Arial,,B", "Arial,9,B,2,clBlue,0"},
        {",10", "Courier New,10,BIUS,2,clBlue,0"},
        {"Arial,10,,0,clRed", "Arial,10,,0,clRed,0"},
        {",,Bold", "Courier New,9,B,2,clBlue,0"},
        {",,Underline", "Courier New,9,IU,2,clBlue,0"},
        {",,Strikeout", "Courier New,9,IUS,2,clBlue,0"},
        {",,sub", "Courier New,9,BUS,2,clBlue,0"},
        {",,,,CLRED", "Courier New,9,,2,clRed,0"},
        {",,,,255", "Courier New,9,,2,clRed,0"},
        {",,,,$FF", "Courier New,9,,2,clRed,0"},
        {",,,,0xFF", "Courier New,9,,2,clRed,0"},
        {",,BIUS,,x80000008", "Courier New,9,BIUS,2,clWindowText,0"},
        {",,,,-1", "Courier New,9,,2,0xFFFFFFFF,0"},
        {"", "Courier New,9,BIUS,2,clBlue,0"},
        {"Arial,", "Arial,9,BIUS,2,clBlue,0"},
        {"Arial,14,,,", "Arial,14,,2,clBlue,0"},
        {"Arial,12pt,B,fixed", "Arial,9,B,2,clBlue,0"},
        {"Arial,0x10,B,$1", "Arial,16,B,1,clBlue,0"},
        {"Arial,-7,,99", "Arial,-7,,99,clBlue,0"},
        {"  Arial \t, 12 ,\tI , 1 , clRed ", "Arial,12,I,1,clRed,0"},
        {"Arial,10,B,1,clRed,99,junk;more", "Arial,10,B,1,clRed,0"},
        {"\x01\x1f Arial Black\x7f,10", "Arial Black\x7f,10,BIUS,2,clBlue,0"},
        {"1234567890123456789012345678901234567890,10", "1234567890123456789012345678901,10,BIUS,2,clBlue,0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TFont font = StartFont();
        ApplyFontSpec(c.text, font);
        EXPECT_EQ(FontSpecOf(font), c.expected);
    }
}

TEST(FontSpec, ABadColourKeepsTheColourAndEveryFieldBeforeIt) {
    for (const char* text : {"Arial,14,,,red", "Arial,14,,,;", "Arial,14,,, \t,1", "Arial,14,,,12ab"}) {
        SCOPED_TRACE(text);
        TFont font = StartFont();
        EXPECT_THROW(ApplyFontSpec(text, font), KeystripError);
        EXPECT_EQ(FontSpecOf(font), "Arial,14,,2,clBlue,0");
    }
}

TEST(FontSpec, RaisesExactlyOneNotificationAndKeepsItsHandler) {
    for (const char* text :
         {"", "Arial,12,BI,1,clRed,0", "Arial,12,B,1,red", "Courier New,9,BIUS,2,clBlue"}) {
        SCOPED_TRACE(text);
        TFont font = StartFont();
        int notifications = 0;
        font.OnChange = [&] { ++notifications; };
        try {
            ApplyFontSpec(text, font);
        } catch (const KeystripError&) {
        }
        EXPECT_EQ(notifications, 1);
        font.SetSize(30);
        EXPECT_EQ(notifications, 2) << "the handler is attached again";
    }
}

TEST(FontSpec, TheDefaultFontIsWrittenAndReadBackUnchanged) {
    TFont font;
    EXPECT_EQ(FontSpecOf(font), "MS Sans Serif,8,,0,clWindowText,0");
    ApplyFontSpec(FontSpecOf(font), font);
    EXPECT_EQ(font, TFont());
}

TEST(FontSpec, AColourOutsideTheTableIsWrittenInHexAndReadBack) {
    TFont font;
    font.SetColor(18 << 16 | 52 << 8 | 86);
    EXPECT_EQ(FontSpecOf(font), "MS Sans Serif,8,,0,0x00123456,0");
    TFont copy;
    ApplyFontSpec(FontSpecOf(font), copy);
    EXPECT_EQ(copy.Color(), font.Color());
}

TEST(FontSpec, StyleLettersComeInTheOrderBIUS) {
    EXPECT_EQ(StyleLetters({}), "");
    EXPECT_EQ(StyleLetters({true, false, false, false}), "B");
    EXPECT_EQ(StyleLetters({false, true, false, true}), "IS");
    EXPECT_EQ(StyleLetters(ParseStyleLetters("s-u-i-b")), "BIUS");
}

TEST(FontSpec, NextFieldEndsEachFieldAtOneDelimiter) {
    struct Case {
        const char* text;
        std::size_t position;
        const char* field;
        std::size_t next;
    } cases[] = {
        {"a,b", 1, "a", 3},  {"a,b", 3, "b", 4},  {"a;;b", 3, "", 4},     {",", 1, "", 2},
        {"ab,", 1, "ab", 4}, {"abc", 2, "bc", 4}, {"x,yz;w", 3, "yz", 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " @" + std::to_string(c.position));
        std::size_t position = c.position;
        EXPECT_EQ(NextField(c.text, position), c.field);
        EXPECT_EQ(position, c.next);
    }
}

TEST(FontColors, EveryTableNameTranslatesBothWays) {
    std::set<std::string> names;
    std::set<TColor> colors;
    for (const NamedColor& row : kColorTable) {
        SCOPED_TRACE(row.name);
        names.insert(row.name);
        colors.insert(row.color);
        EXPECT_EQ(ColorToText(row.color), row.name);
        EXPECT_EQ(TextToColor(row.name), row.color);
        std::string lower = row.name;
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(TextToColor(lower), row.color);
    }
    EXPECT_EQ(names.size(), kColorTableSize);
    EXPECT_EQ(colors.size(), kColorTableSize);
}

TEST(FontColors, ValuesOfTheTable) {
    struct Case {
        const char* name;
        TColor color;
    } cases[] = {
        {"clBlack", 0x000000},        {"clMaroon", 0x000080},    {"clOlive", 0x008080},
        {"clSilver", 0xc0c0c0},       {"clRed", kRed},           {"clBlue", kBlue},
        {"clAqua", 0xffff00},         {"clWhite", 0xffffff},     {"clScrollBar", 0x80000000},
        {"clWindowText", 0x80000008}, {"clBtnFace", 0x8000000f}, {"clInfoBk", 0x80000018},
        {"cl3DDkShadow", 0x80000015}, {"clNone", 536870911},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TextToColor(c.name), c.color);
    }
    EXPECT_EQ(ColorToText(0x80000019), "0x80000019");
    EXPECT_EQ(ColorToText(0x00000001), "0x00000001");
    EXPECT_EQ(ColorToText(0xABCDEF), "0x00ABCDEF");
}

TEST(FontColors, NumbersAreReadInTheConfigurationSyntaxAndAnythingElseFails) {
    EXPECT_EQ(TextToColor("  255"), kRed);
    EXPECT_EQ(TextToColor("+255"), kRed);
    EXPECT_EQ(TextToColor("XfF"), kRed);
    EXPECT_EQ(TextToColor("-2147483648"), 0x80000000u);
    for (const char* text : {"", "red", "clRedd", "255 ", "2147483648", "0x", "$-1", "1e3"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(TextToColor(text), KeystripError);
    }
}

class ReadFontKeyTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform.files["C:\\bar.ini"] =
            "[Button1]\nFont=Arial,12,B\n"
            "[Button2]\nFont=Tahoma,11,U,1,clLime\n"
            "[Button3]\nFont=Verdana,14,I,1,blue\n";
        InstallPlatform(platform.Services());
    }
    void TearDown() override { InstallPlatform(Platform{}); }

    recording::RecordingPlatform platform;
    TIniFile config{"C:\\bar.ini"};
};

TEST_F(ReadFontKeyTest, AppliesTheKeyAndSwallowsABadColour) {
    struct Case {
        const char* section;
        const char* expected;
    } cases[] = {
        {"Button1", "Arial,12,B,2,clBlue,0"},
        {"Button2", "Tahoma,11,U,1,clLime,0"},
        {"Button3", "Verdana,14,I,1,clBlue,0"},
        {"Button4", "Courier New,9,BIUS,2,clBlue,0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.section);
        TFont font = StartFont();
        int notifications = 0;
        font.OnChange = [&] { ++notifications; };
        TFont& result = ReadFontKey(config, c.section, "Font", font);
        EXPECT_EQ(&result, &font);
        EXPECT_EQ(FontSpecOf(font), c.expected);
        EXPECT_EQ(notifications, 1) << "every button whose Font key is read gets its own font";
    }
    EXPECT_EQ(platform.Trace(), "") << "nothing is reported";
}

TEST(ApplyFontKeyValue, LeavesWhatWasAppliedBeforeAnError) {
    TFont font = StartFont();
    ApplyFontKeyValue("Arial,20,,1,not-a-colour", font);
    EXPECT_EQ(FontSpecOf(font), "Arial,20,,1,clBlue,0");
}

}  // namespace
}  // namespace keystrip
