// Memory DCs, device capabilities, and the text and background state of a DC.
#include <string>
#include <utility>

#include <winbase.h>
#include <wingdi.h>

#include "gdi/GdiApiSupport.h"
#include "kernel/Device.h"

using namespace emu;

namespace {

constexpr int kPixelsPerInch = 96;
constexpr int kMillimetresPerInchTimes10 = 254;

}  // namespace

extern "C" {

HDC WINAPI CreateCompatibleDC(HDC hdc) {
    if (hdc && !dc_of(hdc)) return nullptr;
    Gdi* gdi = current_gdi();
    return gdi ? gdi->create_memory_dc() : nullptr;
}

BOOL WINAPI DeleteDC(HDC hdc) {
    Gdi* gdi = current_gdi();
    if (gdi && gdi->delete_memory_dc(hdc)) return TRUE;
    SetLastError(refuse_handle(ERROR_INVALID_HANDLE));
    return FALSE;
}

int WINAPI GetDeviceCaps(HDC hdc, int nIndex) {
    if (!dc_of(hdc)) return 0;
    switch (nIndex) {
        case TECHNOLOGY: return DT_RASDISPLAY;
        case HORZRES: return Gdi::kScreenWidth;
        case VERTRES: return Gdi::kScreenHeight;
        case HORZSIZE: return Gdi::kScreenWidth * kMillimetresPerInchTimes10 / (10 * kPixelsPerInch);
        case VERTSIZE: return Gdi::kScreenHeight * kMillimetresPerInchTimes10 / (10 * kPixelsPerInch);
        case BITSPIXEL: return 32;
        case PLANES: return 1;
        case NUMCOLORS: return -1;
        case LOGPIXELSX:
        case LOGPIXELSY: return kPixelsPerInch;
        default:
            current_gdi()->fixme("GetDeviceCaps", "index " + std::to_string(nIndex) + " answered 0");
            return 0;
    }
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF crColor) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc) return CLR_INVALID;
    return std::exchange(dc->text_colour, crColor & 0xFFFFFF);
}

COLORREF WINAPI GetTextColor(HDC hdc) {
    DeviceContext* dc = dc_of(hdc);
    return dc ? dc->text_colour : CLR_INVALID;
}

COLORREF WINAPI SetBkColor(HDC hdc, COLORREF crColor) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc) return CLR_INVALID;
    return std::exchange(dc->background_colour, crColor & 0xFFFFFF);
}

COLORREF WINAPI GetBkColor(HDC hdc) {
    DeviceContext* dc = dc_of(hdc);
    return dc ? dc->background_colour : CLR_INVALID;
}

int WINAPI SetBkMode(HDC hdc, int iBkMode) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc || (iBkMode != TRANSPARENT && iBkMode != OPAQUE)) return 0;
    return std::exchange(dc->background_mode, iBkMode);
}

int WINAPI GetBkMode(HDC hdc) {
    DeviceContext* dc = dc_of(hdc);
    return dc ? dc->background_mode : 0;
}

}  // extern "C"
