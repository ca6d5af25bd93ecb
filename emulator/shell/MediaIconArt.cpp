// The pictures of the browsing, media, game and settings programs.
#include "shell/IconArtDrawings.h"

namespace emu::icon_art {

void file_explorer(IconCanvas& c) {
    folder(c);
    c.ellipse(20, 18, 5, 5, 0xC0C8E8FF);
    c.ring(20, 18, 5.5f, 5.5f, 2, 0xFF1A3A80);
    c.line(24, 22, 29, 27, 3, 0xFF1A3A80);
}

void web_browser(IconCanvas& c) {
    c.ellipse(16, 16, 13, 13, 0xFF2A7FD4);
    c.ellipse(11, 12, 5, 4, 0xFF40B040);
    c.ellipse(20, 21, 6, 4, 0xFF40B040);
    c.ring(16, 16, 6, 13, 1, 0xFFA0D0FF);
    c.fill(3, 16, 29, 17, 0xFFA0D0FF);
    c.ring(16, 16, 13, 13, 1.2f, 0xFF103A70);
}

void media_player(IconCanvas& c) {
    c.ellipse(16, 16, 13, 13, 0xFFF08020);
    c.ring(16, 16, 13, 13, 1.2f, 0xFF904000);
    c.triangle(12, 9, 12, 23, 23, 16, kWhite);
}

void pictures(IconCanvas& c) {
    c.fill(3, 5, 29, 27, 0xFF8B5A2B);
    c.fill(6, 8, 26, 24, 0xFF9CD0F0);
    c.ellipse(21, 12, 2.5f, 2.5f, 0xFFFFD020);
    c.triangle(6, 24, 13, 13, 20, 24, 0xFF307030);
    c.triangle(13, 24, 19.5f, 16, 26, 24, 0xFF50A050);
}

void bubbles(IconCanvas& c) {
    c.ellipse(11, 19, 8, 8, 0xFFE03030);
    c.ellipse(21, 11, 7, 7, 0xFF3060E0);
    c.ellipse(23, 24, 5, 5, 0xFF30B040);
    c.ellipse(8.5f, 16.5f, 2, 2, 0xC0FFFFFF);
    c.ellipse(19, 9, 1.8f, 1.8f, 0xC0FFFFFF);
    c.ellipse(21.5f, 22.5f, 1.3f, 1.3f, 0xC0FFFFFF);
}

void solitaire(IconCanvas& c) {
    c.fill(4, 3, 20, 25, 0xFF2050A0);
    c.frame(4, 3, 20, 25, kOutline);
    c.frame(6, 5, 18, 23, 0xFF80A0E0);
    c.fill(12, 8, 28, 30, kWhite);
    c.frame(12, 8, 28, 30, kOutline);
    c.triangle(20, 12, 25, 19, 15, 19, 0xFFD02020);
    c.triangle(15, 19, 25, 19, 20, 26, 0xFFD02020);
}

void control_panel(IconCanvas& c) {
    c.fill(4, 4, 28, 28, 0xFFD8D8D8);
    c.frame(4, 4, 28, 28, kOutline);
    const int knob_tops[] = {17, 9, 14};
    for (int slider = 0; slider < 3; ++slider) {
        int x = 10 + slider * 6;
        c.fill(x, 8, x + 1, 25, kOutline);
        c.fill(x - 2, knob_tops[slider], x + 3, knob_tops[slider] + 4, 0xFF2060D0);
    }
}

}  // namespace emu::icon_art
