// The file system's Win32 entry points, over the calling device's FileSystem.
#include <winbase.h>
#include <winerror.h>
#include <fileapi.h>

#include "files/FileSystem.h"
#include "kernel/Device.h"

namespace {

emu::FileSystem* device_files() {
    auto device = emu::current_device();
    return device ? device->files.get() : nullptr;
}

// Sets the last error from an operation's result and answers whether it succeeded.
BOOL succeeded(DWORD error) {
    SetLastError(error);
    return error == ERROR_SUCCESS;
}

// Runs `operation` on the device's file system with the given paths, none of them null.
template <class Operation, class... Paths>
BOOL with_paths(Operation operation, Paths... paths) {
    auto files = device_files();
    if (!files) return succeeded(ERROR_NOT_READY);
    if ((!paths || ...)) return succeeded(ERROR_INVALID_PARAMETER);
    return succeeded(operation(*files, std::wstring_view(paths)...));
}

}  // namespace

extern "C" {

HANDLE WINAPI CreateFileW(LPCWSTR lpFileName, DWORD dwDesiredAccess, DWORD, LPSECURITY_ATTRIBUTES,
                          DWORD dwCreationDisposition, DWORD, HANDLE) {
    HANDLE handle = nullptr;
    auto files = device_files();
    if (!files || !lpFileName) {
        SetLastError(files ? ERROR_INVALID_PARAMETER : ERROR_NOT_READY);
        return INVALID_HANDLE_VALUE;
    }
    // Opening an existing file with OPEN_ALWAYS or CREATE_ALWAYS succeeds with ERROR_ALREADY_EXISTS.
    SetLastError(files->create_file(lpFileName, dwDesiredAccess, dwCreationDisposition, handle));
    return handle ? handle : INVALID_HANDLE_VALUE;
}

BOOL WINAPI ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead, LPDWORD lpNumberOfBytesRead,
                     LPOVERLAPPED) {
    auto files = device_files();
    DWORD done = 0;
    auto error = !files ? ERROR_NOT_READY : files->read(hFile, lpBuffer, nNumberOfBytesToRead, done);
    if (lpNumberOfBytesRead) *lpNumberOfBytesRead = done;
    return succeeded(error);
}

BOOL WINAPI WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite, LPDWORD lpNumberOfBytesWritten,
                      LPOVERLAPPED) {
    auto files = device_files();
    DWORD done = 0;
    auto error = !files ? ERROR_NOT_READY : files->write(hFile, lpBuffer, nNumberOfBytesToWrite, done);
    if (lpNumberOfBytesWritten) *lpNumberOfBytesWritten = done;
    return succeeded(error);
}

DWORD WINAPI GetFileSize(HANDLE hFile, LPDWORD lpFileSizeHigh) {
    auto files = device_files();
    ULONGLONG bytes = 0;
    auto error = !files ? ERROR_NOT_READY : files->size(hFile, bytes);
    SetLastError(error);
    if (error) return INVALID_FILE_SIZE;
    if (lpFileSizeHigh) *lpFileSizeHigh = static_cast<DWORD>(bytes >> 32);
    return static_cast<DWORD>(bytes);
}

BOOL WINAPI DeleteFileW(LPCWSTR lpFileName) {
    return with_paths([](emu::FileSystem& files, auto path) { return files.delete_file(path); }, lpFileName);
}

BOOL WINAPI MoveFileW(LPCWSTR lpExistingFileName, LPCWSTR lpNewFileName) {
    return with_paths([](emu::FileSystem& files, auto from, auto to) { return files.move(from, to); },
                      lpExistingFileName, lpNewFileName);
}

BOOL WINAPI DeleteAndRenameFile(LPCWSTR lpszDestFile, LPCWSTR lpszSourceFile) {
    return with_paths([](emu::FileSystem& files, auto to, auto from) { return files.replace(to, from); },
                      lpszDestFile, lpszSourceFile);
}

DWORD WINAPI GetFileAttributesW(LPCWSTR lpFileName) {
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    with_paths([&](emu::FileSystem& files, auto path) { return files.get_attributes(path, attributes); }, lpFileName);
    return attributes;
}

BOOL WINAPI SetFileAttributesW(LPCWSTR lpFileName, DWORD dwFileAttributes) {
    return with_paths([=](emu::FileSystem& files, auto path) { return files.set_attributes(path, dwFileAttributes); },
                      lpFileName);
}

BOOL WINAPI CreateDirectoryW(LPCWSTR lpPathName, LPSECURITY_ATTRIBUTES) {
    return with_paths([](emu::FileSystem& files, auto path) { return files.create_directory(path); }, lpPathName);
}

BOOL WINAPI RemoveDirectoryW(LPCWSTR lpPathName) {
    return with_paths([](emu::FileSystem& files, auto path) { return files.remove_directory(path); }, lpPathName);
}

HANDLE WINAPI FindFirstFileW(LPCWSTR lpFileName, LPWIN32_FIND_DATAW lpFindFileData) {
    HANDLE search = nullptr;
    if (!lpFindFileData) lpFileName = nullptr;
    with_paths([&](emu::FileSystem& files, auto pattern) { return files.find_first(pattern, *lpFindFileData, search); },
               lpFileName);
    return search ? search : INVALID_HANDLE_VALUE;
}

BOOL WINAPI FindNextFileW(HANDLE hFindFile, LPWIN32_FIND_DATAW lpFindFileData) {
    auto files = device_files();
    if (!files || !lpFindFileData) return succeeded(files ? ERROR_INVALID_PARAMETER : ERROR_NOT_READY);
    return succeeded(files->find_next(hFindFile, *lpFindFileData));
}

BOOL WINAPI FindClose(HANDLE hFindFile) {
    auto files = device_files();
    return succeeded(files && files->find_close(hFindFile) ? ERROR_SUCCESS : emu::refuse_handle(ERROR_INVALID_HANDLE));
}

}  // extern "C"
