// Moving and sizing windows: the valid pixels travel with the client area (unless
// SWP_NOCOPYBITS), only what was not on screen before becomes invalid, in the window and in
// its parent, and is painted later through the queue; a pending update region stays in
// client coordinates, clipped to the new client area; CS_HREDRAW/CS_VREDRAW invalidate the
// whole client area on a change of width/height; SWP_NOREDRAW invalidates nothing.
#include "PaintedWindows.h"

namespace {

using painted::kChildNew, painted::kChildOld, painted::kParentNew, painted::kParentOld;
const UINT kMoveOnly = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
const UINT kSizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;

HINSTANCE g_instance;

// A parent with one child, both painted in their old colours and valid; anything painted
// from now on comes in the new colours.
struct Scene {
    HWND parent;
    HWND child;

    Scene(const WCHAR* child_class, int x, int y, int width, int height) {
        parent = painted::Create(g_instance, L"Plain", 20, 60, 200, 200, nullptr, kParentOld);
        child = painted::Create(g_instance, child_class, x, y, width, height, parent, kChildOld);
        Pump();
        painted::SetColour(parent, kParentNew);
        painted::SetColour(child, kChildNew);
    }
    ~Scene() { DestroyWindow(parent); }
    COLORREF Child(int x, int y) const { return painted::Pixel(child, x, y); }
    COLORREF Parent(int x, int y) const { return painted::Pixel(parent, x, y); }
};

void AMoveKeepsTheValidPixels() {
    Scene scene(L"Plain", 10, 10, 40, 40);
    SetWindowPos(scene.child, nullptr, 30, 10, 0, 0, kMoveOnly);
    check::SameRect("a wholly visible child moved has nothing invalid", painted::UpdateBounds(scene.child),
                    RECT{0, 0, 0, 0});
    check::SameRect("the parent has what the child uncovered invalid", painted::UpdateBounds(scene.parent),
                    RECT{10, 10, 30, 50});
    check::Equal("the child's pixels moved with it", scene.Child(0, 0), kChildOld);
    check::Equal("... to its far corner", scene.Child(39, 39), kChildOld);
    Pump();
    check::Equal("the moved child is not painted again", painted::Paints(scene.child), 1);
    check::Equal("the uncovered part of the parent is painted through the queue", scene.Parent(15, 20), kParentNew);
    check::Equal("the rest of the parent is kept", scene.Parent(5, 5), kParentOld);

    SetWindowPos(scene.child, nullptr, 60, 10, 0, 0, kMoveOnly | SWP_NOCOPYBITS);
    check::SameRect("with SWP_NOCOPYBITS the whole child is invalid", painted::UpdateBounds(scene.child),
                    RECT{0, 0, 40, 40});
    Pump();
    check::Equal("... and painted again", scene.Child(0, 0), kChildNew);

    MoveWindow(scene.child, 100, 10, 40, 40, TRUE);
    check::SameRect("MoveWindow keeps the valid pixels too", painted::UpdateBounds(scene.child), RECT{0, 0, 0, 0});
    check::SameRect("... and invalidates what it uncovers in the parent", painted::UpdateBounds(scene.parent),
                    RECT{60, 10, 100, 50});
}

void WhatWasHiddenBecomesInvalid() {
    Scene scene(L"Plain", 180, 10, 40, 40);
    SetWindowPos(scene.child, nullptr, 100, 10, 0, 0, kMoveOnly);
    check::SameRect("the part of the child that was outside its parent is invalid", painted::UpdateBounds(scene.child),
                    RECT{20, 0, 40, 40});
    Pump();
    check::Equal("... and painted", scene.Child(30, 5), kChildNew);
    check::Equal("the part that showed is kept", scene.Child(5, 5), kChildOld);
}

void PendingRegionsStayInClientCoordinates() {
    Scene scene(L"Plain", 10, 10, 40, 40);
    RECT corner = {0, 0, 5, 5};
    InvalidateRect(scene.child, &corner, FALSE);
    SetWindowPos(scene.child, nullptr, 30, 10, 0, 0, kMoveOnly);
    check::SameRect("a pending update region moves with the child", painted::UpdateBounds(scene.child), corner);
    Pump();
    check::Equal("... and is painted there", scene.Child(2, 2), kChildNew);
    check::Equal("what was valid is kept", scene.Child(10, 10), kChildOld);

    RECT middle = {10, 10, 30, 30};
    InvalidateRect(scene.child, &middle, FALSE);
    SetWindowPos(scene.child, nullptr, 0, 0, 20, 20, kSizeOnly);
    check::SameRect("a pending region is clipped to the smaller client area", painted::UpdateBounds(scene.child),
                    RECT{10, 10, 20, 20});
    check::SameRect("the parent has what the smaller child uncovered invalid", painted::UpdateBounds(scene.parent),
                    RECT{30, 10, 70, 50});
    Pump();
    check::Equal("... below it", scene.Parent(35, 45), kParentNew);
    check::Equal("... right of it", scene.Parent(65, 15), kParentNew);
}

void SizeChangesAndClassStyles() {
    {
        Scene scene(L"Plain", 10, 10, 40, 40);
        SetWindowPos(scene.child, nullptr, 0, 0, 60, 50, kSizeOnly);
        check::SameRect("growing invalidates the new part", painted::UpdateBounds(scene.child), RECT{0, 0, 60, 50});
        Pump();
        check::Equal("... which is painted", scene.Child(50, 5), kChildNew);
        check::Equal("... below too", scene.Child(5, 45), kChildNew);
        check::Equal("the old part is kept", scene.Child(5, 5), kChildOld);
    }
    struct Case {
        const char* name;
        const WCHAR* class_name;
        int width, height;
        COLORREF kept_corner;
    };
    const Case cases[] = {
        {"CS_HREDRAW repaints all on a change of width", L"HRedraw", 60, 40, kChildNew},
        {"CS_HREDRAW keeps the pixels on a change of height", L"HRedraw", 40, 60, kChildOld},
        {"CS_VREDRAW repaints all on a change of height", L"VRedraw", 40, 60, kChildNew},
        {"CS_VREDRAW keeps the pixels on a change of width", L"VRedraw", 60, 40, kChildOld},
        {"CS_VREDRAW repaints all when the height shrinks", L"VRedraw", 40, 30, kChildNew},
    };
    for (const Case& c : cases) {
        Scene scene(c.class_name, 10, 10, 40, 40);
        SetWindowPos(scene.child, nullptr, 0, 0, c.width, c.height, kSizeOnly);
        Pump();
        check::Equal(c.name, scene.Child(5, 5), c.kept_corner);
    }
}

void RedrawFlags() {
    {
        Scene scene(L"Plain", 10, 10, 40, 40);
        SetWindowPos(scene.child, nullptr, 30, 10, 60, 60, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        check::SameRect("SWP_NOREDRAW leaves the moved window valid", painted::UpdateBounds(scene.child),
                        RECT{0, 0, 0, 0});
        check::SameRect("... and what it uncovers in the parent", painted::UpdateBounds(scene.parent),
                        RECT{0, 0, 0, 0});
    }
    {
        // Windows CE: MoveWindow ignores its repaint flag, so what the move exposes is painted
        // as after any move. Desktop Windows: no repaint is SWP_NOREDRAW.
        Scene scene(L"Redraw", 10, 10, 40, 40);
        MoveWindow(scene.child, 30, 10, 40, 50, FALSE);
        check::ByPlatform("MoveWindow without repaint, child's update region", painted::UpdateBounds(scene.child),
                          RECT{0, 0, 40, 50}, RECT{0, 0, 0, 0});
        check::ByPlatform("MoveWindow without repaint, parent's update region", painted::UpdateBounds(scene.parent),
                          RECT{10, 10, 30, 50}, RECT{0, 0, 0, 0});
    }
}

// The bar's own case: a top-level window whose class redraws on size changes, docked anew.
void TopLevelWindows() {
    HWND bar = painted::Create(g_instance, L"Redraw", 20, 250, 100, 30, nullptr, kChildOld);
    HWND button = painted::Create(g_instance, L"Plain", 5, 5, 10, 10, bar, kChildOld);
    Pump();
    MoveWindow(bar, 20, 236, 100, 44, FALSE);
    check::ByPlatform("a top-level window resized without repaint", painted::UpdateBounds(bar), RECT{0, 0, 100, 44},
                      RECT{0, 0, 0, 0});
    check::ByPlatform("... and its child", painted::UpdateBounds(button), RECT{0, 0, 10, 10}, RECT{0, 0, 0, 0});
    Pump();
    MoveWindow(bar, 20, 250, 100, 30, TRUE);
    check::SameRect("a top-level window resized with repaint", painted::UpdateBounds(bar), RECT{0, 0, 100, 30});
    check::SameRect("... has its children painted again too", painted::UpdateBounds(button), RECT{0, 0, 10, 10});
    DestroyWindow(bar);

    HWND plain = painted::Create(g_instance, L"Plain", 20, 250, 100, 30, nullptr, kParentOld);
    HWND child = painted::Create(g_instance, L"Plain", 5, 5, 10, 10, plain, kChildOld);
    Pump();
    MoveWindow(plain, 20, 236, 100, 44, TRUE);
    check::SameRect("growing upwards invalidates only the new rows", painted::UpdateBounds(plain),
                    RECT{0, 30, 100, 44});
    check::SameRect("a child moved with its parent stays valid", painted::UpdateBounds(child), RECT{0, 0, 0, 0});
    DestroyWindow(plain);

    HWND under = painted::Create(g_instance, L"Redraw", 20, 100, 100, 100, nullptr, kParentOld);
    HWND over = painted::Create(g_instance, L"Plain", 20, 100, 100, 50, nullptr, kChildOld);
    Pump();
    SetWindowPos(under, over, 0, 0, 100, 120, SWP_NOMOVE | SWP_NOACTIVATE);
    check::SameRect("a class redraw invalidates the covered part of the window too", painted::UpdateBounds(under),
                    RECT{0, 0, 100, 120});
    DestroyWindow(over);
    DestroyWindow(under);
}

}  // namespace

int RunChecks(HINSTANCE instance, LPWSTR) {
    g_instance = instance;
    RegisterWindowClass(instance, L"Plain", painted::Procedure);
    RegisterWindowClass(instance, L"HRedraw", painted::Procedure, CS_HREDRAW);
    RegisterWindowClass(instance, L"VRedraw", painted::Procedure, CS_VREDRAW);
    RegisterWindowClass(instance, L"Redraw", painted::Procedure, CS_HREDRAW | CS_VREDRAW);
    AMoveKeepsTheValidPixels();
    WhatWasHiddenBecomesInvalid();
    PendingRegionsStayInClientCoordinates();
    SizeChangesAndClassStyles();
    RedrawFlags();
    TopLevelWindows();
    return check::Finish();
}
