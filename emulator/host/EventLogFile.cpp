#include "host/EventLogFile.h"

namespace emu {

std::shared_ptr<EventLogFile> EventLogFile::start(const std::filesystem::path& file, EventLog& log) {
    std::FILE* out = std::fopen(file.c_str(), "we");
    if (!out) return nullptr;
    std::shared_ptr<EventLogFile> writer(new EventLogFile(out, log));
    writer->catch_up();
    // A device thread may still call the listener when the run has let the writer go.
    writer->listener_ = log.add_listener([writer = std::weak_ptr<EventLogFile>(writer)](const Event&) {
        if (auto alive = writer.lock()) alive->catch_up();
    });
    return writer;
}

EventLogFile::~EventLogFile() {
    log_.remove_listener(listener_);
    std::fclose(out_);
}

void EventLogFile::catch_up() {
    std::lock_guard lock(mutex_);
    for (const auto& event : log_.events(written_, log_.size())) {
        const auto line = event.json() + "\n";
        failed_ |= std::fwrite(line.data(), 1, line.size(), out_) != line.size();
        ++written_;
    }
    failed_ |= std::fflush(out_) != 0;
}

bool EventLogFile::finish() {
    log_.remove_listener(listener_);
    catch_up();
    return !failed_;
}

}  // namespace emu
