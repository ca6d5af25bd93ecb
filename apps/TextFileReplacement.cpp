#include "apps/TextFileReplacement.h"

#include <string>

namespace {

bool PutInPlace(const WCHAR* path, const WCHAR* temporary) {
    if (GetFileAttributes(path) == INVALID_FILE_ATTRIBUTES) return MoveFile(temporary, path);
    return DeleteAndRenameFile(path, temporary);
}

}  // namespace

void WriteTextFileReplacing(const WCHAR* path, bool (*writeContent)(FILE* file)) {
    std::wstring temporary = std::wstring(path) + L".new";
    FILE* file = _wfopen(temporary.c_str(), L"w+t");
    if (!file) return;
    bool written = writeContent(file) && fflush(file) == 0 && !ferror(file);
    written = fclose(file) == 0 && written;
    if (!written || !PutInPlace(path, temporary.c_str())) DeleteFile(temporary.c_str());
}
