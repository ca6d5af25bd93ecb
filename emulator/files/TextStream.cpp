#include "files/TextStream.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

#include <winerror.h>
#include <fileapi.h>

#include "files/FileSystem.h"

namespace emu {

namespace {

constexpr char kEndOfText = 0x1A;  // Ctrl+Z ends a text file

struct StreamMode {
    DWORD access = 0;
    DWORD disposition = 0;
    bool append = false;
    bool text = true;
    const char* host_mode = "r";
};

std::optional<StreamMode> parse_mode(std::wstring_view mode) {
    if (mode.empty()) return std::nullopt;
    StreamMode parsed;
    bool plus = mode.substr(1).find(L'+') != std::wstring_view::npos;
    switch (mode[0]) {
    case L'r': parsed = {GENERIC_READ, OPEN_EXISTING, false, true, plus ? "r+" : "r"}; break;
    case L'w': parsed = {GENERIC_WRITE, CREATE_ALWAYS, false, true, plus ? "w+" : "w"}; break;
    case L'a': parsed = {GENERIC_WRITE, OPEN_ALWAYS, true, true, plus ? "a+" : "a"}; break;
    default: return std::nullopt;
    }
    if (plus) parsed.access = GENERIC_READ | GENERIC_WRITE;
    for (wchar_t c : mode.substr(1)) {
        if (c == L'b') parsed.text = false;
        else if (c != L't' && c != L'+') return std::nullopt;
    }
    return parsed;
}

int errno_from_error(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return ENOENT;
    case ERROR_ACCESS_DENIED: return EACCES;
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_PARAMETER: return EINVAL;
    default: return EIO;
    }
}

// The cookie behind a device stream: the host descriptor and the text-mode state.
struct Stream {
    int descriptor;
    bool text;
    FILE* file = nullptr;
    std::string decoded;  // translated bytes not yet handed to the C library
    std::size_t taken = 0;
    bool pending_cr = false;
    bool ended = false;

    void decode(const char* raw, std::size_t size) {
        for (std::size_t i = 0; i < size && !ended; ++i) {
            char c = raw[i];
            if (pending_cr && c != '\n') decoded += '\r';
            pending_cr = c == '\r';
            if (c == kEndOfText) ended = true;
            else if (!pending_cr) decoded += c;
        }
    }

    void finish() {
        if (pending_cr) decoded += '\r';
        pending_cr = false;
        ended = true;
    }

    // Fills `decoded` with at least one byte unless the file has ended.
    bool refill() {
        decoded.clear();
        taken = 0;
        char raw[4096];
        while (decoded.empty() && !ended) {
            auto count = ::read(descriptor, raw, sizeof raw);
            if (count < 0 && errno == EINTR) continue;
            if (count < 0) return false;
            if (count == 0) finish();
            else if (text) decode(raw, static_cast<std::size_t>(count));
            else decoded.assign(raw, static_cast<std::size_t>(count));
        }
        return true;
    }
};

std::mutex g_streams_mutex;
std::unordered_map<FILE*, Stream*> g_streams;

ssize_t read_stream(void* cookie, char* buffer, size_t size) {
    auto& stream = *static_cast<Stream*>(cookie);
    if (stream.taken == stream.decoded.size() && !stream.refill()) return -1;
    auto count = std::min(size, stream.decoded.size() - stream.taken);
    stream.decoded.copy(buffer, count, stream.taken);
    stream.taken += count;
    return static_cast<ssize_t>(count);
}

bool write_all(int descriptor, const char* bytes, std::size_t size) {
    while (size > 0) {
        auto count = ::write(descriptor, bytes, size);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return false;
        bytes += count;
        size -= static_cast<std::size_t>(count);
    }
    return true;
}

ssize_t write_stream(void* cookie, const char* buffer, size_t size) {
    auto& stream = *static_cast<Stream*>(cookie);
    std::string encoded;
    for (std::size_t i = 0; i < size; ++i) {
        if (stream.text && buffer[i] == '\n') encoded += '\r';
        encoded += buffer[i];
    }
    return write_all(stream.descriptor, encoded.data(), encoded.size()) ? static_cast<ssize_t>(size) : 0;
}

int seek_stream(void* cookie, off64_t* offset, int whence) {
    auto& stream = *static_cast<Stream*>(cookie);
    auto position = ::lseek(stream.descriptor, *offset, whence);
    if (position < 0) return -1;
    *offset = position;
    stream.decoded.clear();
    stream.taken = 0;
    stream.pending_cr = stream.ended = false;
    return 0;
}

int close_stream(void* cookie) {
    auto stream = static_cast<Stream*>(cookie);
    {
        std::lock_guard lock(g_streams_mutex);
        g_streams.erase(stream->file);
    }
    int result = ::close(stream->descriptor);
    delete stream;
    return result;
}

}  // namespace

FILE* open_device_stream(FileSystem& files, std::wstring_view path, std::wstring_view mode) {
    auto parsed = parse_mode(mode);
    if (!parsed) {
        errno = EINVAL;
        return nullptr;
    }
    int descriptor;
    auto error = files.open_descriptor(path, parsed->access, parsed->disposition, descriptor);
    if (descriptor < 0) {
        errno = errno_from_error(error);
        return nullptr;
    }
    if (parsed->append) ::fcntl(descriptor, F_SETFL, O_APPEND);
    auto stream = new Stream{descriptor, parsed->text};
    stream->file = fopencookie(stream, parsed->host_mode, {read_stream, write_stream, seek_stream, close_stream});
    if (!stream->file) {
        ::close(descriptor);
        delete stream;
        return nullptr;
    }
    std::lock_guard lock(g_streams_mutex);
    g_streams[stream->file] = stream;
    return stream->file;
}

StreamKind stream_kind(FILE* stream) {
    std::lock_guard lock(g_streams_mutex);
    auto it = g_streams.find(stream);
    if (it == g_streams.end()) return StreamKind::Host;
    return it->second->text ? StreamKind::DeviceText : StreamKind::DeviceBinary;
}

}  // namespace emu
