#include "host/HeadlessRun.h"

#include <fstream>

#include "gdi/Gdi.h"
#include "host/Boot.h"
#include "host/DeviceHost.h"
#include "host/EventLogFile.h"
#include "host/Script.h"
#include "host/StopSignals.h"
#include "host/TemporaryFolder.h"

namespace emu {

namespace {

std::optional<Script> load_script(const std::optional<std::filesystem::path>& file, std::string& error) {
    if (!file) return Script{};
    std::error_code ignored;
    std::ifstream in;
    if (std::filesystem::is_regular_file(*file, ignored)) in.open(*file);
    if (!in.is_open()) {
        error = "cannot read the script " + file->string() + " (it must be a readable file)";
        return std::nullopt;
    }
    return Script::parse(in, file->string(), error);
}

}  // namespace

int run_headless(const HeadlessOptions& options, const std::function<void(DeviceHost&)>& install,
                 const std::wstring& program, std::ostream& out, std::ostream& err) {
    std::string error;
    auto script = load_script(options.script, error);
    if (!script) {
        err << "tesselink: " << error << "\n";
        return 2;
    }
    StopSignals signals;
    std::optional<TemporaryFolder> temporary;
    if (!options.device) temporary.emplace();
    auto host = DeviceHost::boot(BootOptions{options.device ? *options.device : temporary->path()}, error);
    if (!host) {
        err << "tesselink: " << error << "\n";
        return 1;
    }
    if (auto notice = boot_notice(host->device()); !notice.empty()) err << "tesselink: " << notice << "\n";
    auto log = EventLogFile::start(options.log, host->device().log);
    install(*host);
    host->start(program);
    bool ran = script->run(*host, error);
    if (!ran) err << "tesselink: " << error << "\n";
    auto screen_written = host->screenshot(options.screenshot);
    host->answer_message_boxes();  // a box the script left open gets its default answer
    host->shutdown();
    const bool logged = log && log->finish();
    if (!screen_written || !logged) {
        err << "tesselink: cannot write " << (screen_written ? options.log : options.screenshot).string() << "\n";
        return 1;
    }
    out << "Screenshot: " << std::filesystem::absolute(options.screenshot).string() << "\n";
    out << "Event log: " << std::filesystem::absolute(options.log).string() << "\n";
    if (auto signal_number = StopSignals::received()) {
        err << "tesselink: stopped by " << (signal_number == SIGTERM ? "SIGTERM" : "SIGINT")
            << "; the device was shut down in order\n";
        return 128 + signal_number;
    }
    return ran ? 0 : 1;
}

}  // namespace emu
