#include "gdi/ObjectTable.h"

#include <cwchar>

#include "gdi/FontCache.h"

namespace emu {

LOGFONTW system_logfont() {
    LOGFONTW logfont{};
    logfont.lfHeight = -kSystemFontPixels;
    logfont.lfWeight = FW_NORMAL;
    logfont.lfCharSet = DEFAULT_CHARSET;
    logfont.lfOutPrecision = OUT_DEFAULT_PRECIS;
    logfont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logfont.lfQuality = DEFAULT_QUALITY;
    logfont.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    std::wcsncpy(logfont.lfFaceName, kFontFaceName, LF_FACESIZE - 1);
    return logfont;
}

ObjectTable::ObjectTable(FontCache& fonts) {
    stock_[WHITE_BRUSH] = add_stock(Brush{BS_SOLID, RGB(255, 255, 255)});
    stock_[LTGRAY_BRUSH] = add_stock(Brush{BS_SOLID, RGB(192, 192, 192)});
    stock_[GRAY_BRUSH] = add_stock(Brush{BS_SOLID, RGB(128, 128, 128)});
    stock_[DKGRAY_BRUSH] = add_stock(Brush{BS_SOLID, RGB(64, 64, 64)});
    stock_[BLACK_BRUSH] = add_stock(Brush{BS_SOLID, RGB(0, 0, 0)});
    stock_[NULL_BRUSH] = add_stock(Brush{BS_NULL, 0});
    stock_[WHITE_PEN] = add_stock(Pen{PS_SOLID, 1, RGB(255, 255, 255)});
    stock_[BLACK_PEN] = add_stock(Pen{PS_SOLID, 1, RGB(0, 0, 0)});
    stock_[NULL_PEN] = add_stock(Pen{PS_NULL, 1, 0});
    const LOGFONTW logfont = system_logfont();
    stock_[SYSTEM_FONT] = add_stock(Font{logfont, &fonts.font_for(logfont)});
    default_bitmap_ = shared(add_stock(Bitmap{std::make_shared<Surface>(1, 1)}));
}

HGDIOBJ ObjectTable::add(decltype(GdiObject::value) value) {
    auto object = std::make_shared<GdiObject>();
    object->value = std::move(value);
    object->handle = table_.add(object);
    return object->handle;
}

HGDIOBJ ObjectTable::add_stock(decltype(GdiObject::value) value) {
    HGDIOBJ handle = add(std::move(value));
    get(handle)->stock = true;
    ++stock_count_;
    return handle;
}

HGDIOBJ ObjectTable::stock(int index) const {
    auto found = stock_.find(index);
    return found == stock_.end() ? nullptr : found->second;
}

ObjectTable::Removal ObjectTable::remove(HGDIOBJ handle) {
    GdiObject* object = get(handle);
    if (!object) return Removal::Unknown;
    if (object->stock) return Removal::Stock;
    if (object->selections > 0) return Removal::Selected;
    table_.remove(handle);
    return Removal::Deleted;
}

}  // namespace emu
