#include "frontend/desktop/TextPainter.h"

namespace emu::desktop {

namespace {
constexpr wchar_t kEllipsis = L'\u2026';
}

SizedFont& TextPainter::font(TextStyle style) {
    LOGFONTW logfont{};
    logfont.lfHeight = -style.pixels;
    logfont.lfWeight = style.bold ? FW_BOLD : FW_NORMAL;
    return fonts_.font_for(logfont);
}

int TextPainter::width(std::wstring_view text, TextStyle style) {
    auto& f = font(style);
    int total = 0;
    for (wchar_t c : text) total += f.glyph(c).advance;
    return total;
}

std::wstring TextPainter::fitted(std::wstring_view text, TextStyle style, int room) {
    if (width(text, style) <= room) return std::wstring(text);
    auto& f = font(style);
    int used = f.glyph(kEllipsis).advance;
    std::wstring result;
    for (wchar_t c : text) {
        used += f.glyph(c).advance;
        if (used > room) break;
        result += c;
    }
    return result + kEllipsis;
}

std::vector<std::wstring> TextPainter::wrap(std::wstring_view text, TextStyle style, int room, std::size_t max_lines) {
    std::vector<std::wstring> lines;
    while (!text.empty() && lines.size() + 1 < max_lines && width(text, style) > room) {
        std::size_t fits = 1;
        while (fits < text.size() && width(text.substr(0, fits + 1), style) <= room) ++fits;
        // Break after the last space or path separator that fits, unless the line would
        // then be very short.
        const auto space = text.substr(0, fits + 1).find_last_of(L" \\");
        const auto cut = space != std::wstring_view::npos && space > fits / 2 ? space + 1 : fits;
        lines.emplace_back(text.substr(0, cut));
        text.remove_prefix(cut);
    }
    if (!text.empty()) lines.push_back(fitted(text, style, room));
    return lines;
}

int TextPainter::draw(Pixmap& pixmap, Rect box, std::wstring_view text, TextStyle style, Align align) {
    const auto shown = fitted(text, style, box.width);
    const int shown_width = width(shown, style);
    auto& f = font(style);
    int pen = box.x;
    if (align == Align::Centre) pen += (box.width - shown_width) / 2;
    if (align == Align::Right) pen += box.width - shown_width;
    const int baseline = box.y + (box.height - f.height()) / 2 + f.ascent();
    for (wchar_t c : shown) {
        const auto& g = f.glyph(c);
        for (int row = 0; row < g.height; ++row)
            for (int column = 0; column < g.width; ++column)
                pixmap.blend({pen + g.left + column, baseline - g.top + row}, style.colour,
                             g.coverage[static_cast<std::size_t>(row) * g.width + column]);
        pen += g.advance;
    }
    return shown_width;
}

}  // namespace emu::desktop
