// The paint cycle: WM_PAINT comes through the queue only while something is invalid, once
// for all that is; BeginPaint reports the update region, erases it with the class brush when
// asked, validates it and clips drawing to it; UpdateWindow paints at once; hiding,
// destroying and showing windows invalidate what they uncover or show, and nothing else.
#include "PaintedWindows.h"

namespace {

using painted::kChildNew, painted::kChildOld, painted::kParentNew, painted::kParentOld;
const COLORREF kBrush = RGB(0, 160, 0);

HINSTANCE g_instance;

void PaintOnlyWhenInvalid() {
    HWND window = painted::Create(g_instance, L"Plain", 20, 60, 100, 100, nullptr, kParentOld);
    check::Equal("a window is not painted while it is created", painted::Paints(window), 0);
    Pump();
    check::Equal("it is painted once through the queue", painted::Paints(window), 1);
    check::Equal("... all of it", painted::Pixel(window, 99, 99), kParentOld);
    Pump();
    check::Equal("a valid window gets no WM_PAINT", painted::Paints(window), 1);

    painted::SetColour(window, kParentNew);
    RECT first = {10, 10, 20, 20}, second = {50, 60, 70, 80};
    InvalidateRect(window, &first, FALSE);
    InvalidateRect(window, &second, FALSE);
    check::SameRect("the update region's bounds take in both invalid parts", painted::UpdateBounds(window),
                    RECT{10, 10, 70, 80});
    Pump();
    check::Equal("two invalid parts are painted in one WM_PAINT", painted::Paints(window), 2);
    check::Equal("... the first", painted::Pixel(window, 15, 15), kParentNew);
    check::Equal("... the second", painted::Pixel(window, 69, 79), kParentNew);
    check::Equal("painting is clipped to the update region", painted::Pixel(window, 30, 30), kParentOld);
    check::Equal("... which leaves out the rectangle's right and bottom edges", painted::Pixel(window, 20, 15),
                 kParentOld);

    InvalidateRect(window, nullptr, FALSE);
    ValidateRect(window, nullptr);
    Pump();
    check::Equal("ValidateRect takes back an invalidation", painted::Paints(window), 2);
    UpdateWindow(window);
    check::Equal("UpdateWindow does not paint a valid window", painted::Paints(window), 2);
    InvalidateRect(window, &first, FALSE);
    UpdateWindow(window);
    check::Equal("UpdateWindow paints an invalid one at once", painted::Paints(window), 3);
    DestroyWindow(window);
}

void BeginPaintValidatesAndErases() {
    HWND window = CreateWindowEx(0, L"Brushed", L"", WS_POPUP | WS_VISIBLE, 20, 60, 50, 50, nullptr, nullptr,
                                 g_instance, nullptr);
    Pump();
    RECT part = {5, 6, 20, 30};
    InvalidateRect(window, &part, FALSE);
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    check::SameRect("BeginPaint reports the update region's bounds", ps.rcPaint, part);
    check::Equal("... and needs no erasing when none was asked", ps.fErase, FALSE);
    EndPaint(window, &ps);
    check::True("BeginPaint validates the window", !GetUpdateRect(window, nullptr, FALSE));

    HDC dc = GetDC(window);
    RECT all = {0, 0, 50, 50};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(window, dc);
    InvalidateRect(window, &part, TRUE);
    BeginPaint(window, &ps);
    EndPaint(window, &ps);
    check::Equal("with erasing asked, BeginPaint fills the update region with the class brush",
                  painted::Pixel(window, 5, 6), kBrush);
    check::Equal("... and nothing else", painted::Pixel(window, 4, 6), RGB(0, 0, 0));
    DestroyWindow(window);
}

// Two children of a parent that clips them, the upper one over a corner of the lower: hiding,
// showing and destroying the upper one, and the order in which they are all painted.
void UncoveringAndShowing() {
    HWND parent = painted::Create(g_instance, L"Plain", 20, 60, 100, 100, nullptr, kParentOld);
    HWND upper = painted::Create(g_instance, L"Plain", 30, 30, 40, 40, parent, kChildOld);
    HWND lower = painted::Create(g_instance, L"Plain", 10, 10, 40, 40, parent, kChildOld);
    Pump();
    painted::SetColour(parent, kParentNew);
    painted::SetColour(lower, kChildNew);
    painted::SetColour(upper, kChildNew);
    ShowWindow(upper, SW_HIDE);
    check::SameRect("hiding a child invalidates the sibling it covered", painted::UpdateBounds(lower),
                    RECT{20, 20, 40, 40});
    check::SameRect("... and the parent", painted::UpdateBounds(parent), RECT{30, 30, 70, 70});
    Pump();
    check::Equal("the uncovered part is painted", painted::Pixel(parent, 65, 65), kParentNew);
    check::Equal("... and nothing else of the parent", painted::Pixel(parent, 5, 5), kParentOld);
    check::Equal("... nor of the sibling", painted::Pixel(lower, 5, 5), kChildOld);
    check::Equal("the sibling shows where the hidden child was", painted::Pixel(lower, 35, 35), kChildNew);

    ShowWindow(upper, SW_SHOW);
    check::SameRect("showing a window invalidates all of it", painted::UpdateBounds(upper), RECT{0, 0, 40, 40});
    check::SameRect("... and nothing below it", painted::UpdateBounds(lower), RECT{0, 0, 0, 0});
    Pump();
    DestroyWindow(upper);
    check::SameRect("destroying a child invalidates the parent below it", painted::UpdateBounds(parent),
                    RECT{30, 30, 70, 70});
    Pump();

    InvalidateRect(lower, nullptr, FALSE);
    InvalidateRect(parent, nullptr, FALSE);
    Pump();
    check::True("a parent is painted before its children", painted::PaintedAt(parent) < painted::PaintedAt(lower));
    InvalidateRect(parent, nullptr, FALSE);
    Pump();
    check::Equal("a parent that clips its children does not paint over them", painted::Pixel(lower, 5, 5), kChildNew);
    DestroyWindow(parent);
}

// Windows CE: every window clips its children, whatever its style. Desktop Windows: a parent
// without WS_CLIPCHILDREN paints over them, and invalidating it invalidates them too, so they
// are painted again after it.
void ClippingChildrenIsTheRule() {
    HWND parent = CreateWindowEx(0, L"Plain", L"", WS_POPUP | WS_VISIBLE, 20, 60, 100, 100, nullptr, nullptr,
                                 g_instance, nullptr);
    HWND child = painted::Create(g_instance, L"Plain", 10, 10, 40, 40, parent, kChildOld);
    Pump();
    painted::SetColour(child, kChildNew);
    InvalidateRect(parent, nullptr, FALSE);
    Pump();
    check::ByPlatform("a parent without WS_CLIPCHILDREN invalidated: its child's pixels",
                      painted::Pixel(child, 5, 5), kChildOld, kChildNew);
    DestroyWindow(parent);
}

}  // namespace

int RunChecks(HINSTANCE instance, LPWSTR) {
    g_instance = instance;
    RegisterWindowClass(instance, L"Plain", painted::Procedure);
    RegisterWindowClass(instance, L"Brushed", DefWindowProc, 0, CreateSolidBrush(kBrush));
    PaintOnlyWhenInvalid();
    BeginPaintValidatesAndErases();
    UncoveringAndShowing();
    ClippingChildrenIsTheRule();
    return check::Finish();
}
