// Pens, brushes and fonts; stock objects; selecting, describing and deleting objects.
#include <algorithm>
#include <cstring>
#include <string>

#include <winbase.h>
#include <wingdi.h>

#include "gdi/GdiApiSupport.h"
#include "kernel/Device.h"

using namespace emu;

namespace {

HGDIOBJ add_object(decltype(GdiObject::value) value) {
    Gdi* gdi = current_gdi();
    return gdi ? gdi->objects.add(std::move(value)) : nullptr;
}

// GetObject's contract: the size wanted when no buffer is given, else the bytes copied.
template <class T>
int copy_out(const T& description, int size, void* buffer) {
    if (!buffer) return sizeof(T);
    const int copied = std::clamp(size, 0, static_cast<int>(sizeof(T)));
    std::memcpy(buffer, &description, static_cast<std::size_t>(copied));
    return copied;
}

int describe(GdiObject& object, int size, void* buffer) {
    if (auto* pen = object.as<Pen>())
        return copy_out(LOGPEN{static_cast<UINT>(pen->style), {pen->width, 0}, pen->colour}, size, buffer);
    if (auto* brush = object.as<Brush>())
        return copy_out(LOGBRUSH{static_cast<UINT>(brush->style), brush->colour, 0}, size, buffer);
    if (auto* font = object.as<Font>()) return copy_out(font->logfont, size, buffer);
    const Surface& surface = *object.as<Bitmap>()->surface;
    return copy_out(BITMAP{0, surface.width, surface.height, surface.width * 4, 1, 32, nullptr}, size, buffer);
}

GdiObject* object_of(HGDIOBJ handle) {
    Gdi* gdi = current_gdi();
    GdiObject* object = gdi ? gdi->objects.get(handle) : nullptr;
    if (!object) SetLastError(refuse_handle(ERROR_INVALID_HANDLE));
    return object;
}

}  // namespace

extern "C" {

HPEN WINAPI CreatePen(int fnPenStyle, int nWidth, COLORREF crColor) {
    if (fnPenStyle != PS_SOLID && fnPenStyle != PS_NULL && current_gdi())
        current_gdi()->fixme("CreatePen", "style " + std::to_string(fnPenStyle) + " is drawn solid");
    if (nWidth > 1 && current_gdi())
        current_gdi()->fixme("CreatePen", "width " + std::to_string(nWidth) + " is drawn 1 pixel wide");
    return static_cast<HPEN>(add_object(Pen{fnPenStyle, nWidth, crColor & 0xFFFFFF}));
}

HBRUSH WINAPI CreateSolidBrush(COLORREF crColor) {
    return static_cast<HBRUSH>(add_object(Brush{BS_SOLID, crColor & 0xFFFFFF}));
}

HFONT WINAPI CreateFontIndirectW(const LOGFONTW* lplf) {
    Gdi* gdi = current_gdi();
    if (!gdi || !lplf) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return static_cast<HFONT>(gdi->objects.add(Font{*lplf, &gdi->fonts.font_for(*lplf)}));
}

HGDIOBJ WINAPI GetStockObject(int fnObject) {
    Gdi* gdi = current_gdi();
    return gdi ? gdi->objects.stock(fnObject) : nullptr;
}

int WINAPI GetObjectW(HGDIOBJ hgdiobj, int cbBuffer, LPVOID lpvObject) {
    GdiObject* object = object_of(hgdiobj);
    return object ? describe(*object, cbBuffer, lpvObject) : 0;
}

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT uObjectType) {
    DeviceContext* dc = dc_of(hdc);
    return dc ? dc->current(uObjectType) : nullptr;
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ hgdiobj) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc || !object_of(hgdiobj)) return nullptr;
    return dc->select(current_gdi()->objects.shared(hgdiobj));
}

// Icons are deleted here too, as DestroyIcon would.
BOOL WINAPI DeleteObject(HGDIOBJ hObject) {
    Gdi* gdi = current_gdi();
    if (!gdi) return FALSE;
    switch (gdi->objects.remove(hObject)) {
        case ObjectTable::Removal::Deleted:
        case ObjectTable::Removal::Stock: return TRUE;
        case ObjectTable::Removal::Selected: return FALSE;
        case ObjectTable::Removal::Unknown: break;
    }
    if (gdi->icons.remove(hObject)) return TRUE;
    SetLastError(refuse_handle(ERROR_INVALID_HANDLE));
    return FALSE;
}

}  // extern "C"
