// Open files: CreateFile's dispositions over POSIX descriptors.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <winbase.h>
#include <winerror.h>

#include "files/FileSystem.h"
#include "kernel/Device.h"

namespace emu {

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

bool changes(DWORD access, DWORD disposition) {
    return (access & GENERIC_WRITE) || disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING;
}

constexpr const char* kNotAFile = "not a regular file (a FIFO, socket or device node)";

// Whether the opened descriptor is a regular file, which then blocks as files do.
bool regular_file(int descriptor) {
    struct stat status;
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) return false;
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    return true;
}

}  // namespace

// Opens the file where the path really leads, relative to its opened folder and without
// following a link in its place, so that no link put there after the path was resolved is
// followed either. Only regular files open: a FIFO, socket or device node could block the
// device or reach the host, and is refused as a file the user may not open.
DWORD FileSystem::open_descriptor(std::wstring_view path, DWORD access, DWORD disposition, int& descriptor) {
    descriptor = -1;
    if (!valid_disposition(disposition)) return ERROR_INVALID_PARAMETER;
    auto resolved = paths_.resolve(path);
    if (resolved.refused_link) return refuse(path, resolved.refused_link, resolved.error);
    if (!resolved) return resolved.error;
    int folder = ::open(resolved.real.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return ERROR_PATH_NOT_FOUND;
    auto name = resolved.real.filename();
    struct stat status;
    bool exists = ::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0;
    DWORD error = ERROR_SUCCESS;
    if (exists && S_ISDIR(status.st_mode)) error = ERROR_ACCESS_DENIED;
    else if (exists && !S_ISREG(status.st_mode)) error = refuse(path, kNotAFile, ERROR_ACCESS_DENIED);
    else if (exists && disposition == CREATE_NEW) error = ERROR_FILE_EXISTS;
    else if (!exists && (disposition == OPEN_EXISTING || disposition == TRUNCATE_EXISTING)) error = ERROR_FILE_NOT_FOUND;
    else if (exists && changes(access, disposition) && read_only(resolved)) error = ERROR_ACCESS_DENIED;
    if (!error) {
        descriptor = ::openat(folder, name.c_str(), open_flags(access, disposition) | O_NOFOLLOW | O_NONBLOCK, 0644);
        error = descriptor < 0 ? error_from_errno(errno)
                : regular_file(descriptor) ? ERROR_SUCCESS : refuse(path, kNotAFile, ERROR_ACCESS_DENIED);
    }
    ::close(folder);
    if (error && descriptor >= 0) ::close(descriptor);
    if (error) {
        descriptor = -1;
        return error;
    }
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
    if (!file) return refuse_handle(ERROR_INVALID_HANDLE);
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
    if (!file) return refuse_handle(ERROR_INVALID_HANDLE);
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
    if (!file) return refuse_handle(ERROR_INVALID_HANDLE);
    struct stat info;
    if (::fstat(file->descriptor, &info) != 0) return error_from_errno(errno);
    bytes = static_cast<ULONGLONG>(info.st_size);
    return ERROR_SUCCESS;
}

bool FileSystem::close(HANDLE handle) { return files_.remove(handle); }

}  // namespace emu
