#include "platform/posix/file_contents.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <memory>

namespace keystrip::posix {
namespace {

// Closes the descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now and reports whether the close succeeded (it can report a late write error).
    bool Close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The path that a symbolic link finally names, so that the rewrite replaces the
// file and not the link; the path itself when it is no link.
std::optional<std::string> ResolveLinks(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    if (!real) return std::nullopt;
    return std::string(real.get());
}

std::string FolderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Creates a new file beside path, named after it and hidden; -1 on failure.
int CreateTemporaryBeside(const std::string& path, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    std::size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath =
            folder + "." + base + "." + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp";
        // 0666 lets the umask and the folder's default permissions decide for a new file.
        int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void SyncFolder(const std::string& path) {
    int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::optional<std::string> ReadFileContents(const std::string& path) {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) return std::nullopt;
    struct stat st;
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    std::string contents;
    contents.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) return contents;
        contents.append(buffer, static_cast<std::size_t>(n));
    }
}

bool RewriteFile(const std::string& path, const std::function<std::string(std::string_view)>& edit) {
    std::optional<std::string> target = ResolveLinks(path);
    if (!target) return false;
    struct stat st;
    bool exists = ::stat(target->c_str(), &st) == 0;
    if (!exists && errno != ENOENT) return false;
    std::string current;
    if (exists) {
        // A file without any write permission is read-only even to the administrator,
        // as the read-only attribute is on Windows.
        if (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0) return false;
        if (::faccessat(AT_FDCWD, target->c_str(), W_OK, AT_EACCESS) != 0) return false;
        std::optional<std::string> contents = ReadFileContents(*target);
        if (!contents) return false;
        current = std::move(*contents);
    }
    std::string updated = edit(current);
    if (exists && updated == current) return true;

    std::string tempPath;
    Descriptor fd(CreateTemporaryBeside(*target, tempPath));
    if (fd.get() < 0) return false;
    bool written = WriteAll(fd.get(), updated);
    if (written && exists) {
        written = ::fchmod(fd.get(), st.st_mode & 07777) == 0;
        // The replacement must not take another user's file over: when it cannot be
        // given back to its owner, the write fails. A group that cannot be kept is
        // no reason to fail.
        if (written && st.st_uid != ::geteuid()) written = ::fchown(fd.get(), st.st_uid, st.st_gid) == 0;
        if (written && st.st_gid != ::getegid()) {
            int ignored = ::fchown(fd.get(), static_cast<uid_t>(-1), st.st_gid);
            static_cast<void>(ignored);
        }
    }
    written = written && ::fsync(fd.get()) == 0;
    written = fd.Close() && written;
    if (!written || ::rename(tempPath.c_str(), target->c_str()) != 0) {
        ::unlink(tempPath.c_str());
        return false;
    }
    SyncFolder(*target);
    return true;
}

}  // namespace keystrip::posix
