#pragma once
#include <filesystem>
#include <memory>
#include <string>

namespace emu {

// One emulator per device folder: an exclusive lock on the folder's .device folder, held
// until the object goes. It is a flock on a read-only descriptor of that folder, so that
// a read-only device can be locked too, and the host drops it when the process ends
// however it ends, so that a run that crashed never blocks the next.
class DeviceFolderLock {
public:
    // Null, with `error` naming the folder and where it can tell the process holding it,
    // when another emulator has the device.
    static std::unique_ptr<DeviceFolderLock> take(const std::filesystem::path& device_folder, std::string& error);
    ~DeviceFolderLock();
    DeviceFolderLock(const DeviceFolderLock&) = delete;
    DeviceFolderLock& operator=(const DeviceFolderLock&) = delete;

private:
    explicit DeviceFolderLock(int descriptor) : descriptor_(descriptor) {}
    int descriptor_;
};

}  // namespace emu
