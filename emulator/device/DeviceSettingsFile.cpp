// The settings file of a device image, kept apart from its text format, which the Windows
// build of the program reads too.
#include "device/DeviceSettings.h"
#include "kernel/KeptFile.h"

namespace emu {

bool save_device_settings(const std::filesystem::path& image_root, const DeviceSettings& settings, EventLog& log) {
    return save_kept_file(image_root / ".device" / kSettingsFileName, format_device_settings(settings), log);
}

bool load_device_settings(const std::filesystem::path& image_root, DeviceSettings& settings, std::string& error) {
    const auto content = read_kept_file(image_root / ".device" / kSettingsFileName);
    error = content.error;
    return error.empty() && parse_device_settings(content.bytes, settings, error);
}

}  // namespace emu
