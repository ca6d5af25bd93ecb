#pragma once
#include <memory>
#include <string>

#include "host/DeviceHost.h"

namespace emu {

// Builds a device on its image with every subsystem, ready to run programs; null with
// `error` set when the image cannot be used (for instance a malformed registry file).
std::unique_ptr<Device> assemble_device(const BootOptions& options, std::string& error);

}  // namespace emu
