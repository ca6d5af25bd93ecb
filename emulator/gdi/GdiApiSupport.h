#pragma once
#include <windef.h>

#include "gdi/DeviceContext.h"
#include "gdi/Gdi.h"

namespace emu {

// The GDI of the calling thread's device; null when the device has none.
Gdi* current_gdi();

// The DC behind a handle of the calling thread's device; null, with the last error set
// to ERROR_INVALID_HANDLE, for anything else.
DeviceContext* dc_of(HDC handle);

}  // namespace emu
