// The platform the tool runs the core on: the recording platform for keys,
// windows and dialogs, and the system's real files.
#pragma once

#include "platform/recording/recording_platform.h"

namespace keystrip::check {

// Installs the platform and returns its recording part.
recording::RecordingPlatform& InstallToolPlatform();

}  // namespace keystrip::check
