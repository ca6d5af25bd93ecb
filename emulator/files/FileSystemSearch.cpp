// Directory searches: FindFirstFile's listing of one folder, filtered by a wildcard mask.
#include <sys/stat.h>

#include <algorithm>
#include <cwctype>

#include <winerror.h>

#include "files/FileSystem.h"
#include "kernel/Device.h"
#include "kernel/EventLog.h"

namespace emu {

namespace fs = std::filesystem;

namespace {

// '*' matches any run of characters, '?' any one; letters match without regard to case.
// "*.*" matches every name, as on the device.
bool matches_mask(std::wstring_view name, std::wstring_view mask) {
    if (mask == L"*.*") return true;
    if (mask.empty()) return name.empty();
    if (mask.front() == L'*') {
        while (mask.size() > 1 && mask[1] == L'*') mask.remove_prefix(1);
        for (std::size_t skip = 0; skip <= name.size(); ++skip)
            if (matches_mask(name.substr(skip), mask.substr(1))) return true;
        return false;
    }
    if (name.empty()) return false;
    bool same = mask.front() == L'?' || std::towlower(mask.front()) == std::towlower(name.front());
    return same && matches_mask(name.substr(1), mask.substr(1));
}

FILETIME filetime_of(const struct timespec& time) {
    constexpr ULONGLONG kSecondsFrom1601To1970 = 11644473600ULL;
    auto ticks = (static_cast<ULONGLONG>(time.tv_sec) + kSecondsFrom1601To1970) * 10000000ULL +
                 static_cast<ULONGLONG>(time.tv_nsec) / 100;
    return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

}  // namespace

std::vector<WIN32_FIND_DATAW> FileSystem::list(const ResolvedPath& folder, std::wstring_view mask) const {
    std::vector<WIN32_FIND_DATAW> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder.host, error), end; !error && it != end; it.increment(error)) {
        auto name = widen_utf8(it->path().filename().string());
        if (name.size() >= MAX_PATH || !matches_mask(name, mask)) continue;
        if (folder.device_path.empty() && same_name(name, PathResolver::kMetadataFolder)) continue;
        // A link is listed only where it could be opened: not a dangling one, not one
        // leading outside, and not one leading back to a folder of the path (a loop).
        fs::path target;
        std::error_code link_error;
        if (it->is_symlink(link_error) && paths_.follow(folder, it->path(), target) != nullptr) continue;
        struct stat info;
        if (::stat(it->path().c_str(), &info) != 0) continue;
        WIN32_FIND_DATAW data{};
        ResolvedPath entry{it->path(), folder.device_path + L"\\" + name};
        data.dwFileAttributes = attributes_of(entry, S_ISDIR(info.st_mode));
        data.ftLastWriteTime = filetime_of(info.st_mtim);
        data.ftLastAccessTime = filetime_of(info.st_atim);
        data.ftCreationTime = data.ftLastWriteTime;
        data.nFileSizeHigh = S_ISDIR(info.st_mode) ? 0 : static_cast<DWORD>(static_cast<ULONGLONG>(info.st_size) >> 32);
        data.nFileSizeLow = S_ISDIR(info.st_mode) ? 0 : static_cast<DWORD>(info.st_size);
        data.dwOID = static_cast<DWORD>(info.st_ino);
        std::copy(name.begin(), name.end(), data.cFileName);
        entries.push_back(data);
    }
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return name_less(a.cFileName, b.cFileName); });
    return entries;
}

DWORD FileSystem::find_first(std::wstring_view pattern, WIN32_FIND_DATAW& data, HANDLE& search) {
    search = nullptr;
    auto split = pattern.find_last_of(L"\\/");
    auto mask = split == std::wstring_view::npos ? pattern : pattern.substr(split + 1);
    auto folder_path = split == std::wstring_view::npos ? std::wstring_view() : pattern.substr(0, split);
    if (mask.empty()) return ERROR_FILE_NOT_FOUND;
    auto folder = paths_.resolve(folder_path);
    if (!folder) return folder.error;
    std::error_code error;
    if (!fs::is_directory(folder.host, error)) return ERROR_PATH_NOT_FOUND;
    auto state = std::make_shared<Search>();
    state->entries = list(folder, mask);
    if (state->entries.empty()) return ERROR_FILE_NOT_FOUND;
    data = state->entries[0];
    state->next = 1;
    search = searches_.add(std::move(state));
    return ERROR_SUCCESS;
}

DWORD FileSystem::find_next(HANDLE handle, WIN32_FIND_DATAW& data) {
    auto state = searches_.get(handle);
    if (!state) return refuse_handle(ERROR_INVALID_HANDLE);
    if (state->next >= state->entries.size()) return ERROR_NO_MORE_FILES;
    data = state->entries[state->next++];
    return ERROR_SUCCESS;
}

bool FileSystem::find_close(HANDLE handle) { return searches_.remove(handle); }

}  // namespace emu
