#include "gdi/DeviceContext.h"

#include "gdi/ObjectTable.h"
#include "gdi/Pixel.h"

namespace emu {

DeviceContext::DeviceContext(Kind kind, const ObjectTable& objects, std::shared_ptr<Surface> surface, POINT origin,
                             Region clip)
    : kind_(kind), surface_(std::move(surface)), origin_(origin), clip_(std::move(clip)) {
    clip_.intersect(surface_->bounds());
    hold(pen_, objects.shared(objects.stock(BLACK_PEN)));
    hold(brush_, objects.shared(objects.stock(WHITE_BRUSH)));
    hold(font_, objects.shared(objects.stock(SYSTEM_FONT)));
    if (kind_ == Kind::Memory) select(objects.default_bitmap());
}

DeviceContext::~DeviceContext() {
    for (auto* held : {&pen_, &brush_, &font_, &bitmap_})
        if (*held) --(*held)->selections;
}

void DeviceContext::hold(std::shared_ptr<GdiObject>& held, const std::shared_ptr<GdiObject>& object) {
    ++object->selections;
    if (held) --held->selections;
    held = object;
}

HGDIOBJ DeviceContext::select(const std::shared_ptr<GdiObject>& object) {
    auto* held = slot(object->type());
    if (!held) return nullptr;
    if (auto* bitmap = object->as<Bitmap>()) {
        const bool taken = object->selections > 0 && !object->stock && *held != object;
        if (kind_ != Kind::Memory || taken) return nullptr;
        surface_ = bitmap->surface;
        clip_ = Region(surface_->bounds());
        origin_ = {0, 0};
    }
    HGDIOBJ previous = *held ? (*held)->handle : nullptr;
    hold(*held, object);
    return previous;
}

HGDIOBJ DeviceContext::current(UINT type) const {
    const auto* held = slot(type);
    return held && *held ? (*held)->handle : nullptr;
}

std::optional<std::uint32_t> DeviceContext::pen_pixel() const {
    const Pen& pen = *pen_->as<Pen>();
    if (pen.style == PS_NULL) return std::nullopt;
    return pixel_of(pen.colour);
}

std::optional<std::uint32_t> DeviceContext::brush_pixel() const {
    const Brush& brush = *brush_->as<Brush>();
    if (brush.style == BS_NULL) return std::nullopt;
    return pixel_of(brush.colour);
}

std::shared_ptr<GdiObject>* DeviceContext::slot(UINT type) {
    switch (type) {
        case OBJ_PEN: return &pen_;
        case OBJ_BRUSH: return &brush_;
        case OBJ_FONT: return &font_;
        case OBJ_BITMAP: return kind_ == Kind::Memory ? &bitmap_ : nullptr;
        default: return nullptr;
    }
}

const std::shared_ptr<GdiObject>* DeviceContext::slot(UINT type) const {
    return const_cast<DeviceContext*>(this)->slot(type);
}

}  // namespace emu
