#pragma once
#include <memory>
#include <variant>

#include <wingdi.h>

#include "gdi/Surface.h"

namespace emu {

class SizedFont;

struct Pen {
    int style = PS_SOLID;
    int width = 1;
    COLORREF colour = 0;
};

struct Brush {
    int style = BS_SOLID;
    COLORREF colour = 0;
};

struct Font {
    LOGFONTW logfont{};
    SizedFont* face = nullptr;
};

struct Bitmap {
    std::shared_ptr<Surface> surface;
};

// A pen, brush, font or bitmap behind an HGDIOBJ. Stock objects live as long as the
// device; others until DeleteObject, which refuses while any DC has them selected.
struct GdiObject {
    std::variant<Pen, Brush, Font, Bitmap> value;
    HGDIOBJ handle = nullptr;
    bool stock = false;
    int selections = 0;

    // OBJ_PEN, OBJ_BRUSH, OBJ_FONT or OBJ_BITMAP.
    UINT type() const {
        static constexpr UINT kTypes[] = {OBJ_PEN, OBJ_BRUSH, OBJ_FONT, OBJ_BITMAP};
        return kTypes[value.index()];
    }
    template <class T>
    T* as() {
        return std::get_if<T>(&value);
    }
};

}  // namespace emu
