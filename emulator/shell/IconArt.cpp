#include "shell/IconArt.h"

#include <array>

#include "shell/IconArtDrawings.h"

namespace emu {

namespace icon_art {

void page(IconCanvas& c, std::uint32_t paper) {
    c.fill(6, 2, 26, 30, paper);
    c.frame(6, 2, 26, 30, kOutline);
    c.triangle(20, 2, 26, 8, 20, 8, 0xFFD0D0D0);
    c.line(20, 2.5f, 25.5f, 8, 1, kOutline);
}

void folder(IconCanvas& c) {
    c.fill(3, 6, 14, 10, 0xFFE0A820);
    c.fill(3, 9, 29, 27, 0xFFF5C842);
    c.frame(3, 9, 29, 27, 0xFF8A6010);
    c.fill(4, 10, 28, 12, 0xFFFADA78);
}

void document(IconCanvas& c) {
    page(c, kWhite);
    for (int row = 0; row < 5; ++row) c.fill(9, 11 + row * 3, row == 4 ? 17 : 23, 12 + row * 3, kGrey);
}

void application(IconCanvas& c) {
    c.fill(3, 5, 29, 27, kWhite);
    c.frame(3, 5, 29, 27, kOutline);
    c.fill(4, 6, 28, 11, 0xFF2050B0);
    c.fill(7, 14, 13, 20, 0xFF70A0E0);
    c.fill(16, 15, 25, 16, kGrey);
    c.fill(16, 18, 23, 19, kGrey);
}

}  // namespace icon_art

std::vector<std::uint32_t> draw_icon_art(IconArt art, int size) {
    using namespace icon_art;
    static constexpr std::array<void (*)(IconCanvas&), kIconArtCount> kDrawings{
        calendar,  contacts,       inbox,       notes,   tasks,     calculator,    file_explorer,
        web_browser, media_player, pictures,    word_processor, spreadsheet, bubbles, solitaire,
        control_panel, folder,     document,    application};
    IconCanvas canvas;
    kDrawings[static_cast<std::size_t>(art)](canvas);
    return canvas.pixels(size);
}

}  // namespace emu
