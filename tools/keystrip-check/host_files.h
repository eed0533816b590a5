// The file service of the system the tool runs on, so that configurations are
// read from real files exactly as the bar reads them there.
#pragma once

#include "platform/platform.h"

namespace keystrip::check {

FileService& HostFileService();

}  // namespace keystrip::check
