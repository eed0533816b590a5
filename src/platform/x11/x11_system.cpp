#include "platform/x11/x11_system.h"

#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <time.h>

#include <cerrno>
#include <vector>

#include "app/startup.h"
#include "platform/x11/x11_display.h"

extern char** environ;

namespace keystrip::x11 {

X11System::X11System() {
    // Started programs are not waited for: let the system reap them.
    signal(SIGCHLD, SIG_IGN);
}

X11System::~X11System() {
    if (owner_ != None && TheDisplay()) XDestroyWindow(TheDisplay(), owner_);
}

void X11System::Pause(std::uint32_t milliseconds) {
    if (Display* display = TheDisplay()) XFlush(display);
    if (milliseconds == 0) {
        sched_yield();
        return;
    }
    timespec remaining{static_cast<time_t>(milliseconds / 1000),
                       static_cast<long>(milliseconds % 1000) * 1000000L};
    while (nanosleep(&remaining, &remaining) == -1 && errno == EINTR) {
    }
}

bool X11System::OpenClipboard() { return true; }

void X11System::EmptyClipboard() {
    Display* display = TheDisplay();
    if (!display) return;
    if (owner_ == None) {
        owner_ = XCreateWindow(display, RootOfScreen(), -10, -10, 1, 1, 0, 0, InputOnly, CopyFromParent, 0,
                               nullptr);
    }
    const Atom clipboard = AtomOf("CLIPBOARD");
    XSetSelectionOwner(display, clipboard, owner_, CurrentTime);
    XSetSelectionOwner(display, clipboard, None, CurrentTime);
    XFlush(display);
}

void X11System::CloseClipboard() {}

bool X11System::LaunchCommand(const std::string& commandLine) {
    // The core's splitter skips the program name, so a placeholder goes first.
    std::vector<std::string> words = SplitCommandLineArguments("launch " + commandLine);
    if (words.empty()) return false;
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGCHLD);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    pid_t child = 0;
    const int result = posix_spawnp(&child, argv[0], nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    return result == 0;
}

void X11System::BeepExclamation() {
    if (Display* display = TheDisplay()) {
        XBell(display, 0);
        XFlush(display);
    }
}

}  // namespace keystrip::x11
