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

    // The room for a window on the first display: its usable area (without the desktop's
    // panels). SDL's video must be initialised.
    static Size display_room();

    Uint32 id() const { return SDL_GetWindowID(window_); }
    void hide() { SDL_HideWindow(window_); }
    // The room for the window's picture on its display: the usable area less the window's
    // frame, where the window manager tells it.
    Size room() const;
    // Gives the window a new size, placed in the middle of its display's usable area.
    void resize(Size size);
    // Shows `areas` of `pixmap`, which has the window's size.
    void present(const Pixmap& pixmap, std::span<const Rect> areas);
    // Writes what the window shows as a PNG file.
    bool save_png(const std::filesystem::path& file) const;

private:
    explicit DesktopWindow(SDL_Window* window) : window_(window) {}

    SDL_Window* window_;
};

}  // namespace emu::desktop
