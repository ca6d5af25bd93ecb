#include "frontend/DeviceFolder.h"

#include <memory>
#include <system_error>
#include <vector>

#include "host/DeviceFolderLock.h"

namespace emu {

namespace fs = std::filesystem;

std::optional<fs::path> default_device_folder(const char* xdg_data_home, const char* home) {
    const auto under = [](const fs::path& data) { return data / "tesselink" / "device"; };
    if (xdg_data_home && fs::path(xdg_data_home).is_absolute()) return under(xdg_data_home);
    if (home && fs::path(home).is_absolute()) return under(fs::path(home) / ".local" / "share");
    return std::nullopt;
}

namespace {

bool device_or_empty(const fs::path& folder) {
    std::error_code failure;
    return fs::is_directory(folder, failure) &&
           (fs::is_directory(folder / ".device", failure) || fs::is_empty(folder, failure));
}

}  // namespace

bool reset_device_folder(const fs::path& folder, std::string& error) {
    std::error_code failure;
    const bool exists = fs::exists(folder, failure);
    if (!exists && !failure) return true;
    if (!device_or_empty(folder)) {
        error = folder.string() + " is not a device folder (it holds no .device folder); it was left as it is";
        return false;
    }
    // A device another emulator runs on is not emptied under it.
    std::unique_ptr<DeviceFolderLock> lock;
    if (fs::is_directory(folder / ".device", failure) && !(lock = DeviceFolderLock::take(folder, error))) return false;
    std::vector<fs::path> entries;
    for (const auto& entry : fs::directory_iterator(folder, failure)) entries.push_back(entry.path());
    for (const auto& entry : entries)
        if (!failure) fs::remove_all(entry, failure);
    if (failure) error = "cannot empty " + folder.string() + ": " + failure.message();
    return !failure;
}

}  // namespace emu
