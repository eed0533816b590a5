#include "platform/posix/posix_file_service.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/posix/cp1252.h"
#include "platform/posix/file_contents.h"
#include "platform/profile/profile_text.h"

namespace keystrip::posix {
namespace {

// The longest value a read returns: the Windows read buffer holds 1024 bytes with its terminator.
constexpr std::size_t kMaxValueLength = 1023;

constexpr std::string_view kByteOrderMark = "\xef\xbb\xbf";

std::size_t ByteOrderMarkLength(std::string_view text) {
    return text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
}

// The file's text in code page 1252.
std::string ProfileText(std::string_view bytes) {
    if (!cp1252::IsValidUtf8(bytes)) return std::string(bytes);
    return cp1252::FromUtf8(bytes.substr(ByteOrderMarkLength(bytes)));
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') return home;
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    struct passwd entry;
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
        found->pw_dir == nullptr)
        return "";
    return found->pw_dir;
}

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

}  // namespace

PathStyle PosixFileService::Style() { return PathStyle::Posix; }

std::string PosixFileService::ProgramPath() {
    std::vector<char> buffer(256);
    for (;;) {
        ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) return "";
        if (static_cast<std::size_t>(n) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(n));
        buffer.resize(buffer.size() * 2);
    }
}

std::string PosixFileService::SystemConfigDirectory() {
    // The base directory rules ignore a relative XDG_CONFIG_HOME.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && config[0] == '/')
        return WithoutTrailingSlashes(config) + "/keystrip";
    std::string home = HomeFolder();
    if (home.empty()) return "";
    return WithoutTrailingSlashes(home) + "/.config/keystrip";
}

bool PosixFileService::FileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::string PosixFileService::ReadProfileString(const std::string& section, const std::string& key,
                                                const std::string& defaultValue, const std::string& path) {
    std::optional<std::string> value;
    if (std::optional<std::string> bytes = ReadFileContents(path))
        value = profile::FindValue(ProfileText(*bytes), section, key);
    return value.value_or(defaultValue).substr(0, kMaxValueLength);
}

bool PosixFileService::WriteProfileString(const std::string& section, const std::string& key,
                                          const std::string& value, const std::string& path) {
    return RewriteFile(path, [&](std::string_view current) {
        if (!cp1252::IsValidUtf8(current)) return profile::WithValue(current, section, key, value);
        std::size_t bom = ByteOrderMarkLength(current);
        return std::string(current.substr(0, bom)) +
               profile::WithValue(current.substr(bom), cp1252::ToUtf8(section), cp1252::ToUtf8(key),
                                  cp1252::ToUtf8(value));
    });
}

}  // namespace keystrip::posix
