#include "apps/DirectoryListing.h"

#include <string>

#include <wchar.h>

namespace {

// The characters after the name's last ".", or null when there are none.
const WCHAR* ExtensionOf(const WCHAR* name) {
    const WCHAR* dot = nullptr;
    for (int i = 0; i < MAX_PATH && name[i]; ++i)
        if (name[i] == L'.') dot = name + i;
    return dot && dot[1] ? dot + 1 : nullptr;
}

bool IsProgramOrShortcut(const WCHAR* name) {
    const WCHAR* extension = ExtensionOf(name);
    return extension && (_wcsicmp(extension, L"lnk") == 0 || _wcsicmp(extension, L"exe") == 0);
}

bool IsThisProgram(const WCHAR* name) {
    return _wcsicmp(name, L"Tesselink.lnk") == 0 || _wcsicmp(name, L"Tesselink.exe") == 0;
}

}  // namespace

bool PassesListing(const WIN32_FIND_DATA& entry) {
    return (!IsThisProgram(entry.cFileName) && IsProgramOrShortcut(entry.cFileName)) || IsPlainFolder(entry);
}

int ListDirectory(const WCHAR* folder, WIN32_FIND_DATA* records, int room) {
    std::wstring pattern = std::wstring(folder) + L"*.*";
    if (pattern.size() >= MAX_PATH) return 0;
    WIN32_FIND_DATA entry;
    HANDLE search = FindFirstFile(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return 0;
    int kept = 0;
    do {
        if (PassesListing(entry)) records[kept++] = entry;
    } while (kept < room && FindNextFile(search, &entry));
    FindClose(search);
    return kept;
}
