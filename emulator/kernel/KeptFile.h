#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace emu {

class EventLog;

// The files the emulator keeps for a device in its .device folder (the registry, the
// settings, the attributes, the wake-up registrations), read and saved without ever
// following a symbolic link.

struct KeptFileContent {
    enum class State { Read, Missing, Unreadable };
    State state = State::Missing;
    std::string bytes;
    std::string error;  // "cannot read <file>: <reason>" when unreadable
};

// Reads a kept file whole. Only a file that does not exist is missing: a link, a folder,
// a FIFO or a device node in its place, or a file the host will not let us read, is
// unreadable, and the caller must leave it as it is.
KeptFileContent read_kept_file(const std::filesystem::path& file);

// Saves `bytes` as `file`, complete or not at all: they go into a temporary file of a
// name no one else uses, created beside it exclusively and without following links,
// written, flushed to the disk, and only then renamed over the old file. On any failure
// the old file stays, the temporary file is removed, and "save-failed" is logged with the
// file and the reason. Answers whether the file was saved.
bool save_kept_file(const std::filesystem::path& file, std::string_view bytes, EventLog& log);

// Removes the temporary files a run that was stopped in the middle of a save left in
// `folder`. Only the device's one emulator may call it (see DeviceFolderLock).
void remove_stale_temporaries(const std::filesystem::path& folder);

}  // namespace emu
