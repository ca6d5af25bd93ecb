// The pictures of the organiser and office programs.
#include "shell/IconArtDrawings.h"

namespace emu::icon_art {

void calendar(IconCanvas& c) {
    c.fill(4, 5, 28, 29, kWhite);
    c.frame(4, 5, 28, 29, kOutline);
    c.fill(5, 6, 27, 12, 0xFFD03030);
    c.fill(9, 2, 11, 8, kOutline);
    c.fill(21, 2, 23, 8, kOutline);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 5; ++column)
            c.fill(7 + column * 4, 14 + row * 4, 9 + column * 4, 16 + row * 4, row == 1 && column == 2 ? 0xFF2060D0 : kGrey);
}

void contacts(IconCanvas& c) {
    c.fill(3, 6, 29, 26, 0xFFF3E2C0);
    c.ellipse(11.5f, 13, 3.5f, 3.5f, 0xFF3060A0);
    c.ellipse(11.5f, 23, 6.5f, 4.5f, 0xFF3060A0);
    c.fill(3, 26, 29, 29, 0);
    c.frame(3, 6, 29, 26, kOutline);
    c.fill(19, 11, 26, 13, kGrey);
    c.fill(19, 16, 26, 18, kGrey);
    c.fill(19, 21, 24, 23, kGrey);
}

void inbox(IconCanvas& c) {
    c.fill(3, 8, 29, 25, 0xFFFFF4D0);
    c.frame(3, 8, 29, 25, kOutline);
    c.line(4, 9, 16, 18, 1.5f, kOutline);
    c.line(28, 9, 16, 18, 1.5f, kOutline);
    c.line(4, 24, 13, 16, 1, kGrey);
    c.line(28, 24, 19, 16, 1, kGrey);
}

void notes(IconCanvas& c) {
    c.fill(5, 3, 27, 29, 0xFFFFE866);
    c.frame(5, 3, 27, 29, kOutline);
    for (int row = 0; row < 5; ++row) c.fill(8, 8 + row * 4, 24, 9 + row * 4, 0xFFB09020);
    c.line(15, 26, 27, 10, 2.5f, 0xFF2060D0);
}

void tasks(IconCanvas& c) {
    c.fill(5, 4, 27, 30, 0xFFB07840);
    c.fill(8, 7, 24, 28, kWhite);
    c.fill(12, 2, 20, 7, kGrey);
    for (int row = 0; row < 3; ++row) {
        float y = 13 + row * 6.0f;
        c.line(10, y - 1, 12, y + 1, 1.5f, 0xFF20A040);
        c.line(12, y + 1, 15, y - 3, 1.5f, 0xFF20A040);
        c.fill(17, static_cast<int>(y) - 1, 22, static_cast<int>(y), kOutline);
    }
}

void calculator(IconCanvas& c) {
    c.fill(6, 2, 26, 30, 0xFF505860);
    c.frame(6, 2, 26, 30, kOutline);
    c.fill(9, 5, 23, 11, 0xFFB0D8A0);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 3; ++column)
            c.fill(9 + column * 5, 14 + row * 4, 12 + column * 5, 16 + row * 4, column == 2 ? 0xFFF09030 : 0xFFE0E0E0);
}

void word_processor(IconCanvas& c) {
    page(c, kWhite);
    c.fill(9, 6, 18, 10, 0xFF2050B0);
    for (int row = 0; row < 6; ++row) {
        int y = 13 + row * 3;
        c.fill(9, y, row % 2 ? 19 : 23, y + 1, 0xFF4070C0);
    }
}

void spreadsheet(IconCanvas& c) {
    page(c, kWhite);
    c.fill(7, 9, 25, 13, 0xFF30A050);
    for (int y = 13; y <= 28; y += 3) c.fill(7, y, 25, y + 1, 0xFF30A050);
    c.fill(12, 9, 13, 29, 0xFF30A050);
    c.fill(18, 9, 19, 29, 0xFF30A050);
}

}  // namespace emu::icon_art
