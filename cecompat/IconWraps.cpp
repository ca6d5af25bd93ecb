// Windows CE's meaning of LoadIcon, which desktop Win32 shares with it.
#include "LinkWraps.h"

CECOMPAT_REAL_IMPORT(LoadIconW);

namespace {

// Wrapped: Windows CE keeps a program's icon at the size its resource was drawn in (the
// bar's 14x14 buttons, its 16x16 pictures), where desktop Win32 stretches every icon
// LoadIcon loads to SM_CXICON x SM_CYICON. LoadImage with no size asked for and no
// LR_DEFAULTSIZE keeps the resource's own size; the system's icons stay as they are.
HICON WINAPI ce_load_icon(HINSTANCE hInstance, LPCWSTR lpIconName) {
    if (!hInstance) return CECOMPAT_REAL(LoadIconW)(hInstance, lpIconName);
    return static_cast<HICON>(LoadImageW(hInstance, lpIconName, IMAGE_ICON, 0, 0, LR_SHARED));
}

}  // namespace

CECOMPAT_WRAP(LoadIconW, ce_load_icon);
