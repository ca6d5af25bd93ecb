#include "frontend/desktop/FileDrop.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <set>
#include <string>

#include "host/DeviceHost.h"

namespace emu::desktop {

namespace {

namespace fs = std::filesystem;

constexpr char kDocuments[] = "My Documents";

// A descriptor closed when it goes.
struct Descriptor {
    int value;
    explicit Descriptor(int v) : value(v) {}
    ~Descriptor() {
        if (value >= 0) ::close(value);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
};

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string device_name(const std::string& host_name) {
    std::string name = host_name;
    for (auto& c : name)
        if (static_cast<unsigned char>(c) < 0x20 || std::strchr("\\/:*?\"<>|", c)) c = '_';
    return name.empty() ? "Dropped file" : name;
}

std::set<std::string> names_in(int folder) {
    std::set<std::string> names;
    DIR* listing = ::fdopendir(::dup(folder));
    if (!listing) return names;
    while (auto entry = ::readdir(listing)) names.insert(lowered(entry->d_name));
    ::closedir(listing);
    return names;
}

bool copy(int from, int to) {
    char buffer[65536];
    for (;;) {
        auto count = ::read(from, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return count == 0;
        for (ssize_t done = 0; done < count;) {
            auto written = ::write(to, buffer + done, static_cast<std::size_t>(count - done));
            if (written < 0 && errno == EINTR) continue;
            if (written < 0) return false;
            done += written;
        }
    }
}

// Copies `file` into the image's documents folder; answers the new name, or "" with
// `reason` set.
std::string copy_in(const fs::path& file, const fs::path& image, std::string& reason) {
    const auto refuse = [&reason](std::string why) {
        reason = std::move(why);
        return std::string();
    };
    Descriptor source(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status;
    if (source.value < 0 || ::fstat(source.value, &status) != 0) return refuse(std::strerror(errno));
    if (S_ISDIR(status.st_mode)) return refuse("it is a folder: drop the files themselves");
    if (!S_ISREG(status.st_mode)) return refuse("it is not a regular file");
    ::fcntl(source.value, F_SETFL, 0);
    Descriptor root(::open(image.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    ::mkdirat(root.value, kDocuments, 0755);
    Descriptor folder(::openat(root.value, kDocuments, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (folder.value < 0) return refuse(std::string("no \\My Documents folder: ") + std::strerror(errno));
    const auto taken = names_in(folder.value);
    const auto name = device_name(file.filename().string());
    const auto dot = name.rfind('.');
    const auto stem = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
    const auto extension = name.substr(stem.size());
    for (int number = 1; number < 1000; ++number) {
        const auto candidate = number == 1 ? name : stem + " (" + std::to_string(number) + ")" + extension;
        if (taken.count(lowered(candidate))) continue;
        Descriptor target(::openat(folder.value, candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                   0644));
        if (target.value < 0 && errno == EEXIST) continue;
        if (target.value < 0) return refuse(std::strerror(errno));
        if (copy(source.value, target.value) && ::fsync(target.value) == 0) return candidate;
        const int error_number = errno;
        ::unlinkat(folder.value, candidate.c_str(), 0);
        return refuse(std::strerror(error_number));
    }
    return refuse("every name for it is taken");
}

}  // namespace

void drop_file(DeviceHost& host, const fs::path& file) {
    host.inspect([&](Device& device) {
        std::string reason;
        const auto name = copy_in(file, device.image_root, reason);
        if (name.empty())
            device.log.record("file-drop-refused", {{"file", file.string()}, {"reason", reason}});
        else
            device.log.record("file-dropped",
                              {{"file", file.string()}, {"to", std::string("\\") + kDocuments + "\\" + name}});
    });
}

}  // namespace emu::desktop
