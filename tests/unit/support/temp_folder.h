// A folder of real files for one test, removed with everything in it afterwards.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "child_process.h"

namespace keystrip::test_support {

class TempFolder {
public:
    // The folder belongs to kNobody when the test runs as the administrator, so
    // that a child that has become that user may work in it.
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "keystrip-test-XXXXXX").string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        if (::mkdtemp(name.data()) != nullptr) path_ = name.data();
        if (RunningAsAdministrator() && !path_.empty()) {
            int ignored = ::chown(path_.c_str(), kNobody, kNobody);
            static_cast<void>(ignored);
        }
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        if (path_.empty()) return;
        std::error_code error;
        // Read-only folders made by a test must become writable again to be emptied.
        for (auto it = std::filesystem::recursive_directory_iterator(path_, error);
             it != std::filesystem::recursive_directory_iterator(); it.increment(error))
            if (it->is_directory(error) && !it->is_symlink(error)) ::chmod(it->path().c_str(), 0700);
        std::filesystem::remove_all(path_, error);
    }

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

inline void WriteFile(const std::string& path, const std::string& contents) {
    std::ofstream(path, std::ios::binary) << contents;
}

// The file's bytes; "<missing>" when it cannot be read.
inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The names in a folder, sorted, so that a test sees leftover temporary files.
inline std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

inline mode_t ModeOf(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

}  // namespace keystrip::test_support
