#include "platform/platform.h"

namespace keystrip {
namespace {
Platform installed;
}

void InstallPlatform(const Platform& platform) { installed = platform; }

const Platform& ThePlatform() { return installed; }

}  // namespace keystrip
