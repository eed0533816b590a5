// The Linux file service over real files.
#include "platform/posix/posix_file_service.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "../support/temp_folder.h"

namespace keystrip::posix {
namespace {

using test_support::FolderEntries;
using test_support::ModeOf;
using test_support::ReadFile;
using test_support::TempFolder;
using test_support::WriteFile;

class PosixFileServiceTest : public ::testing::Test {
protected:
    PosixFileService files;
    TempFolder folder;
};

TEST_F(PosixFileServiceTest, WritesReplaceAddAndKeepEveryOtherByte) {
    const std::string path = folder / "bar.ini";
    WriteFile(
        path,
        "; Keystrip\r\n\r\n[Keystrip]\r\nTitle = Bar ; not a comment\r\n\r\n"
        "[TKeystripMainForm]\r\n  Flags = 0  \r\n; saved by the bar\r\n\r\n\r\n[Button1]\r\nInsertText=x");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    EXPECT_TRUE(files.WriteProfileString("TKeystripMainForm", "Flags", "2", path));
    EXPECT_TRUE(files.WriteProfileString("tkeystripmainform", "NormPos(1024x768)", "1,2,3,4", path));
    EXPECT_TRUE(files.WriteProfileString("Button1", "Caption", "c", path));
    EXPECT_TRUE(files.WriteProfileString("Button2", "InsertText", "y", path));
    EXPECT_EQ(
        ReadFile(path),
        "; Keystrip\r\n\r\n[Keystrip]\r\nTitle = Bar ; not a comment\r\n\r\n"
        "[TKeystripMainForm]\r\n  Flags = 2  \r\n; saved by the bar\r\nNormPos(1024x768)=1,2,3,4\r\n\r\n\r\n"
        "[Button1]\r\nInsertText=x\r\nCaption=c\r\n[Button2]\r\nInsertText=y\r\n");
    EXPECT_EQ(ModeOf(path), 0640u);
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"bar.ini"});
    EXPECT_EQ(files.ReadProfileString("TKeystripMainForm", "NormPos(1024x768)", "", path), "1,2,3,4");
}

TEST_F(PosixFileServiceTest, AWriteCreatesAMissingFileButNoFolder) {
    const mode_t oldMask = ::umask(022);
    const std::string path = folder / "new.ini";
    EXPECT_TRUE(files.WriteProfileString("TKeystripMainForm", "Flags", "0", path));
    ::umask(oldMask);
    EXPECT_EQ(ReadFile(path), "[TKeystripMainForm]\nFlags=0\n");
    EXPECT_EQ(ModeOf(path), 0644u);
    EXPECT_FALSE(files.WriteProfileString("S", "k", "v", folder / "missing/new.ini"));
    EXPECT_FALSE(files.WriteProfileString("S", "k", "v", folder.Path()));
}

TEST_F(PosixFileServiceTest, AWriteThroughALinkUpdatesTheFileItNames) {
    ASSERT_EQ(::mkdir((folder / "real").c_str(), 0755), 0);
    const std::string target = folder / "real/bar.ini", link = folder / "bar.ini";
    WriteFile(target, "[A]\nx=1\n");
    ASSERT_EQ(::symlink("real/bar.ini", link.c_str()), 0);
    EXPECT_TRUE(files.WriteProfileString("A", "x", "2", link));
    struct stat st;
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(ReadFile(target), "[A]\nx=2\n");
    EXPECT_EQ(FolderEntries(folder / "real"), std::vector<std::string>{"bar.ini"});
}

TEST_F(PosixFileServiceTest, ReadsUtf8AsCodePage1252AndOtherBytesAsTheyAre) {
    struct Case {
        const char* name;
        std::string contents;
        std::string caption;
    } cases[] = {
        {"UTF-8", "[B\xc3\xa4r]\nCaption=caf\xc3\xa9 \xe2\x82\xac \xc4\x81\xe6\x97\xa5\n", "caf\xe9 \x80 ??"},
        {"UTF-8 with a byte order mark", "\xef\xbb\xbf[B\xc3\xa4r]\r\nCaption=\xc3\xa9\r\n", "\xe9"},
        {"1252", "[B\xe4r]\nCaption=caf\xe9 \x80\n", "caf\xe9 \x80"},
        {"1252 that looks like UTF-8 in places", "[B\xe4r]\nCaption=\xc3\xa9\n", "\xc3\xa9"},
        {"ASCII", "[B\xe4r]\nCaption=plain\n", "plain"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder / "enc.ini";
        WriteFile(path, c.contents);
        EXPECT_EQ(files.ReadProfileString("B\xe4r", "Caption", "default", path), c.caption);
    }
}

TEST_F(PosixFileServiceTest, WritesKeepTheFilesEncoding) {
    struct Case {
        const char* name;
        std::string contents;
        std::string expected;
    } cases[] = {
        {"UTF-8", "\xef\xbb\xbf[B\xc3\xa4r]\nHint=\xe2\x82\xac\n",
         "\xef\xbb\xbf[B\xc3\xa4r]\nHint=\xe2\x82\xac\nCaption=caf\xc3\xa9 \xe2\x82\xac\n"},
        {"1252", "[B\xe4r]\nHint=\x80\n", "[B\xe4r]\nHint=\x80\nCaption=caf\xe9 \x80\n"},
        {"new", "", "[B\xc3\xa4r]\nCaption=caf\xc3\xa9 \xe2\x82\xac\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder / (std::string(c.name) + ".ini");
        if (!c.contents.empty()) WriteFile(path, c.contents);
        EXPECT_TRUE(files.WriteProfileString("B\xe4r", "Caption", "caf\xe9 \x80", path));
        EXPECT_EQ(ReadFile(path), c.expected);
        EXPECT_EQ(files.ReadProfileString("B\xe4r", "Caption", "", path), "caf\xe9 \x80");
    }
}

TEST_F(PosixFileServiceTest, ReadsCutValuesAndGiveTheDefaultForWhatCannotBeRead) {
    const std::string path = folder / "bar.ini";
    const std::string longValue = std::string(1000, 'a') + std::string(1000, 'b');
    WriteFile(path, "[Keystrip]\nInsertText=" + longValue + "\n");
    EXPECT_EQ(files.ReadProfileString("Keystrip", "InsertText", "", path), longValue.substr(0, 1023));
    EXPECT_EQ(files.ReadProfileString("Keystrip", "Missing", longValue, path), longValue.substr(0, 1023));
    EXPECT_EQ(files.ReadProfileString("Keystrip", "Title", "def", folder / "missing.ini"), "def");
    EXPECT_EQ(files.ReadProfileString("Keystrip", "Title", "def", folder.Path()), "def");
    // A FIFO would block a reader that waits for a writer.
    const std::string fifo = folder / "fifo.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    EXPECT_EQ(files.ReadProfileString("Keystrip", "Title", "def", fifo), "def");
    EXPECT_FALSE(files.WriteProfileString("Keystrip", "Title", "x", fifo));
}

TEST_F(PosixFileServiceTest, FileExistsForFilesButNotFolders) {
    ASSERT_EQ(::mkdir((folder / "bar.ini").c_str(), 0755), 0);
    WriteFile(folder / "file.ini", "");
    ASSERT_EQ(::symlink("file.ini", (folder / "link.ini").c_str()), 0);
    ASSERT_EQ(::symlink("bar.ini", (folder / "dirlink.ini").c_str()), 0);
    ASSERT_EQ(::symlink("nowhere", (folder / "dangling.ini").c_str()), 0);
    EXPECT_TRUE(files.FileExists(folder / "file.ini"));
    EXPECT_TRUE(files.FileExists(folder / "link.ini"));
    EXPECT_FALSE(files.FileExists(folder / "bar.ini"));
    EXPECT_FALSE(files.FileExists(folder / "dirlink.ini"));
    EXPECT_FALSE(files.FileExists(folder / "dangling.ini"));
    EXPECT_FALSE(files.FileExists(folder / "missing.ini"));
    EXPECT_FALSE(files.FileExists(""));
}

TEST_F(PosixFileServiceTest, KnowsTheProgramAndItsStyle) {
    EXPECT_EQ(files.Style(), PathStyle::Posix);
    const std::string program = files.ProgramPath();
    EXPECT_TRUE(program.starts_with("/")) << program;
    EXPECT_TRUE(program.ends_with("/platform_tests")) << program;
    EXPECT_TRUE(files.FileExists(program));
}

// Sets or unsets an environment variable for one test.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnvironment() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST_F(PosixFileServiceTest, FindsTheUsersConfigurationFolder) {
    struct Case {
        const char* xdgConfigHome;
        const char* home;
        const char* expected;
    } cases[] = {
        {"/xdg/config", "/home/u", "/xdg/config/keystrip"},
        {"/xdg/config/", "/home/u", "/xdg/config/keystrip"},
        {nullptr, "/home/u", "/home/u/.config/keystrip"},
        {"", "/home/u/", "/home/u/.config/keystrip"},
        {"relative/config", "/home/u", "/home/u/.config/keystrip"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xdgConfigHome ? c.xdgConfigHome : "unset");
        ScopedEnvironment xdg("XDG_CONFIG_HOME", c.xdgConfigHome);
        ScopedEnvironment home("HOME", c.home);
        EXPECT_EQ(files.SystemConfigDirectory(), c.expected);
    }
}

TEST_F(PosixFileServiceTest, FallsBackToThePasswordEntryWithoutHome) {
    ScopedEnvironment xdg("XDG_CONFIG_HOME", nullptr);
    ScopedEnvironment home("HOME", "");
    const std::string directory = files.SystemConfigDirectory();
    EXPECT_TRUE(directory.starts_with("/")) << directory;
    EXPECT_TRUE(directory.ends_with("/.config/keystrip")) << directory;
}

}  // namespace
}  // namespace keystrip::posix
