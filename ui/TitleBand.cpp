#include "ui/TitleBand.h"

#include "ui/Colours.h"

namespace {

void DrawSegment(HDC dc, int x1, int y1, int x2, int y2) {
    POINT points[] = {{x1, y1}, {x2, y2}};
    Polyline(dc, points, 2);
}

void FillBand(HDC dc) {
    HBRUSH brush = CreateSolidBrush(kPanelColour);
    HGDIOBJ previous = SelectObject(dc, brush);
    Rectangle(dc, 3, 3, 237, 26);
    SelectObject(dc, previous);
    DeleteObject(brush);
}

// Paints the band's black outline over in the panel colour, rounding its top corners, and
// puts a dotted rule under it.
void ReshapeEdges(HDC dc, const RECT& c) {
    HPEN pen = CreatePen(PS_SOLID, 1, kPanelColour);
    HGDIOBJ previous = SelectObject(dc, pen);
    DrawSegment(dc, c.left + 5, c.top + 2, c.right - 5, c.top + 2);
    DrawSegment(dc, c.left + 4, c.top + 3, c.right - 4, c.top + 3);
    DrawSegment(dc, c.left + 2, c.top + 25, c.right - 2, c.top + 25);
    DrawSegment(dc, c.left + 3, c.top + 3, c.left + 3, c.top + 25);
    DrawSegment(dc, c.right - 4, c.top + 3, c.right - 4, c.top + 25);
    DrawSegment(dc, c.left + 2, c.top + 5, c.left + 2, c.top + 25);
    DrawSegment(dc, c.right - 3, c.top + 5, c.right - 3, c.top + 25);
    for (int i = 2; i <= 236; i += 2) SetPixel(dc, c.left + i, c.top + 25, kTextColour);
    SelectObject(dc, previous);
    DeleteObject(pen);
}

}  // namespace

void DrawTitleBand(HDC dc, const RECT& client) {
    FillBand(dc);
    ReshapeEdges(dc, client);
}
