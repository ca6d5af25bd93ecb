#pragma once
#include <filesystem>
#include <string>
#include <string_view>

#include <winbase.h>

namespace emu {

class EventLog;

// Whether the device runs on mains power, as SYSTEM_POWER_STATUS_EX reports it.
enum class AcLine : BYTE { Offline = AC_LINE_OFFLINE, Online = AC_LINE_ONLINE, Unknown = AC_LINE_UNKNOWN };

// What the device reports about its power, memory, object store, maker and language.
// A device image keeps them in .device/settings.ini; the host may change them at run time.
struct DeviceSettings {
    AcLine ac_line = AcLine::Online;
    BYTE battery_percent = 100;  // 0 to 100, or BATTERY_PERCENTAGE_UNKNOWN
    DWORD memory_load = 30;      // percent of program memory in use
    DWORD store_size = 16000000;
    DWORD store_free = 8000000;
    std::wstring oem_info = L"Pocket PC";
    LANGID language = 0x0409;
};

inline constexpr std::string_view kSettingsFileName = "settings.ini";

// Reads `key=value` lines over `settings`; blank lines and lines starting with '#' or ';'
// are skipped. A bad line leaves `settings` as it was and `error` names the line.
bool parse_device_settings(std::string_view text, DeviceSettings& settings, std::string& error);

// The settings as the file's lines, which parse_device_settings reads back unchanged.
std::string format_device_settings(const DeviceSettings& settings);

// Writes the settings file of an image, whole or not at all (see save_kept_file, which
// logs a failure).
bool save_device_settings(const std::filesystem::path& image_root, const DeviceSettings& settings, EventLog& log);

// Reads the settings file of an image. A missing file leaves the defaults and succeeds; one
// that cannot be read fails, naming the file and the reason.
bool load_device_settings(const std::filesystem::path& image_root, DeviceSettings& settings, std::string& error);

}  // namespace emu
