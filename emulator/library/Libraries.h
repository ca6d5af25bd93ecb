#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <winbase.h>

namespace emu {

class Device;

// FARPROC stands for any exported function; the cast through void (*)() tells the compiler
// that the change of function type is meant.
template <class Function>
FARPROC as_export(Function* function) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

// One export of a library: the name GetProcAddress looks up and the function it gives.
struct LibraryExport {
    std::wstring name;
    FARPROC function;
};

// A run-time library the emulator implements, and the device path of its file.
struct LibraryDefinition {
    std::wstring path;
    std::vector<LibraryExport> exports;
};

// The device's run-time libraries. A library can be loaded while its file exists in the
// device image, so an image without the file lacks the library. Loading a library that is
// loaded already gives the same handle and counts one more load; the handle stays valid
// until as many frees as loads. Results are Win32 error codes (ERROR_SUCCESS on success).
class Libraries {
public:
    // Knows the libraries of a Pocket PC that the emulator implements.
    explicit Libraries(Device& device);
    Libraries(const Libraries&) = delete;
    Libraries& operator=(const Libraries&) = delete;

    void add(LibraryDefinition definition);

    // `name` is a device path, or a file name looked for in \Windows; a name without an
    // extension gets ".dll".
    DWORD load(std::wstring_view name, HMODULE& module);
    DWORD find_export(HMODULE module, std::wstring_view name, FARPROC& function) const;
    DWORD free(HMODULE module);

    // Changes what a library exports, as another version of it would: a replaced export
    // gives `function`; a hidden one (or one replaced by null) is not found.
    void replace_export(std::wstring_view library, std::wstring_view name, FARPROC function);
    void hide_export(std::wstring_view library, std::wstring_view name) { replace_export(library, name, nullptr); }

    // How many libraries are loaded now, so that tests can prove every load was freed.
    std::size_t loaded() const;

private:
    struct Library {
        LibraryDefinition definition;
        int loads = 0;
    };

    Library* library_at(std::wstring_view path) const;
    Library* loaded_library(HMODULE module) const;
    bool file_exists(std::wstring_view path) const;

    Device& device_;
    std::vector<std::unique_ptr<Library>> libraries_;
};

// The device path LoadLibrary looks for under `name`.
std::wstring library_path(std::wstring_view name);

}  // namespace emu
