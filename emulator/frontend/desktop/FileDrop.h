#pragma once
#include <filesystem>

namespace emu {
class DeviceHost;
}

namespace emu::desktop {

// Copies a host file dropped on the window into the device's \My Documents, under its own
// name, or "name (2).ext" … when the device has that name already (names match without
// regard to case there); characters a device name cannot hold become '_'. The copy is made
// while the device waits, so its programs never see half a file, and never through a
// link. Logged as "file-dropped" with the host file and the device path; a folder, or a
// file that cannot be read or copied, is refused and logged as "file-drop-refused" with
// the reason.
void drop_file(DeviceHost& host, const std::filesystem::path& file);

}  // namespace emu::desktop
