#pragma once
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include <windef.h>

#include "gdi/Icon.h"
#include "shell/IconArt.h"
#include "shell/Launcher.h"

namespace emu {

class Device;
struct Module;

// The shell's icons for files: a folder's, a built-in program's, an installed module's
// own (its first icon resource), the target's for a shortcut, a document's otherwise.
// Each picture is drawn once per size; every request hands out a new icon handle on it,
// which the caller destroys.
class FileIcons {
public:
    FileIcons(Device& device, Launcher& launcher) : device_(device), launcher_(launcher) {}

    // Which picture a file shows. A module's picture is its icon resource.
    struct Choice {
        IconArt art = IconArt::Document;
        const Module* module = nullptr;
        // The position in the system image list.
        int index() const;
    };

    // Nothing when the path names no file, folder or installed module.
    std::optional<Choice> choose(std::wstring_view path);
    // The choice by name alone, without looking at the file (SHGFI_USEFILEATTRIBUTES).
    Choice choose_by_name(std::wstring_view path, bool folder) const;
    // A new icon handle, 16 x 16 when `small`, else 32 x 32.
    HICON icon(const Choice& choice, bool small);

private:
    Choice choose_located(std::wstring_view path, const Location& location, int depth);
    Choice choose_target(std::wstring_view target, int depth);
    Choice choose_program(std::wstring_view path) const;
    std::shared_ptr<const Icon> image(const Choice& choice, int size);
    std::shared_ptr<const Icon> module_image(const Module& module, int size);

    Device& device_;
    Launcher& launcher_;
    std::map<std::pair<IconArt, int>, std::shared_ptr<const Icon>> drawn_;
};

}  // namespace emu
