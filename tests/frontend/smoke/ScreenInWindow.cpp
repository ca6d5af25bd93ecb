// Checks a picture of the desktop window against a picture of the device's screen: every
// screen pixel must fill its zoom x zoom square where the window shows the screen.
// Usage: screen_in_window WINDOW.png SCREEN.png ZOOM; exit status 0 when it does.
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "frontend/desktop/BodyLayout.h"

namespace {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    std::uint32_t at(int x, int y) const {
        const auto* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
        return (p[0] << 16) | (p[1] << 8) | p[2];
    }
};

std::optional<Picture> read_png(const char* file) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, file)) return std::nullopt;
    image.format = PNG_FORMAT_RGB;
    Picture picture{static_cast<int>(image.width), static_cast<int>(image.height),
                    std::vector<std::uint8_t>(PNG_IMAGE_SIZE(image))};
    if (!png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr)) return std::nullopt;
    return picture;
}

}  // namespace

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
