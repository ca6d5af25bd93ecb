#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include <windef.h>

namespace emu {

// One resource embedded into an executable at build time from its resource script.
struct ResourceBlob {
    int type;                   // RT_ICON-style type number; 14 (RT_GROUP_ICON) for icon files
    int id;                     // the resource number
    const unsigned char* data;  // the file's bytes, e.g. a whole .ico file
    std::size_t size;
};

using EntryFunction = int (*)(HINSTANCE instance, HINSTANCE previous, LPWSTR command_line, int show);

// An executable the device knows: its device path, its entry function (null for the
// shell's built-in programs) and its embedded resources. Its address is the HINSTANCE.
struct Module {
    std::wstring path;
    EntryFunction entry = nullptr;
    std::span<const ResourceBlob> resources;

    const ResourceBlob* find_resource(int type, int id) const {
        for (const auto& blob : resources)
            if (blob.type == type && blob.id == id) return &blob;
        return nullptr;
    }
};

}  // namespace emu
