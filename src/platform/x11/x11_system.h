// Pauses, the CLIPBOARD selection, launching programs and the bell.
#pragma once

#include <X11/Xlib.h>

#include "platform/platform.h"

namespace keystrip::x11 {

class X11System final : public SystemService {
public:
    X11System();
    ~X11System() override;

    void Pause(std::uint32_t milliseconds) override;
    // X has no clipboard lock: opening always succeeds.
    bool OpenClipboard() override;
    // Takes the CLIPBOARD selection with no data and gives it up: nobody owns it then.
    void EmptyClipboard() override;
    void CloseClipboard() override;
    // The command line split into words as Windows splits it, started with
    // posix_spawnp without a shell; false when the program cannot be started.
    bool LaunchCommand(const std::string& commandLine) override;
    void BeepExclamation() override;

private:
    Window owner_ = None;
};

}  // namespace keystrip::x11
