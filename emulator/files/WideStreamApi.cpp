// _wfopen, and the wide-character stream functions for the device's streams.
//
// glibc's own wide functions cannot work on the device's streams (a cookie stream has no
// wide buffers), so the link wraps fgetwc, fputws and fwprintf (see emulator/CMakeLists.txt):
// on a device stream they convert each character through the device's code page (text
// mode) or as a UTF-16 unit (binary mode) and use the stream's byte functions; any other
// stream goes to glibc.
#include <cerrno>
#include <cstdarg>
#include <string>
#include <vector>

#include <stdio.h>
#include <wchar.h>

#include "kernel/CodePage1252.h"
#include "files/TextStream.h"
#include "kernel/Device.h"

extern "C" {
wint_t __real_fgetwc(FILE* stream);
int __real_fputws(const wchar_t* text, FILE* stream);
}

namespace {

wint_t read_wide(FILE* stream, emu::StreamKind kind) {
    int low = fgetc(stream);
    if (low == EOF) return WEOF;
    if (kind == emu::StreamKind::DeviceText) return emu::from_code_page(static_cast<unsigned char>(low));
    int high = fgetc(stream);
    return high == EOF ? WEOF : static_cast<wint_t>(low | high << 8);
}

void append_unit(std::string& bytes, unsigned unit) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
}

// The bytes of `text` as the device's file holds them.
std::string encode(std::wstring_view text, emu::StreamKind kind) {
    std::string bytes;
    for (wchar_t c : text) {
        auto code = static_cast<unsigned>(c);
        if (kind == emu::StreamKind::DeviceText) {
            bytes += static_cast<char>(emu::to_code_page(c));
        } else if (code < 0x10000) {
            append_unit(bytes, code);
        } else {
            append_unit(bytes, 0xD800 + ((code - 0x10000) >> 10));
            append_unit(bytes, 0xDC00 + ((code - 0x10000) & 0x3FF));
        }
    }
    return bytes;
}

bool write_wide(FILE* stream, std::wstring_view text, emu::StreamKind kind) {
    auto bytes = encode(text, kind);
    return fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
}

// Formats into a buffer that grows until the text fits (up to a limit), then writes it.
int write_formatted(FILE* stream, emu::StreamKind kind, const wchar_t* format, va_list args) {
    std::vector<wchar_t> buffer(256);
    while (true) {
        va_list attempt;
        va_copy(attempt, args);
        int length = vswprintf(buffer.data(), buffer.size(), format, attempt);
        va_end(attempt);
        if (length >= 0) return write_wide(stream, {buffer.data(), static_cast<std::size_t>(length)}, kind) ? length : -1;
        if (buffer.size() >= (1u << 20)) return -1;
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

extern "C" {

FILE* _wfopen(const wchar_t* filename, const wchar_t* mode) {
    auto device = emu::current_device();
    if (!device || !device->files || !filename || !mode) {
        errno = EINVAL;
        return nullptr;
    }
    return emu::open_device_stream(*device->files, filename, mode);
}

wint_t __wrap_fgetwc(FILE* stream) {
    auto kind = emu::stream_kind(stream);
    return kind == emu::StreamKind::Host ? __real_fgetwc(stream) : read_wide(stream, kind);
}

int __wrap_fputws(const wchar_t* text, FILE* stream) {
    auto kind = emu::stream_kind(stream);
    if (kind == emu::StreamKind::Host) return __real_fputws(text, stream);
    return write_wide(stream, text, kind) ? 0 : EOF;
}

int __wrap_fwprintf(FILE* stream, const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    auto kind = emu::stream_kind(stream);
    int result = kind == emu::StreamKind::Host ? vfwprintf(stream, format, args)
                                               : write_formatted(stream, kind, format, args);
    va_end(args);
    return result;
}

}  // extern "C"
