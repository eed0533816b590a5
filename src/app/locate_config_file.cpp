#include <string_view>

#include "app/config_file.h"
#include "platform/platform.h"

namespace keystrip {
namespace {

// How the platform's paths are spelled.
struct PathRules {
    std::string_view separators;  // characters that end a directory part
    char separator;               // the one put between a directory and a name
    std::string_view currentDirectory;
};

PathRules RulesOf(PathStyle style) {
    if (style == PathStyle::Posix) return {"/", '/', "./"};
    return {"\\:", '\\', ".\\"};
}

bool HasExtension(const std::string& name, const PathRules& rules) {
    std::size_t last = name.find_last_of(std::string(rules.separators) + ".");
    return last != std::string::npos && name[last] == '.';
}

// A name that says where it is: a drive or a rooted or network path on Windows,
// an absolute path elsewhere.
bool IsExplicit(const std::string& name, PathStyle style) {
    if (style == PathStyle::Posix) return name.starts_with('/');
    return (name.size() >= 2 && name[1] == ':') || name.starts_with('\\');
}

// The program's directory: its path up to and including the last separator.
std::string DirectoryOf(const std::string& path, const PathRules& rules) {
    std::size_t last = path.find_last_of(rules.separators);
    return last == std::string::npos ? "" : path.substr(0, last + 1);
}

}  // namespace

std::unique_ptr<TIniFile> LocateConfigFile(const std::string& name) {
    FileService& files = *ThePlatform().files;
    const PathStyle style = files.Style();
    const PathRules rules = RulesOf(style);

    std::string fileName = name;
    if (!HasExtension(fileName, rules)) fileName += ".ini";

    if (IsExplicit(fileName, style)) {
        if (!files.FileExists(fileName)) return nullptr;
        return std::make_unique<TIniFile>(fileName);
    }

    std::string candidates[] = {
        std::string(rules.currentDirectory) + fileName,
        DirectoryOf(files.ProgramPath(), rules) + fileName,
        "",
    };
    // Without a system directory (no home folder) there is no third place.
    if (std::string system = files.SystemConfigDirectory(); !system.empty())
        candidates[2] = system + rules.separator + fileName;
    for (const std::string& candidate : candidates)
        if (!candidate.empty() && files.FileExists(candidate)) return std::make_unique<TIniFile>(candidate);
    return nullptr;
}

}  // namespace keystrip
