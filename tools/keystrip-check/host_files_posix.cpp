#include "host_files.h"
#include "platform/posix/posix_file_service.h"

namespace keystrip::check {

FileService& HostFileService() {
    static posix::PosixFileService files;
    return files;
}

}  // namespace keystrip::check
