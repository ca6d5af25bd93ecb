#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "frontend/desktop/Pixmap.h"
#include "gdi/FontCache.h"

namespace emu::desktop {

struct TextStyle {
    int pixels = 13;  // character height
    bool bold = false;
    Colour colour = 0;
};

enum class Align { Left, Centre, Right };

// Draws the panel's and the body's text with the device's own font family, smoothed.
// Text too wide for its box ends in an ellipsis.
class TextPainter {
public:
    int width(std::wstring_view text, TextStyle style);
    // `text` cut into lines no wider than `width`, at spaces where it can be; at most
    // `max_lines`, the last one ending in an ellipsis when text was left over.
    std::vector<std::wstring> wrap(std::wstring_view text, TextStyle style, int width, std::size_t max_lines);
    // Draws `text` in `box`, centred vertically; returns its drawn width.
    int draw(Pixmap& pixmap, Rect box, std::wstring_view text, TextStyle style, Align align = Align::Left);

private:
    SizedFont& font(TextStyle style);
    // The longest start of `text` that fits `width`, with an ellipsis if it was cut.
    std::wstring fitted(std::wstring_view text, TextStyle style, int width);

    FontCache fonts_{FontSmoothing::UnlessRefused};
};

}  // namespace emu::desktop
