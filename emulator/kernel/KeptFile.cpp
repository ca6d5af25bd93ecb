#include "kernel/KeptFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <vector>

#include "kernel/EventLog.h"

namespace emu {

namespace {

constexpr std::string_view kTemporaryMark = ".tmp-";

// A descriptor closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int value = -1) : value_(value) {}
    ~Descriptor() {
        if (value_ >= 0) ::close(value_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return value_; }
    // Closes now, answering whether the close succeeded (a write may fail only here).
    bool close() {
        int value = value_;
        value_ = -1;
        return ::close(value) == 0;
    }

private:
    int value_;
};

std::string reason(int error_number) { return std::strerror(error_number); }

// The folder holding `file`, opened without following a link in its place.
int open_folder(const std::filesystem::path& file) {
    auto folder = file.parent_path();
    return ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

bool write_all(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        auto count = ::write(descriptor, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

bool read_all(int descriptor, std::string& bytes) {
    char buffer[65536];
    for (;;) {
        auto count = ::read(descriptor, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return false;
        if (count == 0) return true;
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

// Creates a temporary file beside `name` in `folder`, named "<name>.tmp-<process>-<n>";
// an existing name, even a dangling link, is never reused.
int create_temporary(int folder, const std::string& name, std::string& temporary) {
    static std::atomic<unsigned> counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = name + std::string(kTemporaryMark) + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        int descriptor = ::openat(folder, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (descriptor >= 0 || errno != EEXIST) return descriptor;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

KeptFileContent read_kept_file(const std::filesystem::path& file) {
    KeptFileContent content;
    auto unreadable = [&](const std::string& why) {
        content.state = KeptFileContent::State::Unreadable;
        content.error = "cannot read " + file.string() + ": " + why;
        return content;
    };
    Descriptor folder(open_folder(file));
    if (folder.get() < 0) return errno == ENOENT ? content : unreadable(reason(errno));
    // Non-blocking, so that a FIFO in the file's place cannot hold the open.
    Descriptor descriptor(::openat(folder.get(), file.filename().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (descriptor.get() < 0 && errno == ELOOP) return unreadable("it is a symbolic link");
    if (descriptor.get() < 0) return errno == ENOENT ? content : unreadable(reason(errno));
    struct stat status;
    if (::fstat(descriptor.get(), &status) != 0) return unreadable(reason(errno));
    if (!S_ISREG(status.st_mode)) return unreadable(S_ISDIR(status.st_mode) ? "it is a folder" : "it is not a regular file");
    ::fcntl(descriptor.get(), F_SETFL, 0);
    content.bytes.reserve(static_cast<std::size_t>(status.st_size));
    if (!read_all(descriptor.get(), content.bytes)) return unreadable(reason(errno));
    content.state = KeptFileContent::State::Read;
    return content;
}

bool save_kept_file(const std::filesystem::path& file, std::string_view bytes, EventLog& log) {
    auto failed = [&](int error_number) {
        log.record("save-failed", {{"file", file.string()}, {"reason", reason(error_number)}});
        return false;
    };
    ::mkdir(file.parent_path().c_str(), 0755);
    Descriptor folder(open_folder(file));
    if (folder.get() < 0) return failed(errno);
    auto name = file.filename().string();
    std::string temporary;
    Descriptor out(create_temporary(folder.get(), name, temporary));
    if (out.get() < 0) return failed(errno);
    bool saved = write_all(out.get(), bytes) && ::fsync(out.get()) == 0 && out.close() &&
                 ::renameat(folder.get(), temporary.c_str(), folder.get(), name.c_str()) == 0;
    if (!saved) {
        int error_number = errno;
        ::unlinkat(folder.get(), temporary.c_str(), 0);
        return failed(error_number);
    }
    // The rename itself reaches the disk with the folder.
    ::fsync(folder.get());
    return true;
}

void remove_stale_temporaries(const std::filesystem::path& folder) {
    Descriptor descriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (descriptor.get() < 0) return;
    DIR* listing = ::fdopendir(::dup(descriptor.get()));
    if (!listing) return;
    std::vector<std::string> stale;
    while (auto entry = ::readdir(listing)) {
        std::string_view name = entry->d_name;
        auto mark = name.rfind(kTemporaryMark);
        if (mark != std::string_view::npos && mark > 0 &&
            name.find_first_not_of("0123456789-", mark + kTemporaryMark.size()) == std::string_view::npos)
            stale.emplace_back(name);
    }
    ::closedir(listing);
    for (const auto& name : stale) ::unlinkat(descriptor.get(), name.c_str(), 0);
}

}  // namespace emu
