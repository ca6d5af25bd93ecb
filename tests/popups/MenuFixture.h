// The settings menu open in the test bar, and how to reach its entries on the screen.
#pragma once
#include "PopupFixture.h"

#include "app/ApplicationState.h"
#include "system/SettingsMenu.h"
#include "ui/Colours.h"
#include "ui/TwoColumnIconMenu.h"

namespace popups {

// The menu's place in the bar, which covers the screen, and its layout.
const int kMenuLeft = 32, kMenuTop = 148;
const int kRowHeight = 18, kLeftRows = 9;

class MenuTest : public PopupTest {
protected:
    void SetUp() override {
        PopupTest::SetUp();
        RunWithBar([this](HWND bar) { menu = BuildSettingsMenu(bar, instance); },
                   [this] {
                       delete menu;
                       menu = nullptr;
                   });
        ASSERT_NE(menu, nullptr);
    }

    // Screen points of points of the menu's client area.
    void Down(int x, int y) { device.host().stylus_down(kMenuLeft + x, kMenuTop + y); }
    void Move(int x, int y) { device.host().stylus_move(kMenuLeft + x, kMenuTop + y); }
    void Up(int x, int y) { device.host().stylus_up(kMenuLeft + x, kMenuTop + y); }
    COLORREF Pixel(int x, int y) { return device.host().pixel(kMenuLeft + x, kMenuTop + y); }

    // The top-left corner of entry i's cell in the menu, as the settings menu lays it out.
    static POINT Cell(int i) {
        return i < kLeftRows ? POINT{4, i * kRowHeight + 5} : POINT{98, (i - kLeftRows) * kRowHeight + 5};
    }
    static POINT Centre(int i) { return POINT{Cell(i).x + 45, Cell(i).y + 9}; }
    // A pixel of the cell that no icon or label covers.
    COLORREF CellBackground(int i) { return Pixel(Cell(i).x + 86, Cell(i).y + 9); }
    void Tap(int i) {
        Down(Centre(i).x, Centre(i).y);
        Up(Centre(i).x, Centre(i).y);
    }

    int Highlighted() {
        return device.host().inspect([this](emu::Device&) { return menu->Highlighted(); });
    }

    TwoColumnIconMenu* menu = nullptr;
};

}  // namespace popups
