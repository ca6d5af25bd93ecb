// Bitmaps compatible with the screen, and copying pixels between DCs.
#include <string>

#include <winbase.h>
#include <wingdi.h>

#include "gdi/Blit.h"
#include "gdi/GdiApiSupport.h"

using namespace emu;

namespace {

// A bound on a bitmap's pixels, so that a wild size is refused rather than exhausting the host.
constexpr long long kMaxBitmapPixels = 16LL * 1024 * 1024;

}  // namespace

extern "C" {

// Every bitmap is 32 bits deep, even one made for a memory DC that still holds its 1 x 1
// stock bitmap (which a desktop system would make monochrome).
HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int nWidth, int nHeight) {
    if (!dc_of(hdc)) return nullptr;
    if (nWidth <= 0 || nHeight <= 0 || static_cast<long long>(nWidth) * nHeight > kMaxBitmapPixels) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return static_cast<HBITMAP>(current_gdi()->objects.add(Bitmap{std::make_shared<Surface>(nWidth, nHeight)}));
}

BOOL WINAPI BitBlt(HDC hdcDest, int nXDest, int nYDest, int nWidth, int nHeight, HDC hdcSrc, int nXSrc, int nYSrc,
                   DWORD dwRop) {
    DeviceContext* target = dc_of(hdcDest);
    DeviceContext* source = dc_of(hdcSrc);
    if (!target || !source) return FALSE;
    if (dwRop != SRCCOPY) {
        current_gdi()->fixme("BitBlt", "raster operation " + std::to_string(dwRop) + " is not drawn");
        return FALSE;
    }
    Canvas canvas = target->canvas();
    const POINT origin = source->origin();
    copy_pixels(canvas, {nXDest, nYDest}, {nWidth, nHeight}, source->surface(),
                {nXSrc + origin.x, nYSrc + origin.y});
    return TRUE;
}

}  // extern "C"
