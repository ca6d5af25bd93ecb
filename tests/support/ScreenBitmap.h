#pragma once
#include <memory>

#include <windows.h>

#include "gdi/Gdi.h"
#include "support/BareDevice.h"

namespace test {

// A device with only its GDI, bound to the calling thread, and a memory DC on a bitmap the
// size of the screen: what the GDI benchmarks draw into.
class ScreenBitmap {
public:
    ScreenBitmap() {
        bare_.device.gdi = std::make_shared<emu::Gdi>(bare_.device);
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateCompatibleBitmap(dc_, emu::Gdi::kScreenWidth, emu::Gdi::kScreenHeight);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~ScreenBitmap() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    ScreenBitmap(const ScreenBitmap&) = delete;
    ScreenBitmap& operator=(const ScreenBitmap&) = delete;

    HDC dc() const { return dc_; }
    emu::Gdi& gdi() { return *bare_.device.gdi; }

private:
    BareDevice bare_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace test
