#include "DeviceImage.h"

#include <windows.h>

#include <string>

namespace cecompat {

namespace {

std::string read_whole_file(const std::wstring& path) {
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) bytes.append(chunk, read);
    CloseHandle(file);
    return bytes;
}

}  // namespace

std::wstring device_file(std::wstring_view name) { return L"\\.device\\" + std::wstring(name); }

emu::DeviceSettings device_settings() {
    emu::DeviceSettings settings;
    std::string error;
    if (!emu::parse_device_settings(read_whole_file(device_file(L"settings.ini")), settings, error)) {
        static bool reported = false;
        if (!reported) OutputDebugStringA(("cecompat: " + error + "\n").c_str());
        reported = true;
    }
    return settings;
}

}  // namespace cecompat
