// Icons from a module's resources, drawn with their transparency.
#include <string>

#include <winbase.h>
#include <wingdi.h>
#include <winuser.h>

#include "gdi/GdiApiSupport.h"
#include "gdi/Pixel.h"
#include "kernel/Device.h"

using namespace emu;

namespace {

// The size of a standard icon; LoadIcon takes the resource's image nearest it.
constexpr SIZE kStandardIconSize{32, 32};
constexpr UINT kLoadFromFile = 0x0010;
constexpr UINT kDefaultSize = 0x0040;

HICON load_icon(HINSTANCE instance, LPCWSTR name, SIZE wanted, const char* call) {
    Gdi* gdi = current_gdi();
    if (!gdi) return nullptr;
    if (!IS_INTRESOURCE(name)) {
        gdi->fixme(call, "icons named by text are not found");
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    const Module* module = gdi->device().module_of(instance);
    const auto* images = module ? gdi->icon_resources.images(*module, LOWORD(name)) : nullptr;
    if (!images) {
        if (!module) gdi->fixme(call, "no module for the instance; system icons are not provided");
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return gdi->add_icon(closest_image(*images, wanted));
}

}  // namespace

extern "C" {

HICON WINAPI LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName) {
    return load_icon(hInstance, lpIconName, kStandardIconSize, "LoadIcon");
}

HANDLE WINAPI LoadImageW(HINSTANCE hinst, LPCWSTR lpszName, UINT uType, int cxDesired, int cyDesired, UINT fuLoad) {
    if (uType != IMAGE_ICON || (fuLoad & kLoadFromFile)) {
        if (Gdi* gdi = current_gdi()) gdi->fixme("LoadImage", "only icon resources are loaded");
        return nullptr;
    }
    SIZE wanted{cxDesired, cyDesired};
    if (fuLoad & kDefaultSize) {
        if (!wanted.cx) wanted.cx = kStandardIconSize.cx;
        if (!wanted.cy) wanted.cy = kStandardIconSize.cy;
    }
    return load_icon(hinst, lpszName, wanted, "LoadImage");
}

BOOL WINAPI DrawIconEx(HDC hdc, int xLeft, int yTop, HICON hIcon, int cxWidth, int cyWidth, UINT istepIfAniCur,
                       HBRUSH hbrFlickerFreeDraw, UINT diFlags) {
    DeviceContext* dc = dc_of(hdc);
    const Icon* icon = dc ? current_gdi()->icons.get(hIcon) : nullptr;
    if (!icon) return FALSE;
    Gdi& gdi = *current_gdi();
    if ((cxWidth && cxWidth != icon->width()) || (cyWidth && cyWidth != icon->height()))
        gdi.fixme("DrawIconEx", "icons are drawn at their own size, not stretched");
    if (istepIfAniCur || (diFlags & DI_NORMAL) != DI_NORMAL)
        gdi.fixme("DrawIconEx", "drawn as DI_NORMAL, flags " + std::to_string(diFlags));
    Canvas canvas = dc->canvas();
    GdiObject* background = hbrFlickerFreeDraw ? gdi.objects.get(hbrFlickerFreeDraw) : nullptr;
    if (Brush* brush = background ? background->as<Brush>() : nullptr; brush && brush->style != BS_NULL)
        canvas.fill({xLeft, yTop, xLeft + icon->width(), yTop + icon->height()}, pixel_of(brush->colour));
    icon->draw(canvas, xLeft, yTop);
    return TRUE;
}

BOOL WINAPI DestroyIcon(HICON hIcon) {
    Gdi* gdi = current_gdi();
    if (gdi && gdi->icons.remove(hIcon)) return TRUE;
    SetLastError(refuse_handle(ERROR_INVALID_HANDLE));
    return FALSE;
}

}  // extern "C"
