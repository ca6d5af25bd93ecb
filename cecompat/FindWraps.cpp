// Windows CE's folder listings over desktop Win32's.
#include <algorithm>
#include <vector>

#include "LinkWraps.h"
#include "kernel/SameName.h"

CECOMPAT_REAL_IMPORT(FindFirstFileW);
CECOMPAT_REAL_IMPORT(FindNextFileW);
CECOMPAT_REAL_IMPORT(FindClose);

namespace {

struct Listing {
    std::vector<WIN32_FIND_DATAW> entries;
    std::size_t next = 0;
};

bool is_dot_entry(const WIN32_FIND_DATAW& entry) {
    return std::wstring_view(entry.cFileName) == L"." || std::wstring_view(entry.cFileName) == L"..";
}

// Wrapped: the object store of Windows CE lists a folder without the "." and ".." entries
// desktop Win32 puts first in every folder but a drive's root (a program that walks folders
// would otherwise walk into the same folder again), and in the order the emulated device
// lists its folders, by name, where desktop Win32 gives the host file system's own order.
// The whole listing is read at the first call; the handle is the listing's.
HANDLE WINAPI ce_find_first_file(LPCWSTR lpFileName, LPWIN32_FIND_DATAW lpFindFileData) {
    WIN32_FIND_DATAW entry;
    HANDLE search = CECOMPAT_REAL(FindFirstFileW)(lpFileName, &entry);
    if (search == INVALID_HANDLE_VALUE) return search;
    auto* listing = new Listing;
    do {
        if (!is_dot_entry(entry)) listing->entries.push_back(entry);
    } while (CECOMPAT_REAL(FindNextFileW)(search, &entry));
    CECOMPAT_REAL(FindClose)(search);
    std::sort(listing->entries.begin(), listing->entries.end(),
              [](const auto& a, const auto& b) { return emu::name_less(a.cFileName, b.cFileName); });
    if (listing->entries.empty()) {
        delete listing;
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    *lpFindFileData = listing->entries[listing->next++];
    return listing;
}

BOOL WINAPI ce_find_next_file(HANDLE hFindFile, LPWIN32_FIND_DATAW lpFindFileData) {
    auto* listing = static_cast<Listing*>(hFindFile);
    if (listing->next == listing->entries.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    *lpFindFileData = listing->entries[listing->next++];
    return TRUE;
}

BOOL WINAPI ce_find_close(HANDLE hFindFile) {
    delete static_cast<Listing*>(hFindFile);
    return TRUE;
}

}  // namespace

CECOMPAT_WRAP(FindFirstFileW, ce_find_first_file);
CECOMPAT_WRAP(FindNextFileW, ce_find_next_file);
CECOMPAT_WRAP(FindClose, ce_find_close);
