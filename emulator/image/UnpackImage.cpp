#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>
#include <vector>

#include "image/DefaultImage.h"

namespace emu {

namespace fs = std::filesystem;

namespace {

// The image's metadata goes in last, so a device folder holding it is complete.
constexpr const char* kMetadataFolder = ".device";

// Creates the file new, never following a link in its place, and writes it whole.
bool write_file(const fs::path& path, const ImageFile& file, std::string& error) {
    std::error_code failure;
    fs::create_directories(path.parent_path(), failure);
    int descriptor = failure ? -1 : ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    bool written = descriptor >= 0;
    for (std::size_t done = 0; written && done < file.size;) {
        auto count = ::write(descriptor, file.data + done, file.size - done);
        if (count < 0 && errno == EINTR) continue;
        written = count >= 0;
        if (written) done += static_cast<std::size_t>(count);
    }
    int error_number = failure ? failure.value() : errno;
    if (descriptor >= 0 && ::close(descriptor) != 0 && written) {
        written = false;
        error_number = errno;
    }
    if (written) return true;
    error = "cannot write " + path.string() + ": " + std::strerror(error_number);
    return false;
}

bool write_image(const fs::path& staging, std::string& error) {
    for (const auto& file : default_image_files())
        if (!write_file(staging / fs::path(file.path), file, error)) return false;
    return true;
}

// Moves the staged top-level entries into `dir`, the metadata folder last.
bool move_into(const fs::path& staging, const fs::path& dir, std::string& error) {
    std::error_code failure;
    fs::create_directories(dir, failure);
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(staging, failure))
        if (entry.path().filename() != kMetadataFolder) names.push_back(entry.path().filename());
    names.push_back(kMetadataFolder);
    for (const auto& name : names) {
        if (failure) break;
        fs::rename(staging / name, dir / name, failure);
    }
    if (!failure) return true;
    error = "cannot move the image into " + dir.string() + ": " + failure.message();
    return false;
}

// `dir` without a trailing separator or dot components, so that it has a sibling.
fs::path normalised(const fs::path& dir) {
    auto path = fs::absolute(dir).lexically_normal();
    return path.has_filename() ? path : path.parent_path();
}

// A new hidden sibling of `dir` that no one else uses, made empty and private. The name is
// built by appending: GCC 12 at -O3 reports a false -Wrestrict overlap for `"." + ...`.
bool make_staging(const fs::path& dir, fs::path& staging, std::string& error) {
    std::string name = ".";
    name += dir.filename().string();
    name += ".unpacking-XXXXXX";
    auto pattern = (dir.parent_path() / name).string();
    if (::mkdtemp(pattern.data())) {
        staging = pattern;
        return true;
    }
    error = "cannot write the image beside " + dir.string() + ": " + std::strerror(errno);
    return false;
}

enum class Target { Fresh, Device, Unusable };

// A missing or empty folder is fresh; one holding the image's metadata folder is a device;
// any other is no device, and is left alone.
Target inspect(const fs::path& dir, std::string& error) {
    std::error_code failure;
    const auto status = fs::status(dir, failure);
    if (status.type() == fs::file_type::not_found) return Target::Fresh;
    if (!failure && status.type() != fs::file_type::directory) failure = std::make_error_code(std::errc::not_a_directory);
    const bool empty = !failure && fs::is_empty(dir, failure);
    if (failure) {
        error = "cannot use " + dir.string() + " as a device: " + failure.message();
        return Target::Unusable;
    }
    if (empty) return Target::Fresh;
    if (fs::is_directory(fs::symlink_status(dir / kMetadataFolder, failure))) return Target::Device;
    error = dir.string() + " is not a device folder (it holds no .device folder); give a new or empty folder " +
            "for a new device, or the folder of an existing one";
    return Target::Unusable;
}

}  // namespace

bool unpack_default_image(const fs::path& requested, std::string& error) {
    if (requested.empty()) {
        error = "no device folder given";
        return false;
    }
    const auto dir = normalised(requested);
    const auto target = inspect(dir, error);
    if (target != Target::Fresh) return target == Target::Device;
    fs::path staging;
    if (!make_staging(dir, staging, error)) return false;
    const bool unpacked = write_image(staging, error) && move_into(staging, dir, error);
    std::error_code ignored;
    fs::remove_all(staging, ignored);
    return unpacked;
}

}  // namespace emu
