#include "frontend/desktop/DesktopWindow.h"

#include <cstring>
#include <vector>

#include "gdi/PngFile.h"

namespace emu::desktop {

namespace {

// The pixmap's pixels, 0x00RRGGBB, seen as an SDL surface without a copy.
SDL_Surface* surface_over(const Pixmap& pixmap) {
    auto* pixels = const_cast<Colour*>(pixmap.pixels().data());
    return SDL_CreateRGBSurfaceWithFormatFrom(pixels, pixmap.size().width, pixmap.size().height, 32,
                                              pixmap.size().width * 4, SDL_PIXELFORMAT_RGB888);
}

}  // namespace

std::unique_ptr<DesktopWindow> DesktopWindow::open(const char* title, Size size, std::string& error) {
    // The system's own framebuffer (X11 shared memory) rather than an OpenGL texture, which
    // on a machine without a GPU costs a software rasteriser's work for every frame.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    auto* window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, size.width, size.height, 0);
    if (window == nullptr || SDL_GetWindowSurface(window) == nullptr) {
        error = SDL_GetError();
        if (window != nullptr) SDL_DestroyWindow(window);
        return nullptr;
    }
    return std::unique_ptr<DesktopWindow>(new DesktopWindow(window));
}

DesktopWindow::~DesktopWindow() { SDL_DestroyWindow(window_); }

void DesktopWindow::present(const Pixmap& pixmap, std::span<const Rect> areas) {
    auto* target = SDL_GetWindowSurface(window_);
    auto* source = surface_over(pixmap);
    if (target == nullptr || source == nullptr) {
        SDL_FreeSurface(source);
        return;
    }
    std::vector<SDL_Rect> rects;
    for (const auto& area : areas) {
        SDL_Rect rect{area.x, area.y, area.width, area.height};
        SDL_Rect placed = rect;
        SDL_BlitSurface(source, &rect, target, &placed);
        rects.push_back(rect);
    }
    SDL_FreeSurface(source);
    SDL_UpdateWindowSurfaceRects(window_, rects.data(), static_cast<int>(rects.size()));
}

bool DesktopWindow::save_png(const std::filesystem::path& file) const {
    auto* shown = SDL_GetWindowSurface(window_);
    if (shown == nullptr) return false;
    auto* converted = SDL_ConvertSurfaceFormat(shown, SDL_PIXELFORMAT_RGB888, 0);
    if (converted == nullptr) return false;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(converted->w) * converted->h);
    for (int y = 0; y < converted->h; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(converted->pixels) + y * converted->pitch;
        std::memcpy(&pixels[static_cast<std::size_t>(y) * converted->w], row, converted->w * sizeof pixels[0]);
    }
    const int width = converted->w, height = converted->h;
    SDL_FreeSurface(converted);
    return write_png_file(file, pixels, width, height);
}

}  // namespace emu::desktop
