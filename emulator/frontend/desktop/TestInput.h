#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <SDL.h>

namespace emu {
class DeviceHost;
}

namespace emu::desktop {

class Desktop;
class DesktopWindow;

// The smoke test's hook into the desktop (--test-input FILE): input a person would give,
// sent through the window's event queue one line at a time, each once the one before has
// been handled; then the window is closed as its close button would close it. Lines:
//   tap X Y                      a stylus tap on screen point X,Y
//   click battery|memory|storage PERCENT, click mains|screenshot   the panel's controls
//   key NAME                     a key by its SDL name, "Ctrl+" before it for Ctrl
//   wheel NOTCHES                the mouse wheel over the log, older events upwards
//   drop FILE                    a host file dropped on the window
//   save DIR                     the window and the device's screen as DIR/window.png, DIR/screen.png
class TestInput {
public:
    // Null with `error` naming the line when the file cannot be read or a line is malformed.
    static std::optional<TestInput> load(const std::filesystem::path& file, std::string& error);

    // Sends the first line's input.
    void start(const Desktop& desktop) const;
    // Takes the event that ends a line: saves pictures if the line asks, sends the next
    // line's input or the close; false for other events.
    bool take(const SDL_Event& event, const Desktop& desktop, DeviceHost& host, const DesktopWindow& window,
              std::string& error);

private:
    struct Line {
        std::string verb;
        std::vector<std::string> args;
    };
    explicit TestInput(std::vector<Line> lines) : lines_(std::move(lines)), step_type_(SDL_RegisterEvents(1)) {}
    void send(const Line& line, const Desktop& desktop) const;

    std::vector<Line> lines_;
    std::size_t next_ = 0;
    Uint32 step_type_;
};

}  // namespace emu::desktop
