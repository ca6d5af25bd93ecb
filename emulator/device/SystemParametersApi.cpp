#include <windows.h>

#include <algorithm>
#include <string_view>

#include "device/DeviceStatus.h"
#include "kernel/Device.h"

namespace emu {

namespace {

// The shell's taskbar covers the top of the 240 x 320 screen.
constexpr RECT kWorkArea = {0, 26, 240, 320};

// Copies as much of `text` as fits in `bytes` bytes, always with its terminator.
BOOL copy_text(std::wstring_view text, UINT bytes, PVOID buffer) {
    const std::size_t room = bytes / sizeof(WCHAR);
    if (room == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    const auto length = std::min(text.size(), room - 1);
    auto out = static_cast<WCHAR*>(buffer);
    std::copy_n(text.begin(), length, out);
    out[length] = L'\0';
    return TRUE;
}

BOOL copy_oem_info(UINT bytes, PVOID buffer) {
    const auto status = current_device_status();
    if (!status) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return copy_text(status->current().oem_info, bytes, buffer);
}

BOOL unsupported_action(UINT action) {
    if (const auto device = current_device())
        device->log.record("fixme", {{"call", "SystemParametersInfoW"}, {"action", static_cast<long long>(action)}});
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}

}  // namespace

}  // namespace emu

BOOL WINAPI SystemParametersInfoW(UINT uiAction, UINT uiParam, PVOID pvParam, UINT /*fWinIni*/) {
    if (!pvParam) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    switch (uiAction) {
    case SPI_GETOEMINFO: return emu::copy_oem_info(uiParam, pvParam);
    case SPI_GETPLATFORMTYPE: return emu::copy_text(L"PocketPC", uiParam, pvParam);
    case SPI_GETWORKAREA: *static_cast<RECT*>(pvParam) = emu::kWorkArea; return TRUE;
    default: return emu::unsupported_action(uiAction);
    }
}
