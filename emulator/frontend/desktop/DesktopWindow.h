#pragma once
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include <SDL.h>

#include "frontend/desktop/Pixmap.h"

namespace emu::desktop {

// The SDL window the desktop draws in. It shows parts of a pixmap the size of the window
// through the window's own surface: no renderer, no GPU, nothing running between frames.
class DesktopWindow {
public:
    // Null with `error` set when no window can be opened, for instance with no display.
    // SDL's video must be initialised.
    static std::unique_ptr<DesktopWindow> open(const char* title, Size size, std::string& error);
    ~DesktopWindow();
    DesktopWindow(const DesktopWindow&) = delete;
    DesktopWindow& operator=(const DesktopWindow&) = delete;

    Uint32 id() const { return SDL_GetWindowID(window_); }
    void hide() { SDL_HideWindow(window_); }
    // Shows `areas` of `pixmap`, which has the window's size.
    void present(const Pixmap& pixmap, std::span<const Rect> areas);
    // Writes what the window shows as a PNG file.
    bool save_png(const std::filesystem::path& file) const;

private:
    explicit DesktopWindow(SDL_Window* window) : window_(window) {}

    SDL_Window* window_;
};

}  // namespace emu::desktop
