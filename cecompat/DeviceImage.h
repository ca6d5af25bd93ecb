// The device image the program runs on: on Wine its files are the drive the program
// started on, so that \Windows\... names the image's Windows folder, and the image's
// .device folder beside them holds what the device keeps about itself, as on the emulator.
#pragma once
#include <string>
#include <string_view>

#include "device/DeviceSettings.h"

namespace cecompat {

// The path of a file of the image's .device folder: \.device\<name>.
std::wstring device_file(std::wstring_view name);

// The image's settings.ini over the emulator's defaults, read afresh on every call so that
// a change to the file shows at the next probe. A missing or malformed file gives the
// defaults (a malformed one is reported once on the debugger output).
emu::DeviceSettings device_settings();

}  // namespace cecompat
