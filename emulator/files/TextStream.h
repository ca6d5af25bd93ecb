#pragma once
#include <cstdio>
#include <string_view>

namespace emu {

class FileSystem;

// The C library's files of the device (_wfopen). A stream is a host FILE whose bytes pass
// through a translation layer: in text mode, reading gives each CR LF as one LF and ends at
// the first Ctrl+Z, and writing turns each LF into CR LF; binary mode passes bytes as they
// are. The byte functions (fgetc, fputs...) then work on the file's single bytes, as on the
// device; the wide functions fgetwc, fputws and fwprintf are taken over for these streams
// (see WideStreamApi.cpp) to convert through the device's code page in text mode and to
// read and write UTF-16 units in binary mode.
//
// Modes: "r", "w", "a", each optionally with "+", and "t" or "b" (text is the default).
// Answers null with errno set when the mode is invalid or the file cannot be opened.
FILE* open_device_stream(FileSystem& files, std::wstring_view path, std::wstring_view mode);

// Whether `stream` came from open_device_stream, and if so whether it is in text mode.
enum class StreamKind { Host, DeviceText, DeviceBinary };
StreamKind stream_kind(FILE* stream);

}  // namespace emu
