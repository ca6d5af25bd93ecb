#include "gdi/GdiApiSupport.h"

#include <winbase.h>

#include "kernel/Device.h"

namespace emu {

Gdi* current_gdi() {
    Device* device = current_device();
    return device ? device->gdi.get() : nullptr;
}

DeviceContext* dc_of(HDC handle) {
    Gdi* gdi = current_gdi();
    DeviceContext* dc = gdi ? gdi->dc(handle) : nullptr;
    if (!dc) SetLastError(refuse_handle(ERROR_INVALID_HANDLE));
    return dc;
}

}  // namespace emu
