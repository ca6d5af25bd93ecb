#pragma once
#include <windef.h>

#include "gdi/Region.h"

namespace emu {

class Device;
class DeviceContext;
class Gdi;

// One paint of the desktop, clipped to the area the window manager hands over. Draws
// straight into the screen through a screen DC, since it may run on the host's thread.
class DesktopPainting {
public:
    DesktopPainting(Device& device, const Region& area);
    ~DesktopPainting();
    DesktopPainting(const DesktopPainting&) = delete;
    DesktopPainting& operator=(const DesktopPainting&) = delete;

    void background();
    void taskbar(bool start_icon);
    void menu_bar(bool input_button);

private:
    void fill(const RECT& rect, COLORREF colour);
    void text_right_aligned(const wchar_t* text, int right, int top, COLORREF colour);

    Device& device_;
    Gdi* gdi_;
    HDC dc_ = nullptr;
    DeviceContext* context_ = nullptr;
};

}  // namespace emu
