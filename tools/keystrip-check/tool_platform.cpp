#include "tool_platform.h"

#include "host_files.h"

namespace keystrip::check {

recording::RecordingPlatform& InstallToolPlatform() {
    static recording::RecordingPlatform recorded;
    Platform platform = recorded.Services();
    platform.files = &HostFileService();
    InstallPlatform(platform);
    return recorded;
}

}  // namespace keystrip::check
