// GDI pixel rules, drawn into a memory DC: FillRect, Rectangle and RoundRect leave out the
// right and bottom edges; Rectangle outlines with the pen and fills the inside with the
// brush, and without a pen is a pixel smaller; a Polyline or LineTo leaves out its last
// point; RoundRect's corner rows; SetPixel/GetPixel; BitBlt between memory DCs, within one,
// and to and from a window.
#include "PaintedWindows.h"

namespace {

using painted::Canvas;
const COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

// Shapes are drawn with a DC's default pen, one pixel of black, and this brush.
HBRUSH g_red;

void Rectangles() {
    Canvas canvas(40, 40);
    SelectObject(canvas.dc, g_red);
    painted::Fill(canvas.dc, RECT{30, 30, 35, 35}, kBlue);
    painted::Fill(canvas.dc, RECT{39, 39, 36, 36}, kBlue);
    painted::Fill(canvas.dc, RECT{2, 39, 0, 37}, kBlue);
    Rectangle(canvas.dc, 5, 5, 15, 12);
    RoundRect(canvas.dc, 5, 15, 25, 35, 8, 8);
    SelectObject(canvas.dc, GetStockObject(NULL_BRUSH));
    Rectangle(canvas.dc, 36, 10, 26, 0);  // corners in either order
    SelectObject(canvas.dc, g_red);
    SelectObject(canvas.dc, GetStockObject(NULL_PEN));
    Rectangle(canvas.dc, 17, 5, 20, 8);
    painted::CheckPixels(canvas, {
        {"FillRect fills up to right-1, bottom-1", 34, 34, kBlue},
        {"FillRect leaves out the right edge", 35, 30, kWhite},
        {"FillRect leaves out the bottom edge", 30, 35, kWhite},
        {"FillRect with its edges reversed leaves out the smaller ones", 36, 36, kWhite},
        {"... and fills up to the larger ones", 39, 39, kBlue},
        {"... in either direction alone", 1, 38, kBlue},
        {"... leaving out its smaller edge there too", 0, 37, kWhite},
        {"Rectangle outlines at right-1", 14, 8, kBlack},
        {"Rectangle outlines at bottom-1", 10, 11, kBlack},
        {"Rectangle fills inside with the brush", 6, 6, kRed},
        {"Rectangle leaves out the right edge", 15, 8, kWhite},
        {"Rectangle leaves out the bottom edge", 10, 12, kWhite},
        {"Rectangle with the null brush, corners reversed, outlines", 35, 5, kBlack},
        {"... and leaves the inside", 30, 5, kWhite},
        {"Rectangle with the null pen fills from its corner", 17, 5, kRed},
        {"... to right-2, bottom-2", 18, 6, kRed},
        {"... a pixel smaller than with a pen", 19, 6, kWhite},
        {"... and a pixel shorter", 18, 7, kWhite},
        {"RoundRect cuts its top-left corner", 5, 15, kWhite},
        {"RoundRect cuts its bottom-right corner", 24, 34, kWhite},
        {"RoundRect outlines at right-1", 24, 25, kBlack},
        {"RoundRect outlines at bottom-1", 15, 34, kBlack},
        {"RoundRect leaves out the right edge", 25, 25, kWhite},
        {"RoundRect fills inside with the brush", 15, 25, kRed},
    });
}

// How far each corner row of RoundRect reaches: a 9 x 9 corner leaves out 3, 1, 1 and then
// no pixels of its rows, and corners larger than a 2 x 2 box cut nothing. (A 2 x 2 corner
// is where Windows CE and desktop GDI differ; the GDI tests check CE's.)
void RoundedCorners() {
    Canvas canvas(40, 40);
    SelectObject(canvas.dc, g_red);
    RoundRect(canvas.dc, 2, 2, 26, 26, 9, 9);
    RoundRect(canvas.dc, 30, 20, 32, 22, 9, 9);
    painted::CheckPixels(canvas, {
        {"a 9 x 9 corner leaves out three pixels of its first row", 4, 2, kWhite},
        {"... and outlines the fourth", 5, 2, kBlack},
        {"... leaves out one of its second row", 2, 3, kWhite},
        {"... and outlines the next two", 4, 3, kBlack},
        {"... leaves out one of its third row", 2, 4, kWhite},
        {"... outlines the next", 3, 4, kBlack},
        {"... and fills after it", 4, 4, kRed},
        {"... and none of its fourth", 2, 5, kBlack},
        {"the bottom-right corner mirrors it", 23, 25, kWhite},
        {"... and outlines its fourth pixel from the side", 22, 25, kBlack},
        {"a 2 x 2 box under a 9 x 9 corner is outlined whole", 30, 20, kBlack},
        {"... to its last pixel", 31, 21, kBlack},
    });
}

void LinesAndPixels() {
    Canvas canvas(40, 40);
    SelectObject(canvas.dc, g_red);
    const POINT across[] = {{2, 30}, {10, 30}}, corner[] = {{20, 2}, {20, 10}, {30, 10}}, slant[] = {{0, 0}, {5, 5}};
    Polyline(canvas.dc, across, 2);
    Polyline(canvas.dc, corner, 3);
    Polyline(canvas.dc, slant, 2);
    MoveToEx(canvas.dc, 35, 20, nullptr);
    LineTo(canvas.dc, 35, 25);
    POINT position = {0, 0};
    MoveToEx(canvas.dc, 0, 0, &position);
    check::True("LineTo moves the current position to its end", position.x == 35 && position.y == 25);
    SelectObject(canvas.dc, GetStockObject(NULL_PEN));
    const POINT hidden[] = {{0, 35}, {10, 35}};
    Polyline(canvas.dc, hidden, 2);
    check::Equal("SetPixel answers the colour it set", SetPixel(canvas.dc, 3, 4, kBlue), kBlue);
    painted::CheckPixels(canvas, {
        {"Polyline draws its first point", 2, 30, kBlack},
        {"Polyline draws up to the last point", 9, 30, kBlack},
        {"Polyline leaves out its last point", 10, 30, kWhite},
        {"Polyline draws its corner points", 20, 10, kBlack},
        {"... and its last segment up to its end", 29, 10, kBlack},
        {"... but not the end", 30, 10, kWhite},
        {"a diagonal goes through the pixels between", 3, 3, kBlack},
        {"a diagonal leaves out its last point", 5, 5, kWhite},
        {"LineTo draws from the current position", 35, 20, kBlack},
        {"LineTo leaves out its end", 35, 25, kWhite},
        {"the null pen draws no line", 5, 35, kWhite},
        {"GetPixel reads SetPixel's colour back", 3, 4, kBlue},
        {"... and only there", 2, 4, kWhite},
        {"GetPixel outside the bitmap answers CLR_INVALID", 40, 0, CLR_INVALID},
    });
}

void Blits(HINSTANCE instance) {
    Canvas source(40, 40), target(40, 40);
    painted::Fill(source.dc, RECT{0, 0, 10, 10}, kRed);
    painted::Fill(source.dc, RECT{10, 0, 20, 10}, kBlue);
    BitBlt(target.dc, 5, 5, 20, 10, source.dc, 0, 0, SRCCOPY);
    BitBlt(target.dc, 5, 25, 20, 10, source.dc, 0, 0, SRCCOPY);
    SetPixel(target.dc, 5, 25, kBlack);
    BitBlt(target.dc, 6, 26, 20, 10, target.dc, 5, 25, SRCCOPY);  // down and right, overlapping
    painted::CheckPixels(target, {
        {"BitBlt copies to the destination point", 5, 5, kRed},
        {"... the whole width", 24, 14, kBlue},
        {"... and nothing beyond it", 25, 5, kWhite},
        {"... nor above it", 5, 4, kWhite},
        {"BitBlt within one DC copies its first pixel", 6, 26, kBlack},
        {"... reading each row before it is written", 7, 27, kRed},
        {"... to its last pixel", 25, 35, kBlue},
    });

    RegisterWindowClass(instance, L"Plain", painted::Procedure);
    HWND window = painted::Create(instance, L"Plain", 20, 60, 40, 40, nullptr, kWhite);
    Pump();
    HDC dc = GetDC(window);
    BitBlt(dc, 0, 0, 40, 40, source.dc, 0, 0, SRCCOPY);
    check::Equal("BitBlt from a memory DC to a window", painted::Pixel(window, 15, 5), kBlue);
    Canvas back(40, 40);
    BitBlt(back.dc, 0, 0, 40, 40, dc, 0, 0, SRCCOPY);
    check::Equal("BitBlt from a window to a memory DC", back.At(15, 5), kBlue);
    ReleaseDC(window, dc);
    DestroyWindow(window);
}

}  // namespace

int RunChecks(HINSTANCE instance, LPWSTR) {
    g_red = CreateSolidBrush(kRed);
    Rectangles();
    RoundedCorners();
    LinesAndPixels();
    Blits(instance);
    DeleteObject(g_red);
    return check::Finish();
}
