#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <wingdi.h>

#include "gdi/DeviceContext.h"
#include "gdi/FontCache.h"
#include "gdi/Icon.h"
#include "gdi/IconResources.h"
#include "gdi/ObjectTable.h"
#include "gdi/Region.h"
#include "kernel/HandleTable.h"

namespace emu {

class Device;

// The device's screen and its GDI: DCs, objects, fonts and icons, all counted so that
// tests can prove nothing leaks.
class Gdi {
public:
    static constexpr int kScreenWidth = 240, kScreenHeight = 320;

    // `smoothing`: the device's rule for smoothing text, known at boot.
    explicit Gdi(Device& device, FontSmoothing smoothing = FontSmoothing::WhenAsked);
    Gdi(const Gdi&) = delete;
    Gdi& operator=(const Gdi&) = delete;

    // The framebuffer, row-major, 0x00RRGGBB.
    const std::vector<std::uint32_t>& framebuffer() const { return screen_->pixels; }
    // The framebuffer as the eye sees it: dimmed to the backlight's brightness, dark while
    // the display is off.
    std::vector<std::uint32_t> displayed() const;
    // Brightness of the backlight in percent: 100 shows the framebuffer as it is.
    void set_brightness(int percent);
    // Switching the display off darkens it and keeps the framebuffer, which shows again
    // as it was when the display is switched on.
    void set_display_on(bool on) { display_on_ = on; }
    bool write_png(const std::filesystem::path& file) const;

    // A DC drawing to the screen whose (0, 0) is screen point `origin` (a window's client
    // origin), clipped to `clip` (screen coordinates). Released with release_dc.
    HDC create_screen_dc(POINT origin, const Region& clip);
    bool release_dc(HDC dc);
    HDC create_memory_dc();
    bool delete_memory_dc(HDC dc);
    DeviceContext* dc(HDC handle) const { return dcs_.get(handle); }

    void fill_screen(const Region& area, COLORREF colour);
    // Copies the screen pixels that end up in `destination` from where they are, `by` away.
    void move_screen_pixels(const Region& destination, POINT by);
    HICON create_icon(int width, int height, std::vector<std::uint32_t> argb);
    HICON add_icon(std::shared_ptr<const Icon> icon) { return static_cast<HICON>(icons.add(std::move(icon))); }

    std::size_t live_objects() const { return objects.live(); }
    std::size_t live_dcs() const { return dcs_.size(); }
    std::size_t live_icons() const { return icons.size(); }

    // Logs a call the emulator carries out only in part, and how.
    void fixme(std::string_view call, std::string detail);

    Device& device() const { return device_; }

    FontCache fonts;
    ObjectTable objects{fonts};
    HandleTable<const Icon> icons{kIconTag};
    IconResources icon_resources;

private:
    bool remove_dc(HDC handle, DeviceContext::Kind kind);

    Device& device_;
    std::shared_ptr<Surface> screen_;
    HandleTable<DeviceContext> dcs_{kDeviceContextTag};
    int brightness_ = 100;
    bool display_on_ = true;
};

}  // namespace emu
