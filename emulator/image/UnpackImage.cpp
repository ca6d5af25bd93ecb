#include <fstream>
#include <system_error>
#include <unistd.h>
#include <vector>

#include "image/DefaultImage.h"

namespace emu {

namespace fs = std::filesystem;

namespace {

// The image's metadata goes in last, so a device folder holding it is complete.
constexpr const char* kMetadataFolder = ".device";

bool write_file(const fs::path& path, const ImageFile& file, std::string& error) {
    std::error_code failure;
    fs::create_directories(path.parent_path(), failure);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!failure && out) out.write(reinterpret_cast<const char*>(file.data), static_cast<std::streamsize>(file.size));
    if (!failure && out.flush()) return true;
    error = "cannot write " + path.string() + (failure ? ": " + failure.message() : "");
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

// A hidden sibling of `dir` for this process. Built by appending: GCC 12 at -O3 reports a
// false -Wrestrict overlap for `"." + std::string(...)`.
std::string staging_name(const fs::path& dir) {
    std::string name = ".";
    name += dir.filename().string();
    name += ".unpacking-";
    name += std::to_string(::getpid());
    return name;
}

enum class Target { Fresh, Device, Unusable };

// A missing or empty folder is fresh; a folder with anything in it is an existing device.
Target inspect(const fs::path& dir, std::string& error) {
    std::error_code failure;
    const auto status = fs::status(dir, failure);
    if (status.type() == fs::file_type::not_found) return Target::Fresh;
    if (!failure && status.type() != fs::file_type::directory) failure = std::make_error_code(std::errc::not_a_directory);
    const bool empty = !failure && fs::is_empty(dir, failure);
    if (!failure) return empty ? Target::Fresh : Target::Device;
    error = "cannot use " + dir.string() + " as a device: " + failure.message();
    return Target::Unusable;
}

}  // namespace

bool unpack_default_image(const fs::path& requested, std::string& error) {
    const auto dir = normalised(requested);
    const auto target = inspect(dir, error);
    if (target != Target::Fresh) return target == Target::Device;
    const auto staging = dir.parent_path() / staging_name(dir);
    std::error_code ignored;
    fs::remove_all(staging, ignored);
    const bool unpacked = write_image(staging, error) && move_into(staging, dir, error);
    fs::remove_all(staging, ignored);
    return unpacked;
}

}  // namespace emu
