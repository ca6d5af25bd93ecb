#include "frontend/web/Page.h"

#include <emscripten.h>

#include <cstdint>
#include <vector>

namespace emu::web {

namespace {

// The area's pixels as the canvas takes them: bytes R, G, B, A.
std::vector<std::uint8_t> rgba(const desktop::Pixmap& pixmap, desktop::Rect area) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(area.width) * area.height * 4);
    auto* out = bytes.data();
    const auto width = static_cast<std::size_t>(pixmap.size().width);
    for (int y = area.y; y < area.bottom(); ++y) {
        const auto* row = pixmap.pixels().data() + y * width + area.x;
        for (const auto* end = row + area.width; row < end; ++row) {
            const auto colour = *row;
            *out++ = static_cast<std::uint8_t>(colour >> 16);
            *out++ = static_cast<std::uint8_t>(colour >> 8);
            *out++ = static_cast<std::uint8_t>(colour);
            *out++ = 0xFF;
        }
    }
    return bytes;
}

}  // namespace

void Page::set_canvas(desktop::Size size, desktop::Rect screen, int zoom) {
    MAIN_THREAD_EM_ASM({ Module['page'].setCanvas($0, $1, $2, $3, $4, $5, $6); }, size.width, size.height, screen.x,
                       screen.y, screen.width, screen.height, zoom);
}

void Page::present(const desktop::Pixmap& pixmap, std::span<const desktop::Rect> areas, std::uint64_t inputs_handled) {
    for (const auto& area : areas) {
        const auto bytes = rgba(pixmap, area);
        MAIN_THREAD_EM_ASM({ Module['page'].draw(HEAPU8.slice($0, $0 + $1), $2, $3, $4, $5); }, bytes.data(),
                           bytes.size(), area.x, area.y, area.width, area.height);
    }
    MAIN_THREAD_EM_ASM({ Module['page'].frameShown($0); }, static_cast<double>(inputs_handled));
}

void Page::show_status(const desktop::PanelValues& values) {
    MAIN_THREAD_EM_ASM({ Module['page'].showStatus($0, !!$1, $2, $3, $4); }, values.battery, values.mains,
                       values.memory, values.storage, static_cast<double>(values.store_size));
}

void Page::add_events(const std::string& json) {
    MAIN_THREAD_EM_ASM({ Module['page'].addEvents(JSON.parse(UTF8ToString($0))); }, json.c_str());
}

// Without waiting: the page's first beep starts its audio, which holds the page's thread
// for over a tenth of a second, and the device's next frame need not wait for a sound.
void Page::beep() { MAIN_THREAD_ASYNC_EM_ASM({ Module['page'].beep(); }); }

void Page::device_ended(bool reset) { MAIN_THREAD_EM_ASM({ Module['page'].deviceEnded(!!$0); }, reset); }

void Page::device_failed(const std::string& error) {
    MAIN_THREAD_EM_ASM({ Module['page'].deviceFailed(UTF8ToString($0)); }, error.c_str());
}

}  // namespace emu::web
