// Drawing and measuring text.
#include <string_view>

#include <winbase.h>
#include <wingdi.h>

#include "gdi/GdiApiSupport.h"
#include "gdi/TextDrawing.h"

using namespace emu;

extern "C" {

BOOL WINAPI ExtTextOutW(HDC hdc, int X, int Y, UINT fuOptions, const RECT* lprc, LPCWSTR lpString, UINT cbCount,
                        const int* lpDx) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc || (!lpString && cbCount > 0)) return FALSE;
    draw_text(*dc, X, Y, fuOptions, lprc, std::wstring_view(lpString ? lpString : L"", cbCount), lpDx);
    return TRUE;
}

BOOL WINAPI GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int cbString, LPSIZE lpSize) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc || !lpSize || cbString < 0 || (!lpString && cbString > 0)) return FALSE;
    *lpSize = text_extent(*dc, std::wstring_view(lpString ? lpString : L"", static_cast<std::size_t>(cbString)));
    return TRUE;
}

}  // extern "C"
