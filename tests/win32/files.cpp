// File calls: creating, writing, reading and sizing a file, refusals with their error codes,
// attributes, listing a folder with wildcards, moving and deleting, names without regard to
// case. The files live in a folder beside the program, made and removed by the checks.
#include "Check.h"

namespace {

WCHAR g_folder[MAX_PATH];

// A path in the checks' folder.
const WCHAR* In(const WCHAR* name) {
    static WCHAR paths[4][MAX_PATH];
    static int next;
    WCHAR* path = paths[next++ % 4];
    wsprintf(path, L"%s\\%s", g_folder, name);
    return path;
}

HANDLE Open(const WCHAR* path, DWORD access, DWORD disposition) {
    return CreateFile(path, access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool WriteText(const WCHAR* path, const char* text) {
    HANDLE file = Open(path, GENERIC_WRITE, CREATE_ALWAYS);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    WriteFile(file, text, static_cast<DWORD>(strlen(text)), &written, nullptr);
    CloseHandle(file);
    return written == strlen(text);
}

void CreatingAndReading() {
    HANDLE file = Open(In(L"a.txt"), GENERIC_WRITE, CREATE_NEW);
    check::True("CREATE_NEW makes a file", file != INVALID_HANDLE_VALUE);
    DWORD written = 0;
    check::True("WriteFile writes all", WriteFile(file, "hello", 5, &written, nullptr) && written == 5);
    CloseHandle(file);
    check::Fails("CREATE_NEW of an existing file is refused", Open(In(L"a.txt"), GENERIC_WRITE,
                 CREATE_NEW) == INVALID_HANDLE_VALUE, ERROR_FILE_EXISTS);

    file = Open(In(L"A.TXT"), GENERIC_READ, OPEN_EXISTING);
    check::True("a name in other case opens the file", file != INVALID_HANDLE_VALUE);
    check::Equal("GetFileSize", GetFileSize(file, nullptr), 5);
    char text[8] = {};
    DWORD read = 0;
    ReadFile(file, text, sizeof text, &read, nullptr);
    check::True("ReadFile reads what was written", read == 5 && memcmp(text, "hello", 5) == 0);
    check::True("ReadFile at the end reads nothing and succeeds", ReadFile(file, text, sizeof text, &read, nullptr) &&
                                                                       read == 0);
    CloseHandle(file);

    check::Fails("OPEN_EXISTING of a missing file is refused", Open(In(L"none.txt"), GENERIC_READ,
                 OPEN_EXISTING) == INVALID_HANDLE_VALUE, ERROR_FILE_NOT_FOUND);
    check::Fails("a missing folder on the way", Open(In(L"none\\a.txt"), GENERIC_READ,
                 OPEN_EXISTING) == INVALID_HANDLE_VALUE,
                 ERROR_PATH_NOT_FOUND);
}

void Attributes() {
    check::Equal("a new file's attributes", GetFileAttributes(In(L"a.txt")), FILE_ATTRIBUTE_ARCHIVE);
    check::Equal("a folder's attributes", GetFileAttributes(g_folder) & FILE_ATTRIBUTE_DIRECTORY,
                 FILE_ATTRIBUTE_DIRECTORY);
    check::Fails("a missing file's attributes", GetFileAttributes(In(L"none.txt")) == INVALID_FILE_ATTRIBUTES,
                 ERROR_FILE_NOT_FOUND);
    SetFileAttributes(In(L"a.txt"), FILE_ATTRIBUTE_READONLY);
    check::Equal("SetFileAttributes makes a file read-only", GetFileAttributes(In(L"a.txt")) & FILE_ATTRIBUTE_READONLY,
                 FILE_ATTRIBUTE_READONLY);
    check::Fails("a read-only file cannot be deleted", !DeleteFile(In(L"a.txt")), ERROR_ACCESS_DENIED);
    SetFileAttributes(In(L"a.txt"), FILE_ATTRIBUTE_NORMAL);
}

// Checks that a pattern lists the names of `expected` (space-separated), in any order, and
// no others; "." and ".." are counted apart.
int CheckList(const char* name, const WCHAR* pattern, const char* expected) {
    char seen[256] = "", word[40], padded[200];
    snprintf(padded, sizeof padded, " %s ", expected);
    int listed = 0, missing = 0, dots = 0;
    WIN32_FIND_DATA data;
    HANDLE find = FindFirstFile(In(pattern), &data);
    for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFile(find, &data)) {
        snprintf(word, sizeof word, " %.30ls ", data.cFileName);
        if (!strcmp(word, " . ") || !strcmp(word, " .. ")) dots++;
        else missing += !strstr(padded, word), listed++;
        snprintf(seen + strlen(seen), sizeof seen - strlen(seen), "%s", word);
    }
    FindClose(find);
    int words = 1;
    for (const char* c = expected; *c; ++c) words += *c == ' ';
    char detail[400];
    snprintf(detail, sizeof detail, "listed%s, expected %s", seen, expected);
    check::Report(name, listed == words && missing == 0, detail);
    return dots;
}

void Listing() {
    WriteText(In(L"b.log"), "b");
    CreateDirectory(In(L"Sub"), nullptr);
    int dots = CheckList("FindFirstFile/FindNextFile list a folder", L"*", "Sub a.txt b.log");
    // Windows CE lists a folder without "." and ".."; desktop Windows lists both.
    check::ByPlatform("a listing's \".\" and \"..\"", dots, 0, 2);
    CheckList("a wildcard picks by extension", L"*.txt", "a.txt");
    CheckList("... without regard to case", L"*.LOG", "b.log");
    WIN32_FIND_DATA data;
    HANDLE find = FindFirstFile(In(L"a.txt"), &data);
    check::True("FindFirstFile of one name finds it", find != INVALID_HANDLE_VALUE);
    check::Equal("... with its size", data.nFileSizeLow, 5);
    FindClose(find);
    find = FindFirstFile(In(L"sub"), &data);
    check::Equal("... and its attributes", data.dwFileAttributes, FILE_ATTRIBUTE_DIRECTORY);
    check::Fails("the listing ends", !FindNextFile(find, &data), ERROR_NO_MORE_FILES);
    FindClose(find);
    check::Fails("nothing matches", FindFirstFile(In(L"*.none"), &data) == INVALID_HANDLE_VALUE, ERROR_FILE_NOT_FOUND);
}

void MovingAndDeleting() {
    check::True("MoveFile renames", MoveFile(In(L"b.log"), In(L"c.log")));
    check::Equal("... and the old name is gone", GetFileAttributes(In(L"b.log")), INVALID_FILE_ATTRIBUTES);
    check::Fails("MoveFile onto an existing file is refused", !MoveFile(In(L"c.log"), In(L"a.txt")),
                 ERROR_ALREADY_EXISTS);
    check::True("MoveFile into a folder", MoveFile(In(L"c.log"), In(L"Sub\\c.log")));
    check::Fails("a folder with files cannot be removed", !RemoveDirectory(In(L"Sub")), ERROR_DIR_NOT_EMPTY);
    check::True("DeleteFile", DeleteFile(In(L"Sub\\c.log")) && DeleteFile(In(L"a.txt")));
    check::Fails("deleting a missing file is refused", !DeleteFile(In(L"a.txt")), ERROR_FILE_NOT_FOUND);
    check::True("an empty folder is removed", RemoveDirectory(In(L"Sub")));
}

}  // namespace

int RunChecks(HINSTANCE, LPWSTR) {
    GetModuleFileName(nullptr, g_folder, MAX_PATH);
    WCHAR* slash = wcsrchr(g_folder, L'\\');
    wcscpy(slash ? slash : g_folder, L"\\checks.tmp");
    CreateDirectory(g_folder, nullptr);
    CreatingAndReading();
    Attributes();
    Listing();
    MovingAndDeleting();
    check::True("the checks' folder is removed at the end", RemoveDirectory(g_folder));
    return check::Finish();
}
