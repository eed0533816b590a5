// The configuration reader over real files, through the Linux file service.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "../support/child_process.h"
#include "../support/temp_folder.h"
#include "app/config_file.h"
#include "app/keystrip_error.h"
#include "platform/posix/posix_file_service.h"

namespace keystrip {
namespace {

using test_support::FolderEntries;
using test_support::ModeOf;
using test_support::ReadFile;
using test_support::RunInChild;
using test_support::RunningAsAdministrator;
using test_support::TempFolder;
using test_support::WriteFile;

const std::string kOriginal =
    "; placement\r\n[TKeystripMainForm]\r\nFlags=0\r\n\r\n[Keystrip]\r\nTitle=Bar\r\n";

class ConfigFileOnDiskTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = ThePlatform();
        Platform platform;
        platform.files = &files_;
        InstallPlatform(platform);
    }
    void TearDown() override { InstallPlatform(saved_); }

    // The message of the exception that writing a placement value raises; "" when it raises none.
    static std::string WriteError(const std::string& path, const std::string& value = "1") {
        try {
            TIniFile(path).WriteTextValue("TKeystripMainForm", "Flags", value);
        } catch (const KeystripError& e) {
            return e.what();
        }
        return "";
    }

    TempFolder folder_;

private:
    posix::PosixFileService files_;
    Platform saved_;
};

TEST_F(ConfigFileOnDiskTest, AReadOnlyFileIsLeftAloneEvenForTheAdministrator) {
    const std::string path = folder_ / "bar.ini";
    WriteFile(path, kOriginal);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(WriteError(path), "Unable to write to " + path);
    EXPECT_EQ(ReadFile(path), kOriginal);
    EXPECT_EQ(ModeOf(path), 0444u);
    EXPECT_EQ(FolderEntries(folder_.Path()), std::vector<std::string>{"bar.ini"});
}

TEST_F(ConfigFileOnDiskTest, AFileItsUserMayNotWriteIsLeftAloneThoughTheFolderAllowsTheRename) {
    if (!RunningAsAdministrator()) GTEST_SKIP() << "making a file of another user needs the administrator";
    // The folder belongs to the unprivileged user; the files do not. A shared file
    // that everyone may write must still not change hands.
    const std::string other = folder_ / "bar.ini", shared = folder_ / "shared.ini", own = folder_ / "own.ini";
    WriteFile(other, kOriginal);
    ASSERT_EQ(::chmod(other.c_str(), 0644), 0);
    WriteFile(shared, kOriginal);
    ASSERT_EQ(::chown(shared.c_str(), 1234, 1234), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 0666), 0);
    test_support::ChildResult child = RunInChild([&] {
        WriteFile(own, kOriginal);
        return WriteError(own) + "|" + WriteError(other) + "|" + WriteError(shared);
    });
    EXPECT_EQ(child.exitCode, 0);
    EXPECT_EQ(child.output, "|Unable to write to " + other + "|Unable to write to " + shared);
    EXPECT_EQ(ReadFile(other), kOriginal);
    EXPECT_EQ(ReadFile(shared), kOriginal);
    struct stat st;
    ASSERT_EQ(::stat(shared.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 1234u);
    EXPECT_EQ(ReadFile(own),
              "; placement\r\n[TKeystripMainForm]\r\nFlags=1\r\n\r\n[Keystrip]\r\nTitle=Bar\r\n");
    EXPECT_EQ(FolderEntries(folder_.Path()), (std::vector<std::string>{"bar.ini", "own.ini", "shared.ini"}));
}

TEST_F(ConfigFileOnDiskTest, AReadOnlyFolderLeavesTheFileAlone) {
    const std::string sub = folder_ / "sub", path = sub + "/bar.ini";
    test_support::ChildResult child = RunInChild([&] {
        if (::mkdir(sub.c_str(), 0755) != 0) return std::string("no folder");
        WriteFile(path, kOriginal);
        if (::chmod(sub.c_str(), 0555) != 0) return std::string("no chmod");
        return WriteError(path);
    });
    EXPECT_EQ(child.exitCode, 0);
    EXPECT_EQ(child.output, "Unable to write to " + path);
    EXPECT_EQ(ReadFile(path), kOriginal);
    EXPECT_EQ(FolderEntries(sub), std::vector<std::string>{"bar.ini"});
}

TEST_F(ConfigFileOnDiskTest, AFullDiskLeavesTheFileAlone) {
    const std::string path = folder_ / "bar.ini";
    const std::string afterFirstWrite =
        "; placement\r\n[TKeystripMainForm]\r\nFlags=1\r\n\r\n[Keystrip]\r\nTitle=Bar\r\n";
    test_support::ChildResult child = RunInChild([&] {
        WriteFile(path, kOriginal);
        // No file may grow beyond a few bytes more than the original: the disk is full.
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{kOriginal.size() + 8, kOriginal.size() + 8};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return std::string("no limit");
        return WriteError(path, "1") + "|" + WriteError(path, std::string(100, '9'));
    });
    EXPECT_EQ(child.exitCode, 0);
    EXPECT_EQ(child.output, "|Unable to write to " + path);
    EXPECT_EQ(ReadFile(path), afterFirstWrite);
    EXPECT_EQ(FolderEntries(folder_.Path()), std::vector<std::string>{"bar.ini"});
}

TEST_F(ConfigFileOnDiskTest, AWriteIntoAMissingFolderFails) {
    const std::string path = folder_ / "missing/bar.ini";
    EXPECT_EQ(WriteError(path), "Unable to write to " + path);
    EXPECT_EQ(WriteError(folder_.Path()), "Unable to write to " + folder_.Path());
}

// Bytes that are no configuration at all, the same on every run.
std::string BinaryBytes() {
    std::string bytes;
    std::uint32_t state = 12345;
    for (int i = 0; i < 65536; ++i) {
        state = state * 1103515245u + 12345u;
        bytes += static_cast<char>(state >> 24);
    }
    return bytes;
}

TEST_F(ConfigFileOnDiskTest, BadInputGivesTheDefaults) {
    using namespace std::string_literals;
    const std::string longLine(100000, 'x');
    struct Case {
        const char* name;
        std::string contents;
        std::string title;
        std::int32_t sleep;
        bool stayOnTop;
        std::string caption;
    } cases[] = {
        {"binary", BinaryBytes(), "Keystrip", 0, true, ""},
        {"empty", "", "Keystrip", 0, true, ""},
        {"no section", "Title=Bar\nSleep=5\nStayOnTop=0\nCaption=c\n", "Keystrip", 0, true, ""},
        {"long lines",
         "[Keystrip]\r\n" + longLine + "\r\nCaption=" + longLine + "\r\nSleep=5\r\n" + longLine + "=1\r\n",
         "Keystrip", 5, true, longLine.substr(0, 1023)},
        {"long number without line end", "[Keystrip]\nSleep=" + std::string(100000, '7'), "Keystrip", 0, true,
         ""},
        {"NUL bytes", "[Keystrip]\nTitle=Ba\0r\nSleep=1\0 2\nStayOnTop=\0\nCaption=\0x\n"s, "Ba", 1, true,
         ""},
        {"0xFF bytes", "[Keystrip]\nTitle=\xff\xfe\nSleep=\xff\nStayOnTop=0\xff\nCaption=\xff\n", "\xff\xfe",
         0, true, "\xff"},
        {"NUL in a section name", "[Key\0strip]\nTitle=Bar\nSleep=5\n"s, "Keystrip", 0, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder_ / "bad.ini";
        WriteFile(path, c.contents);
        TIniFile reader(path);
        EXPECT_EQ(reader.ReadTextValue("Keystrip", "Title", "Keystrip"), c.title);
        EXPECT_EQ(reader.ReadIntValue("Keystrip", "Sleep", 0), c.sleep);
        EXPECT_EQ(reader.ReadBoolValue("Keystrip", "StayOnTop", true), c.stayOnTop);
        EXPECT_EQ(reader.ReadTextValue("Keystrip", "Caption", ""), c.caption);
    }
}

}  // namespace
}  // namespace keystrip
