// Pixels, lines, rectangles and rounded rectangles.
#include <span>

#include <winbase.h>
#include <wingdi.h>
#include <winuser.h>

#include "gdi/GdiApiSupport.h"
#include "gdi/Line.h"
#include "gdi/Pixel.h"
#include "gdi/RoundedRect.h"

using namespace emu;

namespace {

void draw_polyline(const DeviceContext& dc, std::span<const POINT> points) {
    const auto pen = dc.pen_pixel();
    if (!pen) return;
    Canvas canvas = dc.canvas();
    for (std::size_t i = 1; i < points.size(); ++i) draw_line(canvas, points[i - 1], points[i], *pen);
}

BOOL draw_shape(HDC hdc, RECT box, SIZE corner) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc) return FALSE;
    Canvas canvas = dc->canvas();
    draw_rounded_rect(canvas, box, corner, dc->pen_pixel(), dc->brush_pixel());
    return TRUE;
}

// What FillRect fills of `rect`: a rectangle given with its edges the wrong way round is
// filled mirrored, its larger edge inside and its smaller one outside, as a pattern blit
// with a negative extent fills it.
RECT filled_area(const RECT& rect) {
    RECT area = rect;
    if (area.right < area.left) area = {area.right + 1, area.top, area.left + 1, area.bottom};
    if (area.bottom < area.top) area = {area.left, area.bottom + 1, area.right, area.top + 1};
    return area;
}

}  // namespace

extern "C" {

COLORREF WINAPI SetPixel(HDC hdc, int X, int Y, COLORREF crColor) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc) return CLR_INVALID;
    Canvas canvas = dc->canvas();
    if (!canvas.pixel_at(X, Y)) return CLR_INVALID;
    canvas.set_pixel(X, Y, pixel_of(crColor));
    return crColor & 0xFFFFFF;
}

COLORREF WINAPI GetPixel(HDC hdc, int nXPos, int nYPos) {
    DeviceContext* dc = dc_of(hdc);
    const auto pixel = dc ? dc->canvas().pixel_at(nXPos, nYPos) : std::nullopt;
    return pixel ? colorref_of(*pixel) : CLR_INVALID;
}

BOOL WINAPI Polyline(HDC hdc, const POINT* lppt, int cPoints) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc || !lppt || cPoints < 2) return FALSE;
    draw_polyline(*dc, std::span(lppt, static_cast<std::size_t>(cPoints)));
    return TRUE;
}

BOOL WINAPI MoveToEx(HDC hdc, int X, int Y, LPPOINT lpPoint) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc) return FALSE;
    if (lpPoint) *lpPoint = dc->position;
    dc->position = {X, Y};
    return TRUE;
}

BOOL WINAPI LineTo(HDC hdc, int nXEnd, int nYEnd) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc) return FALSE;
    const POINT segment[] = {dc->position, {nXEnd, nYEnd}};
    draw_polyline(*dc, segment);
    dc->position = segment[1];
    return TRUE;
}

BOOL WINAPI Rectangle(HDC hdc, int nLeftRect, int nTopRect, int nRightRect, int nBottomRect) {
    return draw_shape(hdc, {nLeftRect, nTopRect, nRightRect, nBottomRect}, {0, 0});
}

BOOL WINAPI RoundRect(HDC hdc, int nLeftRect, int nTopRect, int nRightRect, int nBottomRect, int nWidth,
                      int nHeight) {
    return draw_shape(hdc, {nLeftRect, nTopRect, nRightRect, nBottomRect}, {nWidth, nHeight});
}

int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    DeviceContext* dc = dc_of(hDC);
    GdiObject* object = dc ? current_gdi()->objects.get(hbr) : nullptr;
    Brush* brush = object ? object->as<Brush>() : nullptr;
    if (!brush || !lprc) return 0;
    if (brush->style != BS_NULL) dc->canvas().fill(filled_area(*lprc), pixel_of(brush->colour));
    return 1;
}

}  // extern "C"
