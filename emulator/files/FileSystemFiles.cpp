// Open files: CreateFile's dispositions over POSIX descriptors.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <winbase.h>
#include <winerror.h>

#include "files/FileSystem.h"

namespace emu {

namespace fs = std::filesystem;

struct FileSystem::OpenFile {
    int descriptor = -1;
    bool readable = false;
    bool writable = false;
    ~OpenFile() {
        if (descriptor >= 0) ::close(descriptor);
    }
};

namespace {

int open_flags(DWORD access, DWORD disposition) {
    int flags = O_CLOEXEC;
    bool reads = access & GENERIC_READ, writes = access & GENERIC_WRITE;
    flags |= reads && writes ? O_RDWR : writes ? O_WRONLY : O_RDONLY;
    switch (disposition) {
    case CREATE_NEW: return flags | O_CREAT | O_EXCL;
    case CREATE_ALWAYS: return flags | O_CREAT | O_TRUNC;
    case OPEN_ALWAYS: return flags | O_CREAT;
    case TRUNCATE_EXISTING: return flags | O_TRUNC;
    default: return flags;
    }
}

bool valid_disposition(DWORD disposition) { return disposition >= CREATE_NEW && disposition <= TRUNCATE_EXISTING; }

}  // namespace

DWORD FileSystem::open_descriptor(std::wstring_view path, DWORD access, DWORD disposition, int& descriptor) {
    descriptor = -1;
    if (!valid_disposition(disposition)) return ERROR_INVALID_PARAMETER;
    auto resolved = paths_.resolve(path);
    if (!resolved) return resolved.error;
    std::error_code error;
    auto type = fs::status(resolved.host, error).type();
    bool exists = type != fs::file_type::not_found;
    if (type == fs::file_type::directory) return ERROR_ACCESS_DENIED;
    if (!fs::is_directory(resolved.host.parent_path(), error)) return ERROR_PATH_NOT_FOUND;
    if (exists && disposition == CREATE_NEW) return ERROR_FILE_EXISTS;
    if (!exists && (disposition == OPEN_EXISTING || disposition == TRUNCATE_EXISTING)) return ERROR_FILE_NOT_FOUND;
    bool changes = (access & GENERIC_WRITE) || disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING;
    if (exists && changes && read_only(resolved)) return ERROR_ACCESS_DENIED;
    descriptor = ::open(resolved.host.c_str(), open_flags(access, disposition), 0644);
    if (descriptor < 0) return error_from_errno(errno);
    bool reports_existing = disposition == OPEN_ALWAYS || disposition == CREATE_ALWAYS;
    return exists && reports_existing ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS;
}

DWORD FileSystem::create_file(std::wstring_view path, DWORD access, DWORD disposition, HANDLE& handle) {
    handle = nullptr;
    int descriptor;
    auto error = open_descriptor(path, access, disposition, descriptor);
    if (descriptor < 0) return error;
    auto file = std::make_shared<OpenFile>();
    file->descriptor = descriptor;
    file->readable = access & GENERIC_READ;
    file->writable = access & GENERIC_WRITE;
    handle = files_.add(std::move(file));
    return error;
}

DWORD FileSystem::read(HANDLE handle, void* buffer, DWORD size, DWORD& done) {
    done = 0;
    auto file = files_.get(handle);
    if (!file) return ERROR_INVALID_HANDLE;
    if (!file->readable) return ERROR_ACCESS_DENIED;
    while (done < size) {
        auto count = ::read(file->descriptor, static_cast<char*>(buffer) + done, size - done);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return error_from_errno(errno);
        if (count == 0) break;
        done += static_cast<DWORD>(count);
    }
    return ERROR_SUCCESS;
}

DWORD FileSystem::write(HANDLE handle, const void* buffer, DWORD size, DWORD& done) {
    done = 0;
    auto file = files_.get(handle);
    if (!file) return ERROR_INVALID_HANDLE;
    if (!file->writable) return ERROR_ACCESS_DENIED;
    while (done < size) {
        auto count = ::write(file->descriptor, static_cast<const char*>(buffer) + done, size - done);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return error_from_errno(errno);
        done += static_cast<DWORD>(count);
    }
    return ERROR_SUCCESS;
}

DWORD FileSystem::size(HANDLE handle, ULONGLONG& bytes) const {
    auto file = files_.get(handle);
    if (!file) return ERROR_INVALID_HANDLE;
    struct stat info;
    if (::fstat(file->descriptor, &info) != 0) return error_from_errno(errno);
    bytes = static_cast<ULONGLONG>(info.st_size);
    return ERROR_SUCCESS;
}

bool FileSystem::close(HANDLE handle) { return files_.remove(handle); }

}  // namespace emu
