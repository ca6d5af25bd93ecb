// Checks a picture of the desktop window against a picture of the device's screen: every
// screen pixel must fill its zoom x zoom square where the window shows the screen.
// Usage: screen_in_window WINDOW.png SCREEN.png ZOOM; exit status 0 when it does.
#include "support/PngPicture.h"

#include <cstdio>

#include "frontend/desktop/BodyLayout.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: screen_in_window WINDOW.png SCREEN.png ZOOM\n");
        return 2;
    }
    auto window = read_png(argv[1]);
    auto screen = read_png(argv[2]);
    if (!window || !screen) {
        std::fprintf(stderr, "cannot read %s or %s\n", argv[1], argv[2]);
        return 2;
    }
    emu::desktop::BodyLayout layout(std::stoi(argv[3]));
    for (int y = 0; y < screen->height; ++y)
        for (int x = 0; x < screen->width; ++x) {
            const auto corner = layout.to_window({x, y});
            for (int dy = 0; dy < layout.zoom(); ++dy)
                for (int dx = 0; dx < layout.zoom(); ++dx) {
                    const int wx = corner.x + dx, wy = corner.y + dy;
                    if (wx < window->width && wy < window->height && window->at(wx, wy) == screen->at(x, y)) continue;
                    std::fprintf(stderr, "screen pixel %d,%d (%06x) is not at window %d,%d\n", x, y,
                                 screen->at(x, y), wx, wy);
                    return 1;
                }
        }
    std::printf("the window shows the device's %dx%d screen at zoom %d\n", screen->width, screen->height,
                layout.zoom());
    return 0;
}
