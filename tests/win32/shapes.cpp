// GDI pixel rules, drawn into a memory DC: FillRect, Rectangle and RoundRect leave out the
// right and bottom edges; Rectangle outlines with the pen and fills the inside with the
// brush; a Polyline or LineTo leaves out its last point; SetPixel/GetPixel; BitBlt between
// memory DCs, within one, and to and from a window.
#include "PaintedWindows.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old_bitmap;

    Canvas() {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, 40, 40);
        ReleaseDC(nullptr, screen);
        old_bitmap = SelectObject(dc, bitmap);
        Fill(RECT{0, 0, 40, 40}, kWhite);
    }
    ~Canvas() {
        SelectObject(dc, old_bitmap);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    void Fill(const RECT& rect, COLORREF colour) {
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc, &rect, brush);
        DeleteObject(brush);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc, x, y); }
};

struct Pixel {
    const char* name;
    int x, y;
    COLORREF expected;
};

void CheckPixels(const Canvas& canvas, const Pixel* pixels, int count) {
    for (int i = 0; i < count; ++i) check::Colour(pixels[i].name, canvas.At(pixels[i].x, pixels[i].y), pixels[i].expected);
}

// Draws with a one-pixel black pen and a red brush.
struct Tools {
    HDC dc;
    HGDIOBJ old_pen, old_brush;
    HPEN pen;
    HBRUSH brush;

    explicit Tools(HDC dc) : dc(dc) {
        pen = CreatePen(PS_SOLID, 1, kBlack);
        brush = CreateSolidBrush(kRed);
        old_pen = SelectObject(dc, pen);
        old_brush = SelectObject(dc, brush);
    }
    ~Tools() {
        SelectObject(dc, old_pen);
        SelectObject(dc, old_brush);
        DeleteObject(pen);
        DeleteObject(brush);
    }
};

void Rectangles() {
    {
        Canvas canvas;
        canvas.Fill(RECT{5, 5, 15, 10}, kRed);
        const Pixel pixels[] = {
            {"FillRect fills its top-left pixel", 5, 5, kRed},
            {"FillRect fills up to right-1, bottom-1", 14, 9, kRed},
            {"FillRect leaves out the right edge", 15, 5, kWhite},
            {"FillRect leaves out the bottom edge", 5, 10, kWhite},
        };
        CheckPixels(canvas, pixels, 4);
    }
    {
        Canvas canvas;
        Tools tools(canvas.dc);
        Rectangle(canvas.dc, 5, 5, 15, 12);
        const Pixel pixels[] = {
            {"Rectangle outlines its left edge", 5, 8, kBlack},
            {"Rectangle outlines at right-1", 14, 8, kBlack},
            {"Rectangle outlines its top edge", 10, 5, kBlack},
            {"Rectangle outlines at bottom-1", 10, 11, kBlack},
            {"Rectangle fills inside with the brush", 6, 6, kRed},
            {"Rectangle leaves out the right edge", 15, 8, kWhite},
            {"Rectangle leaves out the bottom edge", 10, 12, kWhite},
        };
        CheckPixels(canvas, pixels, 7);
        SelectObject(canvas.dc, GetStockObject(NULL_BRUSH));
        Rectangle(canvas.dc, 20, 20, 30, 30);
        check::Colour("Rectangle with the null brush leaves the inside", canvas.At(25, 25), kWhite);
        check::Colour("... and still outlines", canvas.At(29, 25), kBlack);
    }
    {
        Canvas canvas;
        Tools tools(canvas.dc);
        RoundRect(canvas.dc, 5, 5, 25, 25, 8, 8);
        const Pixel pixels[] = {
            {"RoundRect cuts its top-left corner", 5, 5, kWhite},
            {"RoundRect cuts its bottom-right corner", 24, 24, kWhite},
            {"RoundRect outlines the middle of its top edge", 15, 5, kBlack},
            {"RoundRect outlines the middle of its left edge", 5, 15, kBlack},
            {"RoundRect outlines at right-1", 24, 15, kBlack},
            {"RoundRect outlines at bottom-1", 15, 24, kBlack},
            {"RoundRect leaves out the right edge", 25, 15, kWhite},
            {"RoundRect fills inside with the brush", 15, 15, kRed},
        };
        CheckPixels(canvas, pixels, 8);
    }
}

void Lines() {
    Canvas canvas;
    Tools tools(canvas.dc);
    const POINT across[] = {{2, 30}, {10, 30}};
    Polyline(canvas.dc, across, 2);
    const POINT corner[] = {{20, 2}, {20, 10}, {30, 10}};
    Polyline(canvas.dc, corner, 3);
    const POINT slant[] = {{0, 0}, {5, 5}};
    Polyline(canvas.dc, slant, 2);
    MoveToEx(canvas.dc, 35, 20, nullptr);
    LineTo(canvas.dc, 35, 25);
    const Pixel pixels[] = {
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
    };
    CheckPixels(canvas, pixels, 10);
    POINT position = {0, 0};
    MoveToEx(canvas.dc, 0, 0, &position);
    check::True("LineTo moves the current position to its end", position.x == 35 && position.y == 25);
}

void Pixels() {
    Canvas canvas;
    check::Colour("SetPixel answers the colour it set", SetPixel(canvas.dc, 3, 4, kBlue), kBlue);
    check::Colour("GetPixel reads it back", canvas.At(3, 4), kBlue);
    check::Colour("... and only there", canvas.At(4, 4), kWhite);
    check::Colour("GetPixel outside the bitmap answers CLR_INVALID", canvas.At(40, 0), CLR_INVALID);
}

void Blits(HINSTANCE instance) {
    Canvas source, target;
    source.Fill(RECT{0, 0, 10, 10}, kRed);
    source.Fill(RECT{10, 0, 20, 10}, kBlue);
    BitBlt(target.dc, 5, 5, 20, 10, source.dc, 0, 0, SRCCOPY);
    const Pixel pixels[] = {
        {"BitBlt copies to the destination point", 5, 5, kRed},
        {"... the whole width", 24, 14, kBlue},
        {"... and nothing beyond it", 25, 5, kWhite},
        {"... nor above it", 5, 4, kWhite},
    };
    CheckPixels(target, pixels, 4);
    BitBlt(target.dc, 10, 5, 20, 10, target.dc, 5, 5, SRCCOPY);
    check::Colour("BitBlt within one DC reads before it writes", target.At(14, 5), kRed);
    check::Colour("... so the copy is whole", target.At(29, 14), kBlue);

    painted::RegisterClassWithStyle(instance, L"Plain", 0);
    HWND window = painted::Create(instance, L"Plain", 20, 60, 40, 40, nullptr, kWhite);
    painted::Pump();
    HDC dc = GetDC(window);
    BitBlt(dc, 0, 0, 40, 40, source.dc, 0, 0, SRCCOPY);
    check::Colour("BitBlt from a memory DC to a window", painted::Pixel(window, 15, 5), kBlue);
    Canvas back;
    BitBlt(back.dc, 0, 0, 40, 40, dc, 0, 0, SRCCOPY);
    check::Colour("BitBlt from a window to a memory DC", back.At(15, 5), kBlue);
    ReleaseDC(window, dc);
    DestroyWindow(window);
}

}  // namespace

int RunChecks(HINSTANCE instance, LPWSTR) {
    Rectangles();
    Lines();
    Pixels();
    Blits(instance);
    return check::Finish();
}
