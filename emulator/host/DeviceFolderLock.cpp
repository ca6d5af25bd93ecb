#include "host/DeviceFolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace emu {

namespace {

// The process holding a flock on the file behind `descriptor`, from the host's lock table
// (/proc/locks: "1: FLOCK  ADVISORY  WRITE 4242 08:01:1234 0 EOF"), as "process 4242
// (tesselink)"; "" when the table does not tell.
std::string holder_of(int descriptor) {
    struct stat status;
    if (::fstat(descriptor, &status) != 0) return "";
    char file_id[64];
    std::snprintf(file_id, sizeof file_id, "%02x:%02x:%llu", major(status.st_dev), minor(status.st_dev),
                  static_cast<unsigned long long>(status.st_ino));
    std::ifstream locks("/proc/locks");
    for (std::string line; std::getline(locks, line);) {
        std::istringstream fields(line);
        std::string number, kind, advisory, mode, process, id;
        if (!(fields >> number >> kind) || kind == "->" || !(fields >> advisory >> mode >> process >> id)) continue;
        if (kind != "FLOCK" || id != file_id) continue;
        std::string name;
        std::getline(std::ifstream("/proc/" + process + "/comm"), name);
        return "process " + process + (name.empty() ? "" : " (" + name + ")");
    }
    return "";
}

}  // namespace

std::unique_ptr<DeviceFolderLock> DeviceFolderLock::take(const std::filesystem::path& device_folder,
                                                         std::string& error) {
    const auto metadata = device_folder / ".device";
    int descriptor = ::open(metadata.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0) {
        error = "cannot open " + metadata.string() + ": " + std::strerror(errno);
        return nullptr;
    }
    if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) return std::unique_ptr<DeviceFolderLock>(new DeviceFolderLock(descriptor));
    const int failure = errno;
    if (failure == EWOULDBLOCK) {
        const auto holder = holder_of(descriptor);
        error = "the device folder " + device_folder.string() + " is in use by another emulator" +
                (holder.empty() ? "" : " (" + holder + ")") + "; only one may run on a device at a time";
    } else {
        error = "cannot lock " + metadata.string() + ": " + std::strerror(failure);
    }
    ::close(descriptor);
    return nullptr;
}

DeviceFolderLock::~DeviceFolderLock() { ::close(descriptor_); }

}  // namespace emu
