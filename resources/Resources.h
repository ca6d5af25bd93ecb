#pragma once
#include <span>

#include "kernel/Module.h"

// The program's embedded resources (resources.rc): one blob per icon resource.
std::span<const emu::ResourceBlob> tesselink_resources();
