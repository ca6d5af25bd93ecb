#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <sys/stat.h>

#include <windef.h>

#include "kernel/SameName.h"

namespace emu {

// A Win32 error for the errno of a failed host call.
DWORD error_from_errno(int error_number);

// A device path mapped below the image root. `device_path` is the path as the files are
// actually spelled ("\Windows\Start Menu"), "" for the root itself.
struct ResolvedPath {
    std::filesystem::path host;   // below the root, through any links on the way
    std::wstring device_path;
    DWORD error = 0;  // a Win32 error when the path is refused
    // Where the path really leads: `host` with every link replaced by its target, and the
    // real folders the path passes through, the root first.
    std::filesystem::path real;
    std::vector<std::filesystem::path> passed;
    const char* refused_link = nullptr;  // why, when a symbolic link on the way was refused
    // The status of the entry the path names, when resolving read it and it is no link:
    // callers that need it spare the host a second look (a slow one in the web build).
    bool entry_status_known = false;
    struct stat entry_status {};

    explicit operator bool() const { return error == 0; }
};

// Maps device paths ("\Windows\x", either slash, names matched without regard to case)
// onto the host folder that is the device's root. Refused with ERROR_ACCESS_DENIED: a
// ".." above the root, the image's metadata folder, a symbolic link pointing outside the
// root or into the metadata folder, and a link whose target does not exist (a file made
// through it would appear wherever it points). Refused with ERROR_PATH_NOT_FOUND: a link
// that loops, or that leads back to a folder the path has passed through (itself or a
// folder above it), so that no recursive search can go round for ever.
class PathResolver {
public:
    explicit PathResolver(std::filesystem::path root);

    ResolvedPath resolve(std::wstring_view device_path) const;
    // Where the link `link`, an entry of `folder`, leads: its real target; or why it is
    // refused as resolve() would refuse it, null when it is not.
    const char* follow(const ResolvedPath& folder, const std::filesystem::path& link,
                       std::filesystem::path& target) const;
    const std::filesystem::path& root() const { return root_; }

    static constexpr std::wstring_view kMetadataFolder = L".device";

private:
    const char* follow(const std::vector<std::filesystem::path>& passed, const std::filesystem::path& link,
                       std::filesystem::path& target) const;

    std::filesystem::path root_;
    std::filesystem::path canonical_root_;
};

}  // namespace emu
