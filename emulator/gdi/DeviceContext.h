#pragma once
#include <cstdint>
#include <memory>
#include <optional>

#include "gdi/Canvas.h"
#include "gdi/GdiObject.h"
#include "gdi/Region.h"

namespace emu {

class ObjectTable;

// A DC: where it draws (a surface, the origin of its coordinates there and its clip in
// surface coordinates), its selected objects and its text and background state.
class DeviceContext {
public:
    enum class Kind { Screen, Memory };

    // A fresh DC holds the black pen, the white brush and the system font, draws black
    // text on an opaque white background, and a memory DC holds the 1 x 1 stock bitmap.
    DeviceContext(Kind kind, const ObjectTable& objects, std::shared_ptr<Surface> surface, POINT origin, Region clip);
    ~DeviceContext();
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    Kind kind() const { return kind_; }
    Canvas canvas() const { return Canvas(*surface_, origin_, clip_.rects()); }
    const Surface& surface() const { return *surface_; }
    POINT origin() const { return origin_; }

    // Puts the object in its slot and answers the handle it replaces, or null when the
    // object cannot go here: a bitmap into a screen DC, or one another DC holds.
    HGDIOBJ select(const std::shared_ptr<GdiObject>& object);
    // The handle in the slot of OBJ_PEN, OBJ_BRUSH, OBJ_FONT or OBJ_BITMAP, or null.
    HGDIOBJ current(UINT type) const;

    // The pen's or brush's colour as a pixel, or nothing when it draws nothing.
    std::optional<std::uint32_t> pen_pixel() const;
    std::optional<std::uint32_t> brush_pixel() const;
    Font& font() const { return *font_->as<Font>(); }

    COLORREF text_colour = RGB(0, 0, 0);
    COLORREF background_colour = RGB(255, 255, 255);
    int background_mode = OPAQUE;
    POINT position{0, 0};

private:
    std::shared_ptr<GdiObject>* slot(UINT type);
    const std::shared_ptr<GdiObject>* slot(UINT type) const;
    void hold(std::shared_ptr<GdiObject>& slot, const std::shared_ptr<GdiObject>& object);

    Kind kind_;
    std::shared_ptr<Surface> surface_;
    POINT origin_;
    Region clip_;
    std::shared_ptr<GdiObject> pen_, brush_, font_, bitmap_;
};

}  // namespace emu
