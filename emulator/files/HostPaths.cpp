#include "files/HostPaths.h"

#include <cerrno>
#include <cwctype>
#include <vector>

#include <winerror.h>

#include "kernel/Device.h"
#include "kernel/EventLog.h"

namespace emu {

namespace fs = std::filesystem;

DWORD error_from_errno(int error_number) {
    switch (error_number) {
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
    case ELOOP: return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS: return ERROR_ACCESS_DENIED;
    case EEXIST: return ERROR_ALREADY_EXISTS;
    case ENOTEMPTY: return ERROR_DIR_NOT_EMPTY;
    case EMFILE:
    case ENFILE: return ERROR_TOO_MANY_OPEN_FILES;
    case ENAMETOOLONG: return ERROR_INVALID_NAME;
    default: return ERROR_GEN_FAILURE;
    }
}

namespace {

bool valid_name(std::wstring_view name) {
    for (wchar_t c : name)
        if (c < 0x20 || std::wstring_view(L":*?\"<>|").find(c) != std::wstring_view::npos) return false;
    return true;
}

// The entry of `folder` that `name` names: the exact spelling when it exists, else the
// first entry equal to it without regard to case, else `name` as written. `linked` tells
// whether the entry is a symbolic link; `status` gets the exact spelling's status, and
// `status_known` whether it exists.
std::string entry_named(const fs::path& folder, std::wstring_view name, bool& linked, struct stat& status,
                        bool& status_known) {
    auto written = utf8(name);
    status_known = ::lstat((folder / written).c_str(), &status) == 0;
    linked = status_known && S_ISLNK(status.st_mode);
    if (status_known) return written;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        auto entry = it->path().filename().string();
        if (!same_name(widen_utf8(entry), name)) continue;
        linked = it->is_symlink(error);
        return entry;
    }
    return written;
}

constexpr const char* kLoop = "a symbolic link leading back to a folder of its own path";

// Whether `path` is `folder` or lies below it (both real paths).
bool at_or_below(const fs::path& path, const fs::path& folder) {
    auto relative = path.lexically_relative(folder);
    return !relative.empty() && *relative.begin() != "..";
}

// The path's names, with "." dropped and ".." taking back the name before it; false when
// ".." would climb above the root.
bool split_names(std::wstring_view path, std::vector<std::wstring_view>& names) {
    while (!path.empty()) {
        auto end = path.find_first_of(L"\\/");
        auto name = path.substr(0, end);
        path.remove_prefix(end == std::wstring_view::npos ? path.size() : end + 1);
        if (name.empty() || name == L".") continue;
        if (name != L"..") names.push_back(name);
        else if (names.empty()) return false;
        else names.pop_back();
    }
    return true;
}

}  // namespace

PathResolver::PathResolver(fs::path root) : root_(std::move(root)) {
    std::error_code error;
    fs::create_directories(root_, error);
    canonical_root_ = fs::weakly_canonical(root_, error);
}

const char* PathResolver::follow(const std::vector<fs::path>& passed, const fs::path& link, fs::path& target) const {
    std::error_code error;
    target = fs::canonical(link, error);
    if (error) return error.value() == ELOOP ? kLoop : "a symbolic link whose target does not exist";
    if (!at_or_below(target, canonical_root_)) return "a symbolic link leading outside the device";
    auto relative = target.lexically_relative(canonical_root_);
    if (relative != "." && same_name(widen_utf8(relative.begin()->string()), kMetadataFolder))
        return "a symbolic link into the device's metadata folder";
    for (const auto& folder : passed)
        if (at_or_below(folder, target)) return kLoop;
    return nullptr;
}

const char* PathResolver::follow(const ResolvedPath& folder, const fs::path& link, fs::path& target) const {
    return follow(folder.passed, link, target);
}

ResolvedPath PathResolver::resolve(std::wstring_view device_path) const {
    std::vector<std::wstring_view> names;
    if (!split_names(device_path, names)) return {{}, {}, ERROR_ACCESS_DENIED};
    if (!names.empty() && same_name(names.front(), kMetadataFolder)) return {{}, {}, ERROR_ACCESS_DENIED};
    ResolvedPath resolved{root_, {}, 0, canonical_root_, {canonical_root_}};
    for (auto name : names) {
        if (!valid_name(name)) return {{}, {}, ERROR_INVALID_NAME};
        bool linked = false;
        auto entry = entry_named(resolved.host, name, linked, resolved.entry_status, resolved.entry_status_known);
        resolved.entry_status_known = resolved.entry_status_known && !linked;
        resolved.host /= entry;
        resolved.device_path += L"\\" + widen_utf8(entry);
        // Without links and "..", a path cannot leave the root; only links need following.
        if (!linked) {
            resolved.real /= entry;
        } else if (auto refusal = follow(resolved.passed, resolved.host, resolved.real)) {
            DWORD error = refusal == kLoop ? ERROR_PATH_NOT_FOUND : ERROR_ACCESS_DENIED;
            return {{}, std::move(resolved.device_path), error, {}, {}, refusal};
        }
        resolved.passed.push_back(resolved.real);
    }
    return resolved;
}

}  // namespace emu
