// The file service of Linux: real files, the program's path from /proc, the
// user's configuration folder, and private-profile files read and written with
// the rules of platform/profile.
#pragma once

#include "platform/platform.h"

namespace keystrip::posix {

// Configuration files may be written in UTF-8 or in code page 1252. A file that
// is well-formed UTF-8 is read as such (a leading byte order mark is skipped) and
// its values are handed to the core in 1252, "?" standing for characters 1252
// lacks; any other file is taken as 1252 bytes. A write keeps the file's
// encoding: UTF-8 unless the file already holds bytes that are not UTF-8.
class PosixFileService final : public FileService {
public:
    PathStyle Style() override;
    // From /proc/self/exe; "" when it cannot be read.
    std::string ProgramPath() override;
    // $XDG_CONFIG_HOME/keystrip, or ~/.config/keystrip when that variable is unset,
    // empty or not an absolute path; "" when there is no home folder either.
    std::string SystemConfigDirectory() override;
    bool FileExists(const std::string& path) override;
    std::string ReadProfileString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue, const std::string& path) override;
    bool WriteProfileString(const std::string& section, const std::string& key, const std::string& value,
                            const std::string& path) override;
};

}  // namespace keystrip::posix
