#include "host/Script.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <map>
#include <sstream>

#include <windows.h>

#include "device/DeviceStatus.h"
#include "host/DeviceHost.h"
#include "host/StopSignals.h"
#include "shell/Shell.h"

namespace emu {

namespace {

// A verb whose one argument is the rest of its line, spaces and all (a device path).
constexpr std::size_t kRestOfLine = static_cast<std::size_t>(-1);

struct Verb {
    std::size_t arguments;
    std::function<std::string(const std::vector<std::string>&)> check;  // "" when the arguments are fine
    std::function<std::string(DeviceHost&, const std::vector<std::string>&)> run;  // "" on success
};

bool number(const std::string& text, long long& value) {
    auto end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

long long value(const std::string& text) {
    long long v = 0;
    number(text, v);
    return v;
}

std::string numbers(const std::vector<std::string>& args, long long low, long long high) {
    for (const auto& a : args) {
        long long v;
        if (!number(a, v)) return "'" + a + "' is not a number";
        if (v < low || v > high) return "'" + a + "' is out of range";
    }
    return "";
}

const std::map<std::string, UINT>& key_names() {
    static const std::map<std::string, UINT> names{
        {"app1", VK_APP1}, {"app2", VK_APP2}, {"app3", VK_APP3}, {"app4", VK_APP4}, {"app5", VK_APP5},
        {"up", VK_UP},     {"down", VK_DOWN}, {"left", VK_LEFT}, {"right", VK_RIGHT}, {"action", VK_RETURN}};
    return names;
}

std::string point_check(const std::vector<std::string>& a) { return numbers(a, -32768, 32767); }
std::string no_check(const std::vector<std::string>&) { return ""; }
std::string percent_check(const std::vector<std::string>& a) { return numbers(a, 0, 100); }
std::string on_off_check(const std::vector<std::string>& a) {
    return a[0] == "on" || a[0] == "off" ? std::string() : "'" + a[0] + "' is neither on nor off";
}

std::string refused_unless(bool accepted, const std::string& what) {
    return accepted ? std::string() : "the device refused " + what;
}

// The shell opens the path as a tap on it in the file explorer would.
std::string open_path(DeviceHost& host, const std::string& path) {
    bool opened = host.inspect([&](Device& d) { return d.shell && d.shell->execute(widen_utf8(path), L"").ok(); });
    host.wait_idle();
    return opened ? std::string() : "cannot open " + path;
}

std::string set_power(DeviceHost& host, bool on) {
    host.inspect([&](Device& d) {
        if (d.shell) on ? d.shell->power_on() : d.shell->power_off();
    });
    host.wait_idle();
    return "";
}

// A key on the device's body; the power button switches the device off or on.
std::string press_key(DeviceHost& host, const std::string& name) {
    if (name == "power") host.press_power_button();
    else host.key(key_names().at(name));
    return "";
}

std::string set_store(DeviceHost& host, const std::vector<std::string>& a) {
    auto size = static_cast<DWORD>(value(a[0])), free = static_cast<DWORD>(value(a[1]));
    return refused_unless(host.device().status->set_store(size, free), "store " + a[0] + " " + a[1]);
}

// Device time passes a second at a time, so that a stop request ends a long wait early.
std::string wait(DeviceHost& host, std::uint64_t ms) {
    for (std::uint64_t step; ms > 0 && !stop_requested(); ms -= step) {
        step = std::min<std::uint64_t>(ms, 1000);
        host.advance(step);
    }
    return "";
}

const std::map<std::string, Verb>& verbs() {
    static const std::map<std::string, Verb> table{
        {"tap", {2, point_check, [](DeviceHost& h, auto& a) { h.tap(value(a[0]), value(a[1])); return std::string(); }}},
        {"down", {2, point_check, [](DeviceHost& h, auto& a) { h.stylus_down(value(a[0]), value(a[1])); return std::string(); }}},
        {"move", {2, point_check, [](DeviceHost& h, auto& a) { h.stylus_move(value(a[0]), value(a[1])); return std::string(); }}},
        {"up", {2, point_check, [](DeviceHost& h, auto& a) { h.stylus_up(value(a[0]), value(a[1])); return std::string(); }}},
        {"key",
         {1,
          [](auto& a) {
              return key_names().count(a[0]) || a[0] == "power" ? std::string() : "unknown key '" + a[0] + "'";
          },
          [](DeviceHost& h, auto& a) { return press_key(h, a[0]); }}},
        {"wait",
         {1, [](auto& a) { return numbers(a, 0, 3600000); },
          [](DeviceHost& h, auto& a) { return wait(h, static_cast<std::uint64_t>(value(a[0]))); }}},
        {"screenshot",
         {1, no_check,
          [](DeviceHost& h, auto& a) { return h.screenshot(a[0]) ? std::string() : "cannot write " + a[0]; }}},
        {"exit", {0, no_check, [](DeviceHost& h, auto&) {
                      return h.wait_for_exit(2000, DeviceHost::OpenBoxes::AnswerWithDefault)
                                 ? std::string()
                                 : std::string("programs did not end");
                  }}},
        {"reset", {0, no_check, [](DeviceHost& h, auto&) { h.reset(); return std::string(); }}},
        {"open", {kRestOfLine, no_check, [](DeviceHost& h, auto& a) { return open_path(h, a[0]); }}},
        {"power", {1, on_off_check, [](DeviceHost& h, auto& a) { return set_power(h, a[0] == "on"); }}},
        {"battery", {1, percent_check, [](DeviceHost& h, auto& a) {
                         return refused_unless(h.device().status->set_battery(static_cast<int>(value(a[0]))),
                                               "battery " + a[0]);
                     }}},
        {"ac", {1, on_off_check, [](DeviceHost& h, auto& a) {
                    h.device().status->set_ac_line(a[0] == "on" ? AcLine::Online : AcLine::Offline);
                    return std::string();
                }}},
        {"memory", {1, percent_check, [](DeviceHost& h, auto& a) {
                        return refused_unless(h.device().status->set_memory_load(static_cast<int>(value(a[0]))),
                                              "memory " + a[0]);
                    }}},
        {"store", {2, [](auto& a) { return numbers(a, 0, 0xFFFFFFFFLL); }, set_store}},
    };
    return table;
}

// A line whose first character other than a space is '#' is a comment; elsewhere '#' is
// plain text, as in a path ("open \My Documents\#1.txt").
bool comment(const std::string& line) {
    auto first = line.find_first_not_of(" \t");
    return first != std::string::npos && line[first] == '#';
}

std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> result;
    if (comment(line)) return result;
    std::istringstream in(line);
    for (std::string word; in >> word;) result.push_back(word);
    return result;
}

// The text after a line's verb, without the spaces around it.
std::string rest_of(const std::string& line, const std::string& verb) {
    auto text = line.substr(line.find(verb) + verb.size());
    auto first = text.find_first_not_of(" \t"), last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::optional<Script> Script::parse(std::istream& in, const std::string& name, std::string& error) {
    Script script;
    script.name_ = name;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        auto w = words(text);
        if (w.empty()) continue;
        auto where = name + ":" + std::to_string(line) + ": ";
        auto verb = verbs().find(w[0]);
        if (verb == verbs().end()) {
            error = where + "unknown action '" + w[0] + "'";
            return std::nullopt;
        }
        std::vector<std::string> args(w.begin() + 1, w.end());
        if (verb->second.arguments == kRestOfLine && !args.empty()) args = {rest_of(text, w[0])};
        else if (verb->second.arguments == kRestOfLine) {
            error = where + "'" + w[0] + "' takes a path";
            return std::nullopt;
        } else if (args.size() != verb->second.arguments) {
            error = where + "'" + w[0] + "' takes " + std::to_string(verb->second.arguments) + " argument(s)";
            return std::nullopt;
        }
        if (auto problem = verb->second.check(args); !problem.empty()) {
            error = where + problem;
            return std::nullopt;
        }
        script.actions_.push_back(ScriptAction{line, w[0], std::move(args)});
    }
    return script;
}

std::string Script::perform(DeviceHost& host, const ScriptAction& action) {
    return verbs().at(action.verb).run(host, action.args);
}

bool Script::run(DeviceHost& host, std::string& error) const {
    for (const auto& action : actions_) {
        if (stop_requested()) return true;
        auto problem = perform(host, action);
        if (!problem.empty()) {
            error = name_ + ":" + std::to_string(action.line) + ": " + problem;
            return false;
        }
    }
    return true;
}

}  // namespace emu
