#include "ui/DrawingHelpers.h"

#include <windows.h>
#include <wchar.h>

#include "ui/Colours.h"

namespace {

const int kLabelPoints = 8;
const int kEastAsianLabelPoints = 9;
const int kPointsPerInch = 72;

bool IsEastAsian(LANGID language) {
    int primary = PRIMARYLANGID(language);
    return primary == LANG_CHINESE || primary == LANG_JAPANESE || primary == LANG_KOREAN;
}

// One two-point polyline: the end point itself is not drawn.
void DrawSegment(HDC dc, int x1, int y1, int x2, int y2) {
    POINT points[2] = {{x1, y1}, {x2, y2}};
    Polyline(dc, points, 2);
}

}  // namespace

void BuildLabelFont(LANGID language, int pixelsPerInch, LOGFONT* font) {
    bool eastAsian = IsEastAsian(language);
    GetObject(GetStockObject(SYSTEM_FONT), sizeof(LOGFONT), font);
    font->lfWeight = eastAsian ? FW_NORMAL : FW_BOLD;
    double points = eastAsian ? kEastAsianLabelPoints : kLabelPoints;
    font->lfHeight = (LONG)(-(pixelsPerInch * points / kPointsPerInch + 0.5));
}

void DrawLabel(HDC dc, const WCHAR* text, int emphasised, int x, int y, COLORREF colour) {
    HFONT labelFont = NULL;
    HGDIOBJ previousFont = NULL;
    if (emphasised != 0) {
        LOGFONT font;
        BuildLabelFont(GetUserDefaultLangID(), GetDeviceCaps(dc, LOGPIXELSY), &font);
        labelFont = CreateFontIndirect(&font);
        previousFont = SelectObject(dc, labelFont);
    }
    COLORREF previousColour = SetTextColor(dc, colour);
    int previousMode = SetBkMode(dc, TRANSPARENT);
    ExtTextOut(dc, x, y, 0, NULL, text, (UINT)wcslen(text), NULL);
    SetBkMode(dc, previousMode);
    SetTextColor(dc, previousColour);
    if (labelFont != NULL) {
        SelectObject(dc, previousFont);
        DeleteObject(labelFont);
    }
}

void DrawWhiteFrame(HDC dc, int left, int top, int right, int bottom) {
    HPEN pen = CreatePen(PS_SOLID, 1, kWhiteColour);
    HGDIOBJ previousPen = SelectObject(dc, pen);
    DrawSegment(dc, left + 4, top, right - 4, top);
    DrawSegment(dc, left + 4, bottom - 1, right - 4, bottom - 1);
    DrawSegment(dc, left, top + 4, left, bottom - 4);
    DrawSegment(dc, right - 1, top + 4, right - 1, bottom - 4);

    DrawSegment(dc, left + 1, top + 2, left + 1, top + 5);
    SetPixel(dc, left + 2, top + 2, kWhiteColour);
    DrawSegment(dc, left + 2, top + 1, left + 5, top + 1);

    DrawSegment(dc, right - 2, top + 2, right - 2, top + 5);
    SetPixel(dc, right - 3, top + 2, kWhiteColour);
    DrawSegment(dc, right - 5, top + 1, right - 2, top + 1);

    DrawSegment(dc, left + 1, bottom - 3, left + 1, bottom - 6);
    SetPixel(dc, left + 2, bottom - 3, kWhiteColour);
    DrawSegment(dc, left + 5, bottom - 2, left + 1, bottom - 2);

    DrawSegment(dc, right - 2, bottom - 3, right - 2, bottom - 6);
    SetPixel(dc, right - 3, bottom - 3, kWhiteColour);
    DrawSegment(dc, right - 5, bottom - 2, right - 2, bottom - 2);
    SelectObject(dc, previousPen);
    DeleteObject(pen);
}

void DrawPanel(HDC dc, int left, int top, int right, int bottom, COLORREF fill) {
    HBRUSH brush = CreateSolidBrush(fill);
    HGDIOBJ previousBrush = SelectObject(dc, brush);
    DrawWhiteFrame(dc, left, top, right, bottom);
    RoundRect(dc, left + 1, top + 1, right - 1, bottom - 1, 9, 9);
    SelectObject(dc, previousBrush);
    DeleteObject(brush);
}

void DrawCornerlessFrame(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ previousPen = SelectObject(dc, pen);
    DrawSegment(dc, left + 1, top, right - 1, top);
    DrawSegment(dc, left + 1, bottom - 1, right - 1, bottom - 1);
    DrawSegment(dc, left, top + 1, left, bottom - 1);
    DrawSegment(dc, right - 1, top + 1, right - 1, bottom - 1);
    SelectObject(dc, previousPen);
    DeleteObject(pen);
}

void FillSoftRect(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ previousBrush = SelectObject(dc, brush);
    RoundRect(dc, left, top, right, bottom, 2, 2);
    DrawCornerlessFrame(dc, left, top, right, bottom, colour);
    SelectObject(dc, previousBrush);
    DeleteObject(brush);
}
