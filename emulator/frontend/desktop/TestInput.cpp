#include "frontend/desktop/TestInput.h"

#include <fstream>
#include <map>
#include <sstream>

#include "frontend/desktop/Desktop.h"

namespace emu::desktop {

namespace {

const std::map<std::string, PanelControl>& controls() {
    static const std::map<std::string, PanelControl> names{{"battery", PanelControl::Battery},
                                                           {"mains", PanelControl::Mains},
                                                           {"memory", PanelControl::Memory},
                                                           {"storage", PanelControl::Storage},
                                                           {"screenshot", PanelControl::Screenshot}};
    return names;
}

// The key of "Ctrl+NAME" or "NAME".
std::string key_name(const std::string& text) { return text.rfind("Ctrl+", 0) == 0 ? text.substr(5) : text; }

void push_mouse(Uint32 type, Point at) {
    SDL_Event event{};
    event.type = type;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = 1;
    event.button.x = at.x;
    event.button.y = at.y;
    SDL_PushEvent(&event);
}

void push_click(Point at) {
    push_mouse(SDL_MOUSEBUTTONDOWN, at);
    push_mouse(SDL_MOUSEBUTTONUP, at);
}

void push_key(const std::string& name) {
    SDL_Event event{};
    event.key.keysym.sym = SDL_GetKeyFromName(key_name(name).c_str());
    event.key.keysym.mod = key_name(name) != name ? KMOD_LCTRL : KMOD_NONE;
    for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
        event.type = type;
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        SDL_PushEvent(&event);
    }
}

void push_drop(const std::string& file) {
    SDL_Event event{};
    event.type = SDL_DROPFILE;
    event.drop.file = SDL_strdup(file.c_str());
    SDL_PushEvent(&event);
}

int number(const std::string& text) { return std::stoi(text); }

// Whether the arguments from `first` on are whole numbers of a few digits.
bool numbers(const std::vector<std::string>& args, std::size_t first) {
    for (auto a = args.begin() + static_cast<std::ptrdiff_t>(first); a != args.end(); ++a) {
        const auto digits = a->substr(a->rfind('-', 0) == 0 ? 1 : 0);
        if (digits.empty() || digits.size() > 6 || digits.find_first_not_of("0123456789") != std::string::npos)
            return false;
    }
    return true;
}

bool valid(const std::string& verb, const std::vector<std::string>& args) {
    if (verb == "tap") return args.size() == 2 && numbers(args, 0);
    if (verb == "wheel") return args.size() == 1 && numbers(args, 0);
    if (verb == "click") {
        if (args.empty() || !controls().count(args[0])) return false;
        const bool slider = args[0] != "mains" && args[0] != "screenshot";
        return args.size() == (slider ? 2u : 1u) && numbers(args, 1);
    }
    if (verb == "key") return args.size() == 1 && SDL_GetKeyFromName(key_name(args[0]).c_str()) != SDLK_UNKNOWN;
    return (verb == "drop" || verb == "save") && args.size() == 1;
}

}  // namespace

std::optional<TestInput> TestInput::load(const std::filesystem::path& file, std::string& error) {
    std::ifstream in(file);
    if (!in) {
        error = "cannot read the test input " + file.string();
        return std::nullopt;
    }
    std::vector<Line> lines;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        std::istringstream words(text);
        Line line;
        if (!(words >> line.verb)) continue;
        // A dropped file's or a folder's name is the rest of the line, spaces and all.
        if (line.verb == "drop" || line.verb == "save") {
            std::string rest;
            std::getline(words >> std::ws, rest);
            line.args.push_back(rest);
        } else {
            for (std::string word; words >> word;) line.args.push_back(word);
        }
        if (!valid(line.verb, line.args)) {
            error = file.string() + ":" + std::to_string(number) + ": cannot understand '" + text + "'";
            return std::nullopt;
        }
        lines.push_back(std::move(line));
    }
    return TestInput(std::move(lines));
}

void TestInput::start(const Desktop& desktop) const {
    if (!lines_.empty()) send(lines_.front(), desktop);
    SDL_Event step{};
    step.type = step_type_;
    SDL_PushEvent(&step);
}

// A tap lands in the middle of its screen pixel, so that it lands on it at any zoom.
void TestInput::send(const Line& line, const Desktop& desktop) const {
    const auto& layout = desktop.layout();
    if (line.verb == "tap") {
        const auto corner = layout.body.to_window({number(line.args[0]), number(line.args[1])});
        const int half = layout.body.zoom() / 2;
        push_click({corner.x + half, corner.y + half});
    } else if (line.verb == "click") {
        const auto control = controls().at(line.args[0]);
        const auto shape = layout.panel.control(control);
        Point at{shape.x + shape.width / 2, shape.y + shape.height / 2};
        if (line.args.size() == 2) at.x = layout.panel.knob_x(control, number(line.args[1]));
        push_click(at);
    } else if (line.verb == "wheel") {
        const auto log = layout.panel.log();
        SDL_Event event{};
        event.type = SDL_MOUSEWHEEL;
        event.wheel.y = number(line.args[0]);
        event.wheel.mouseX = log.x + log.width / 2;
        event.wheel.mouseY = log.y + log.height / 2;
        SDL_PushEvent(&event);
    } else if (line.verb == "key") {
        push_key(line.args[0]);
    } else if (line.verb == "drop") {
        push_drop(line.args[0]);
    }
}

bool TestInput::take(const SDL_Event& event, const Desktop& desktop, DeviceHost& host, const DesktopWindow& window,
                     std::string& error) {
    if (event.type != step_type_) return false;
    if (next_ < lines_.size() && lines_[next_].verb == "save") {
        const std::filesystem::path folder = lines_[next_].args[0];
        std::error_code ignored;
        std::filesystem::create_directories(folder, ignored);
        if (!window.save_png(folder / "window.png") || !host.screenshot(folder / "screen.png"))
            error = "cannot write the test pictures in " + folder.string();
    }
    if (++next_ < lines_.size()) {
        send(lines_[next_], desktop);
        SDL_Event step{};
        step.type = step_type_;
        SDL_PushEvent(&step);
        return true;
    }
    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.windowID = window.id();
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    SDL_PushEvent(&close);
    return true;
}

}  // namespace emu::desktop
