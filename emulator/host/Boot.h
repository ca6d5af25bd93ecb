#pragma once
#include <memory>
#include <string>

#include "host/DeviceFolderLock.h"
#include "host/DeviceHost.h"

namespace emu {

// Makes the folder a device (a new or empty one gets the built-in image, see
// unpack_default_image) and takes it for this emulator alone, clearing what a stopped
// run left in the middle of a save. Null with `error` set when the folder cannot be a
// device or another emulator has it.
std::unique_ptr<DeviceFolderLock> claim_device_folder(const BootOptions& options, std::string& error);

// Builds a device on its image with every subsystem, ready to run programs; null with
// `error` set when the image cannot be used (a file the device keeps is malformed or
// cannot be read). A device folder the host will not let us write is logged as
// "device-read-only", and the device runs on.
std::unique_ptr<Device> assemble_device(const BootOptions& options, std::string& error);

// What a front-end tells its user on standard error after the boot, or "".
std::string boot_notice(Device& device);

}  // namespace emu
