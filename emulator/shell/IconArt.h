#pragma once
#include <cstdint>
#include <vector>

namespace emu {

// The pictures the shell draws for the files it knows.
enum class IconArt {
    Calendar,
    Contacts,
    Inbox,
    Notes,
    Tasks,
    Calculator,
    FileExplorer,
    WebBrowser,
    MediaPlayer,
    Pictures,
    WordProcessor,
    Spreadsheet,
    Bubbles,
    Solitaire,
    ControlPanel,
    Folder,
    Document,
    Application,
};
inline constexpr int kIconArtCount = static_cast<int>(IconArt::Application) + 1;

// The picture at `size` x `size` pixels (32 or 16), 0xAARRGGBB, row-major. Each is drawn
// at 32 x 32; the 16 x 16 image is that drawing reduced, so both sizes look alike.
std::vector<std::uint32_t> draw_icon_art(IconArt art, int size);

}  // namespace emu
