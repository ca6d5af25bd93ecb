#include "ShellFiles.h"

#include <algorithm>
#include <cstdint>

#include "shell/BuiltinPrograms.h"
#include "kernel/SameName.h"

namespace cecompat {

namespace {

// Shortcuts pointing at shortcuts are followed this deep, as the emulated shell does.
constexpr int kDeepestShortcutChain = 8;

enum class Kind { Missing, File, Folder };

Kind kind_of(std::wstring_view path) {
    DWORD attributes = GetFileAttributesW(std::wstring(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return Kind::Missing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? Kind::Folder : Kind::File;
}

emu::IconArt program_picture(std::wstring_view path) {
    auto program = emu::find_builtin_program(path);
    return program ? program->icon : emu::IconArt::Application;
}

emu::IconArt located_picture(std::wstring_view path, Kind kind, int depth);

// A program the shell knows by name needs no look at the file system; a target that is
// missing is judged by its name.
emu::IconArt target_picture(std::wstring_view target, int depth) {
    if (emu::find_builtin_program(target)) return program_picture(target);
    return located_picture(target, kind_of(target), depth);
}

// A shortcut wears its target's picture.
emu::IconArt located_picture(std::wstring_view path, Kind kind, int depth) {
    bool shortcut = emu::same_name(emu::extension_of(path), L".lnk");
    if (kind != Kind::File || !shortcut || depth >= kDeepestShortcutChain)
        return shell_picture_by_name(path, kind == Kind::Folder);
    auto command = shortcut_command(path);
    if (!command) return emu::IconArt::Document;
    return target_picture(target_of(*command).path, depth + 1);
}

}  // namespace

std::optional<std::wstring> shortcut_command(std::wstring_view path) {
    HANDLE file = CreateFileW(std::wstring(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    // A shortcut holds one short command line; anything longer is not one.
    char bytes[1024];
    DWORD read = 0;
    BOOL ok = ReadFile(file, bytes, sizeof bytes, &read, nullptr);
    CloseHandle(file);
    if (!ok) return std::nullopt;
    return emu::parse_shortcut(std::string_view(bytes, read));
}

emu::CommandParts target_of(std::wstring_view command) {
    auto parts = emu::split_command(command);
    auto first = command.find_first_not_of(L' ');
    if (first == std::wstring_view::npos || command[first] == L'"' || parts.arguments.empty()) return parts;
    std::wstring whole(command.substr(first, command.find_last_not_of(L' ') - first + 1));
    if (kind_of(whole) != Kind::Missing) return {whole, L""};
    return parts;
}

std::optional<emu::IconArt> shell_picture(std::wstring_view path) {
    auto kind = kind_of(path);
    if (kind == Kind::Missing) return std::nullopt;
    return located_picture(path, kind, 0);
}

emu::IconArt shell_picture_by_name(std::wstring_view path, bool folder) {
    if (folder) return emu::IconArt::Folder;
    return emu::same_name(emu::extension_of(path), L".exe") ? program_picture(path) : emu::IconArt::Document;
}

HICON shell_icon(emu::IconArt art, bool small) {
    const int size = small ? 16 : 32;
    const auto pixels = emu::draw_icon_art(art, size);
    BITMAPV5HEADER header = {};
    header.bV5Size = sizeof header;
    header.bV5Width = size;
    header.bV5Height = -size;  // top-down, as the drawing's rows are
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (!colour) return nullptr;
    std::copy(pixels.begin(), pixels.end(), static_cast<std::uint32_t*>(bits));
    // The alpha channel carries the transparency; the mask is there because an icon needs one.
    HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
    ICONINFO info = {TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    return icon;
}

}  // namespace cecompat
