#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "host_files.h"
#include "platform/win32/win32_services.h"

namespace keystrip::check {
namespace {

// Output is compared byte for byte with the Linux build's: lines end in "\n"
// alone, so the standard streams must not add a "\r".
const bool binaryStreams = [] {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    return true;
}();

}  // namespace

FileService& HostFileService() {
    static win32::Win32Files files;
    return files;
}

}  // namespace keystrip::check
