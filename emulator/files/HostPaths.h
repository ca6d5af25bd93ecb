#pragma once
#include <filesystem>
#include <string>
#include <string_view>

#include <windef.h>

namespace emu {

// Orders names the way the device lists them: without regard to case, then by exact text.
bool name_less(std::wstring_view a, std::wstring_view b);

// A Win32 error for the errno of a failed host call.
DWORD error_from_errno(int error_number);

// A device path mapped below the image root. `device_path` is the path as the files are
// actually spelled ("\Windows\Start Menu"), "" for the root itself.
struct ResolvedPath {
    std::filesystem::path host;
    std::wstring device_path;
    DWORD error = 0;  // a Win32 error when the path is refused

    explicit operator bool() const { return error == 0; }
};

// Maps device paths ("\Windows\x", either slash, names matched without regard to case)
// onto the host folder that is the device's root. A path that would leave the root (a
// ".." above it, a symbolic link pointing outside, a link loop) or reach the image's
// metadata folder is refused with ERROR_ACCESS_DENIED or ERROR_PATH_NOT_FOUND.
class PathResolver {
public:
    explicit PathResolver(std::filesystem::path root);

    ResolvedPath resolve(std::wstring_view device_path) const;
    // Whether a host path (after following links) stays inside the root and outside the
    // metadata folder.
    bool inside(const std::filesystem::path& host) const;
    const std::filesystem::path& root() const { return root_; }

    static constexpr std::wstring_view kMetadataFolder = L".device";

private:
    std::filesystem::path root_;
    std::filesystem::path canonical_root_;
};

}  // namespace emu
