// Runs part of a test in a child process: to drop the administrator's rights,
// which ignore file permissions, or to lower a limit for that part alone.
#pragma once

#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace keystrip::test_support {

// The unprivileged user that a test run by the administrator becomes.
constexpr uid_t kNobody = 65534;

inline bool RunningAsAdministrator() { return ::geteuid() == 0; }

struct ChildResult {
    int exitCode = -1;   // -1 when the child did not exit normally
    std::string output;  // what the body returned
};

// Runs body in a child process that, when the test runs as the administrator,
// first becomes user kNobody. The child's output is the text the body returns.
inline ChildResult RunInChild(const std::function<std::string()>& body) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return {};
    pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipeEnds[0]);
        std::string output;
        int code = 0;
        if (RunningAsAdministrator() &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            output = "could not become an unprivileged user";
            code = 2;
        } else {
            output = body();
        }
        for (std::size_t done = 0; done < output.size();) {
            ssize_t n = ::write(pipeEnds[1], output.data() + done, output.size() - done);
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        ::_exit(code);
    }
    ::close(pipeEnds[1]);
    ChildResult result;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        result.output.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeEnds[0]);
    int status = 0;
    if (pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    return result;
}

}  // namespace keystrip::test_support
