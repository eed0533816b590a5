// Reading a file whole, and rewriting it so that readers only ever see the old
// or the new content.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace keystrip::posix {

// The content of a regular file (through symbolic links); nullopt when it is
// missing, unreadable or not a regular file. Never blocks on a FIFO or device.
std::optional<std::string> ReadFileContents(const std::string& path);

// Replaces the file's content with edit(current content), "" for a missing
// file, which the rewrite creates. The new content goes to a temporary file in
// the same folder, is flushed to the disk and renamed over the original, which
// keeps its permissions; a symbolic link is followed and stays a link. Returns
// false, with the file untouched, when the file is not a regular file, may not be
// read or written by this user or carries no write permission for anyone (the
// rename must not override a read-only file), belongs to another user whom the
// new file cannot be given to, or when any step fails (a full disk, a read-only
// folder).
bool RewriteFile(const std::string& path, const std::function<std::string(std::string_view)>& edit);

}  // namespace keystrip::posix
