#include "host/GremlinRun.h"

#include <charconv>
#include <chrono>
#include <fstream>
#include <mutex>
#include <sstream>
#include <vector>

#include <unistd.h>

#include "gdi/Gdi.h"
#include "gdi/PngFile.h"
#include "host/DeviceHost.h"
#include "host/EventLogFile.h"
#include "host/GremlinChecks.h"
#include "host/GremlinEvents.h"
#include "host/HangWatch.h"
#include "host/Script.h"
#include "host/TemporaryFolder.h"
#include "kernel/Utf8.h"

namespace emu {

namespace fs = std::filesystem;

namespace {

constexpr auto kIdleWithin = std::chrono::seconds(2);
constexpr char kEventMark[] = "# event ";
constexpr char kGremlinMark[] = "# gremlin ";
// The progress line stays on one line of the terminal: written, cleared to its end, the
// cursor back at its start, so that the next line written overwrites it.
constexpr char kClearToEnd[] = "\033[K";

using Actions = std::vector<ScriptAction>;

// A gremlin's script split at its "# event N" lines, each part one event; `seed` is the one
// its first line names, so that a replay's files are named as the run's were.
std::optional<std::vector<Actions>> read_replay(const fs::path& file, std::uint64_t& seed, std::string& error) {
    std::ifstream in(file);
    if (!in) {
        error = "cannot read " + file.string();
        return std::nullopt;
    }
    std::vector<std::string> parts;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(kGremlinMark, 0) == 0) std::istringstream(line.substr(sizeof kGremlinMark - 1)) >> seed;
        if (line.rfind(kEventMark, 0) == 0) parts.emplace_back();
        else if (!parts.empty()) parts.back() += line + "\n";
    }
    std::vector<Actions> events;
    for (const auto& part : parts) {
        std::istringstream text(part);
        auto script = Script::parse(text, file.string(), error);
        if (!script) return std::nullopt;
        events.push_back(script->actions());
    }
    return events;
}

// One gremlin's record: what it did, so that a failure can be replayed.
struct Record {
    std::uint64_t seed = 0;
    std::mutex mutex;  // the hang watch reads the record from its own thread
    std::vector<std::string> lines;
    int events = 0;
};

struct Outcome {
    std::uint64_t seed;
    int events;
    std::string failure;
};

class Gremlin {
public:
    Gremlin(const GremlinOptions& options, std::uint64_t seed, std::ostream& out)
        : options_(options), out_(out) {
        record_.seed = seed;
    }

    // `progress` is told the number of each event as it starts.
    Outcome run(const std::function<void(DeviceHost&)>& install, const std::wstring& program,
                const std::optional<std::vector<Actions>>& replay, const std::function<void(int)>& progress);

private:
    fs::path artifact(const std::string& extension) const {
        return options_.output / ("gremlin-" + std::to_string(record_.seed) + "-" + std::to_string(record_.events) +
                                  extension);
    }
    void report(const std::string& failure, DeviceHost* host, const std::vector<std::uint32_t>& screen_before = {});

    const GremlinOptions& options_;
    std::ostream& out_;
    TemporaryFolder folder_;
    Record record_;
};

// The screenshot shows the device after the failing event and its checks; when a repaint
// changed the screen, the screen before it is saved beside it as -before.png.
void Gremlin::report(const std::string& failure, DeviceHost* host, const std::vector<std::uint32_t>& screen_before) {
    std::lock_guard lock(record_.mutex);
    auto script = artifact(".script");
    std::ofstream file(script);
    file << kGremlinMark << record_.seed << ", events 1 to " << record_.events << ", broke: " << failure << "\n";
    for (const auto& line : record_.lines) file << line << "\n";
    if (host) host->screenshot(artifact(".png"));
    if (!screen_before.empty())
        write_png_file(artifact("-before.png"), screen_before, Gdi::kScreenWidth, Gdi::kScreenHeight);
    std::error_code ignored;
    fs::copy_file(folder_.path() / "events.jsonl", artifact(".jsonl"), fs::copy_options::overwrite_existing, ignored);
    out_ << "gremlin " << record_.seed << " broke an invariant at event " << record_.events << ": " << failure << "\n"
         << "  replay: " << options_.command << " --replay " << script.string() << "\n";
    out_.flush();
}

Outcome Gremlin::run(const std::function<void(DeviceHost&)>& install, const std::wstring& program,
                     const std::optional<std::vector<Actions>>& replay, const std::function<void(int)>& progress) {
    const fs::path device = folder_.path() / "device";
    std::error_code failure;
    if (options_.device)
        fs::copy(*options_.device, device, fs::copy_options::recursive | fs::copy_options::copy_symlinks, failure);
    std::string error;
    auto host = failure ? nullptr : DeviceHost::boot(BootOptions{device}, error);
    if (!host) return {record_.seed, 0, failure ? "cannot copy the device: " + failure.message() : error};
    auto log = EventLogFile::start(folder_.path() / "events.jsonl", host->device().log);
    HangWatch watch(kIdleWithin, [&] { report("the device was not idle within 2 s of host time", nullptr); });
    install(*host);
    watch.begin();
    host->start(program);
    watch.end();
    GremlinChecks checks(*host);
    GremlinEvents draw(record_.seed, utf8(program));
    const int total = replay ? static_cast<int>(replay->size()) : options_.events;
    std::string broken;
    for (int n = 1; n <= total && broken.empty(); ++n) {
        progress(n);
        auto event = replay ? (*replay)[static_cast<std::size_t>(n - 1)]
                            : host->inspect([&](Device& d) { return draw.next(d); });
        {
            std::lock_guard lock(record_.mutex);
            record_.events = n;
            record_.lines.push_back(kEventMark + std::to_string(n));
            for (const auto& action : event) record_.lines.push_back(script_line(action));
        }
        watch.begin();
        broken = checks.before_event(event);
        for (const auto& action : event)
            if (broken.empty()) broken = Script::perform(*host, action);
        if (broken.empty()) broken = checks.after_event(n, event);
        watch.end();
    }
    if (broken.empty()) {
        watch.begin();
        host->answer_message_boxes();
        host->shutdown();
        watch.end();
        broken = checks.at_end();
    }
    if (log) log->finish();
    if (!broken.empty()) report(broken, host.get(), checks.screen_before_repaint());
    return {record_.seed, record_.events, broken};
}

}  // namespace

bool is_gremlin_option(const std::string& name) {
    return name == "--gremlins" || name == "--seed" || name == "--events" || name == "--replay";
}

bool set_gremlin_option(GremlinOptions& options, const std::string& name, const std::string& value) {
    auto number = [&](long long low, long long high, auto& into) {
        long long parsed = 0;
        auto end = value.data() + value.size();
        auto [ptr, ec] = std::from_chars(value.data(), end, parsed);
        if (ec != std::errc() || ptr != end || parsed < low || parsed > high) return false;
        into = static_cast<std::remove_reference_t<decltype(into)>>(parsed);
        return true;
    };
    bool stored = name == "--replay";
    if (stored) options.replay = value;
    else if (name == "--gremlins") stored = number(1, 1000000, options.count);
    else if (name == "--seed") stored = number(0, 1LL << 53, options.seed);
    else if (name == "--events") stored = number(1, 100000000, options.events);
    options.requested = options.requested || stored;
    return stored;
}

int run_gremlins(const GremlinOptions& options, const std::function<void(DeviceHost&)>& install,
                 const std::wstring& program, std::ostream& out, std::ostream& err) {
    std::optional<std::vector<Actions>> replay;
    std::uint64_t seed = options.seed;
    if (options.replay) {
        std::string error;
        replay = read_replay(*options.replay, seed, error);
        if (!replay) {
            err << options.command << ": " << error << "\n";
            return 2;
        }
    }
    const bool terminal = isatty(STDERR_FILENO);
    const auto start = std::chrono::steady_clock::now();
    std::vector<Outcome> outcomes;
    long long events = 0;
    const int count = replay ? 1 : options.count;
    for (int k = 0; k < count; ++k) {
        const std::uint64_t gremlin_seed = seed + static_cast<std::uint64_t>(k);
        auto progress = [&](int event) {
            if (terminal && event % 500 == 1)
                err << "gremlin " << k + 1 << " of " << count << " (seed " << gremlin_seed << "), event " << event
                    << kClearToEnd << "\r" << std::flush;
        };
        Gremlin gremlin(options, gremlin_seed, out);
        outcomes.push_back(gremlin.run(install, program, replay, progress));
        events += outcomes.back().events;
        if (!outcomes.back().failure.empty()) break;
    }
    if (terminal) err << kClearToEnd << std::flush;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    out << "gremlins: " << outcomes.size() << " run, " << events << " events, "
        << static_cast<long long>(seconds > 0 ? events / seconds : 0) << " events/s\n";
    for (const auto& outcome : outcomes)
        out << "  seed " << outcome.seed << ": "
            << (outcome.failure.empty() ? "passed " + std::to_string(outcome.events) + " events"
                                        : "broke at event " + std::to_string(outcome.events) + ": " + outcome.failure)
            << "\n";
    return outcomes.back().failure.empty() ? 0 : 1;
}

}  // namespace emu
