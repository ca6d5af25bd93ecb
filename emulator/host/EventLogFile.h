#pragma once
#include <cstdio>
#include <filesystem>
#include <memory>
#include <mutex>

#include "kernel/EventLog.h"

namespace emu {

// The --log file of a run, JSON Lines: started empty, then each event appended and
// flushed as it is recorded, so that a run that crashes leaves every event before the
// crash. It listens to the log from its start to its end.
class EventLogFile {
public:
    // Null when the file cannot be created.
    static std::shared_ptr<EventLogFile> start(const std::filesystem::path& file, EventLog& log);
    ~EventLogFile();
    EventLogFile(const EventLogFile&) = delete;
    EventLogFile& operator=(const EventLogFile&) = delete;

    // Stops listening, with every event recorded so far written; false when a write failed.
    bool finish();

private:
    EventLogFile(std::FILE* out, EventLog& log) : out_(out), log_(log) {}
    // Writes the events recorded since the last call, in their order, whichever thread
    // recorded them.
    void catch_up();

    std::mutex mutex_;
    std::FILE* out_;
    EventLog& log_;
    std::size_t written_ = 0;
    bool failed_ = false;
    int listener_ = -1;
};

}  // namespace emu
