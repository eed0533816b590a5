#include "app/config_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/keystrip_error.h"
#include "platform/recording/recording_platform.h"

namespace keystrip {
namespace {

class ConfigFileTest : public ::testing::Test {
protected:
    void SetUp() override { InstallPlatform(platform.Services()); }

    // A reader of one file whose [Keystrip] section holds key=value.
    TIniFile FileWith(const std::string& key, const std::string& value) {
        platform.files[".\\bar.ini"] = "[Keystrip]\r\n" + key + "=" + value + "\r\n";
        return TIniFile(".\\bar.ini");
    }

    recording::RecordingPlatform platform;
};

struct SearchCase {
    const char* name;
    std::vector<std::string> files;
    std::vector<std::string> directories;
    const char* found;  // the reader's path; nullptr when no file is found
};

void ExpectSearch(recording::RecordingPlatform& platform, const SearchCase& c) {
    SCOPED_TRACE(c.name);
    platform.files.clear();
    platform.directories.clear();
    for (const std::string& f : c.files) platform.files[f] = "";
    for (const std::string& d : c.directories) {
        platform.files[d] = "";
        platform.directories.insert(d);
    }
    std::unique_ptr<TIniFile> reader = LocateConfigFile(c.name);
    if (c.found == nullptr) {
        EXPECT_EQ(reader, nullptr) << reader->FileName();
    } else {
        ASSERT_NE(reader, nullptr);
        EXPECT_EQ(reader->FileName(), c.found);
    }
}

TEST_F(ConfigFileTest, SearchesTheWindowsPlacesInOrder) {
    const std::string here = ".\\bar.ini", program = "C:\\Programs\\Keystrip\\bar.ini",
                      windows = "C:\\WINDOWS\\bar.ini";
    const SearchCase cases[] = {
        {"bar", {here, program, windows}, {}, ".\\bar.ini"},
        {"bar", {program, windows}, {}, "C:\\Programs\\Keystrip\\bar.ini"},
        {"bar", {windows}, {}, "C:\\WINDOWS\\bar.ini"},
        {"bar", {}, {}, nullptr},
        {"bar", {windows}, {here}, "C:\\WINDOWS\\bar.ini"},  // a directory does not count
        {"bar.cfg", {".\\bar.cfg.ini", ".\\bar.cfg"}, {}, ".\\bar.cfg"},
        {"bar.", {".\\bar..ini", ".\\bar."}, {}, ".\\bar."},
        {"bar.ini", {here}, {}, ".\\bar.ini"},
        {"sub.d\\bar", {".\\sub.d\\bar.ini"}, {}, ".\\sub.d\\bar.ini"},
        {"sub\\bar", {"C:\\WINDOWS\\sub\\bar.ini"}, {}, "C:\\WINDOWS\\sub\\bar.ini"},
        {"/x/bar", {".\\/x/bar.ini"}, {}, ".\\/x/bar.ini"},  // "/" is no separator on Windows
        // Explicit names are tried alone.
        {"C:\\x\\bar", {"C:\\x\\bar.ini", here}, {}, "C:\\x\\bar.ini"},
        {"C:\\x\\bar", {here, program, windows, ".\\C:\\x\\bar.ini"}, {}, nullptr},
        {"\\x\\bar", {"\\x\\bar.ini"}, {}, "\\x\\bar.ini"},
        {"\\x\\bar", {here, program, windows}, {}, nullptr},
        {"\\\\server\\share\\bar", {"\\\\server\\share\\bar.ini"}, {}, "\\\\server\\share\\bar.ini"},
        {"C:bar", {"C:bar.ini", here}, {}, "C:bar.ini"},
        {"C:\\x.d\\bar", {"C:\\x.d\\bar.ini"}, {}, "C:\\x.d\\bar.ini"},
        {"C:\\x\\bar", {}, {"C:\\x\\bar.ini"}, nullptr},
    };
    for (const SearchCase& c : cases) ExpectSearch(platform, c);
}

TEST_F(ConfigFileTest, SearchesThePosixPlacesInOrder) {
    platform.pathStyle = PathStyle::Posix;
    platform.programPath = "/opt/keystrip/bin/keystrip";
    platform.systemConfigDirectory = "/home/u/.config/keystrip";
    const std::string here = "./bar.ini", program = "/opt/keystrip/bin/bar.ini",
                      config = "/home/u/.config/keystrip/bar.ini";
    const SearchCase cases[] = {
        {"bar", {here, program, config}, {}, "./bar.ini"},
        {"bar", {program, config}, {}, "/opt/keystrip/bin/bar.ini"},
        {"bar", {config}, {}, "/home/u/.config/keystrip/bar.ini"},
        {"bar", {".\\bar.ini", "bar.ini", "C:\\WINDOWS\\bar.ini"}, {}, nullptr},
        {"bar", {config}, {here, program}, "/home/u/.config/keystrip/bar.ini"},
        {"bar.cfg", {"./bar.cfg.ini", "./bar.cfg"}, {}, "./bar.cfg"},
        {"bar.", {"./bar..ini", "./bar."}, {}, "./bar."},
        {"sub.d/bar", {"./sub.d/bar.ini"}, {}, "./sub.d/bar.ini"},
        {"sub/bar", {"/opt/keystrip/bin/sub/bar.ini"}, {}, "/opt/keystrip/bin/sub/bar.ini"},
        // "\" and ":" are plain characters here.
        {"x.d\\bar", {"./x.d\\bar"}, {}, "./x.d\\bar"},
        {"C:\\x\\bar", {"./C:\\x\\bar.ini"}, {}, "./C:\\x\\bar.ini"},
        {"/etc/x/bar", {"/etc/x/bar.ini", here}, {}, "/etc/x/bar.ini"},
        {"/etc/x/bar", {here, program, config, "./etc/x/bar.ini"}, {}, nullptr},
        {"/etc/x/bar", {}, {"/etc/x/bar.ini"}, nullptr},
    };
    for (const SearchCase& c : cases) ExpectSearch(platform, c);
}

TEST_F(ConfigFileTest, WithoutASystemDirectoryOnlyTwoPlacesAreSearched) {
    platform.pathStyle = PathStyle::Posix;
    platform.programPath = "/opt/keystrip/bin/keystrip";
    platform.systemConfigDirectory = "";
    ExpectSearch(platform, {"bar", {"/bar.ini", "bar.ini"}, {}, nullptr});
    ExpectSearch(platform, {"bar", {"/opt/keystrip/bin/bar.ini"}, {}, "/opt/keystrip/bin/bar.ini"});
}

TEST(ParseIntValue, AcceptsExactlyTheIntegerSyntax) {
    struct Case {
        const char* text;
        bool valid;
        std::int32_t value;
    } cases[] = {
        {"16", true, 16},
        {"-5", true, -5},
        {"+7", true, 7},
        {"   12", true, 12},
        {"0", true, 0},
        {"-0", true, 0},
        {"000000000000042", true, 42},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, INT32_MIN},
        {"$10", true, 16},
        {"0x10", true, 16},
        {"0X1f", true, 31},
        {"x1F", true, 31},
        {"XaBc", true, 0xabc},
        {" $7fffffff", true, INT32_MAX},
        {"$FFFFFFFF", true, -1},
        {"$80000000", true, INT32_MIN},
        {"$000000010", true, 16},
        {"", false, 0},
        {"   ", false, 0},
        {"16ms", false, 0},
        {"12 ", false, 0},
        {"1 2", false, 0},
        {"\t5", false, 0},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"99999999999999999999", false, 0},
        {"+", false, 0},
        {"-", false, 0},
        {"- 5", false, 0},
        {"--5", false, 0},
        {"$", false, 0},
        {"0x", false, 0},
        {"x", false, 0},
        {"-$10", false, 0},
        {"+0x10", false, 0},
        {"$-1", false, 0},
        {"$100000000", false, 0},
        {"$1G", false, 0},
        {"1e3", false, 0},
        {"0b1", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::int32_t value = 12345;
        EXPECT_EQ(ParseIntValue(c.text, value), c.valid);
        EXPECT_EQ(value, c.valid ? c.value : 12345);  // a failed parse leaves the value alone
    }
    std::int32_t value = 0;
    EXPECT_FALSE(ParseIntValue(std::string_view("1\0", 2), value));  // NUL is a character like any other
}

TEST_F(ConfigFileTest, ReadsIntegersAndFallsBackToTheDefault) {
    struct Case {
        const char* value;
        std::int32_t expected;
    } cases[] = {
        {"0x10", 16},    {"$10", 16},        {"16ms", 99},       {"-5", -5},     {"+7", 7},
        {"\" 12\"", 12}, {"0xFFFFFFFF", -1}, {"2147483648", 99}, {"", 99},       {"X1f", 31},
        {"0x", 99},      {"0x-1", 99},       {"  42  ", 42},     {"'$ff'", 255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(FileWith("Sleep", c.value).ReadIntValue("Keystrip", "Sleep", 99), c.expected);
    }
    TIniFile reader = FileWith("Sleep", "5");
    EXPECT_EQ(reader.ReadIntValue("Keystrip", "Other", 99), 99);
    EXPECT_EQ(reader.ReadIntValue("Button1", "Sleep", 99), 99);
    EXPECT_EQ(TIniFile(".\\missing.ini").ReadIntValue("Keystrip", "Sleep", 99), 99);
}

TEST_F(ConfigFileTest, ReadsBooleansAsNumbers) {
    struct Case {
        const char* value;
        bool defaultValue;
        bool expected;
    } cases[] = {
        {"0", true, false},     {"1", false, true},    {"2", false, true},  {"-1", false, true},
        {"0x0", true, false},   {"$1", false, true},   {"yes", true, true}, {"yes", false, false},
        {"true", false, false}, {"false", true, true}, {"", true, true},    {"", false, false},
        {"no", true, true},     {"on", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.value) + (c.defaultValue ? " default true" : " default false"));
        EXPECT_EQ(FileWith("StayOnTop", c.value).ReadBoolValue("Keystrip", "StayOnTop", c.defaultValue),
                  c.expected);
    }
    EXPECT_TRUE(FileWith("Sleep", "0").ReadBoolValue("Keystrip", "StayOnTop", true));
    EXPECT_FALSE(FileWith("Sleep", "0").ReadBoolValue("Keystrip", "StayOnTop", false));
}

TEST_F(ConfigFileTest, ReadsTextCutTo1023Characters) {
    const std::string value = std::string(1000, 'a') + std::string(1000, 'b');
    TIniFile reader = FileWith("InsertText", value);
    EXPECT_EQ(reader.ReadTextValue("Keystrip", "InsertText", ""), value.substr(0, 1023));
    EXPECT_EQ(reader.ReadTextValue("Keystrip", "Missing", value), value.substr(0, 1023));
    EXPECT_EQ(reader.ReadTextValue("Keystrip", "Missing", "def"), "def");
    EXPECT_EQ(FileWith("Caption", "").ReadTextValue("Keystrip", "Caption", "def"), "");
    EXPECT_EQ(TIniFile(".\\missing.ini").ReadTextValue("Keystrip", "Caption", "def"), "def");
}

TEST_F(ConfigFileTest, ReadsTheFileAfreshOnEveryCall) {
    TIniFile reader = FileWith("Title", "One");
    EXPECT_EQ(reader.ReadTextValue("Keystrip", "Title", ""), "One");
    platform.files[".\\bar.ini"] = "[Keystrip]\nTitle=Two\n";
    EXPECT_EQ(reader.ReadTextValue("Keystrip", "Title", ""), "Two");
}

TEST_F(ConfigFileTest, WritesTextNumbersAndBooleans) {
    TIniFile reader = FileWith("Title", "Bar");
    reader.WriteIntValue("TKeystripMainForm", "Flags", -5);
    reader.WriteBoolValue("TKeystripMainForm", "Visible", true);
    reader.WriteBoolValue("TKeystripMainForm", "Other", false);
    reader.WriteTextValue("TKeystripMainForm", "NormPos", "1,2,3,4");
    EXPECT_EQ(platform.files[".\\bar.ini"],
              "[Keystrip]\r\nTitle=Bar\r\n[TKeystripMainForm]\r\nFlags=-5\r\nVisible=1\r\nOther=0\r\n"
              "NormPos=1,2,3,4\r\n");
}

TEST_F(ConfigFileTest, AFailedWriteRaisesUnableToWriteWithThePath) {
    TIniFile reader = FileWith("Title", "Bar");
    platform.readOnlyFiles.insert(".\\bar.ini");
    for (auto write : {+[](const TIniFile& r) { r.WriteTextValue("S", "K", "v"); },
                       +[](const TIniFile& r) { r.WriteIntValue("S", "K", 1); },
                       +[](const TIniFile& r) { r.WriteBoolValue("S", "K", true); }}) {
        try {
            write(reader);
            ADD_FAILURE() << "no exception";
        } catch (const KeystripError& e) {
            EXPECT_STREQ(e.what(), "Unable to write to .\\bar.ini");
        }
    }
    EXPECT_EQ(platform.files[".\\bar.ini"], "[Keystrip]\r\nTitle=Bar\r\n");
}

}  // namespace
}  // namespace keystrip
