#include "shell/FileIcons.h"

#include <climits>

#include "gdi/Gdi.h"
#include "kernel/Device.h"
#include "shell/BuiltinPrograms.h"
#include "shell/Launcher.h"

namespace emu {

namespace {

constexpr int kGroupIconType = 14;

// The lowest-numbered icon resource of a module, as the shell shows for an executable.
int first_icon_resource(const Module& module) {
    int first = INT_MAX;
    for (const auto& blob : module.resources)
        if (blob.type == kGroupIconType && blob.id < first) first = blob.id;
    return first;
}

}  // namespace

int FileIcons::Choice::index() const { return module ? kIconArtCount : static_cast<int>(art); }

std::optional<FileIcons::Choice> FileIcons::choose(std::wstring_view path) {
    if (launcher_.installed(path)) return choose_program(path);
    auto location = launcher_.locate(path);
    if (location.kind == Location::Kind::Missing) return std::nullopt;
    return choose_located(path, location, 0);
}

FileIcons::Choice FileIcons::choose_by_name(std::wstring_view path, bool folder) const {
    if (folder) return {IconArt::Folder};
    return same_name(extension_of(path), L".exe") ? choose_program(path) : Choice{IconArt::Document};
}

// A shortcut wears its target's icon, found the same way.
FileIcons::Choice FileIcons::choose_located(std::wstring_view path, const Location& location, int depth) {
    bool shortcut = same_name(extension_of(path), L".lnk");
    if (location.kind != Location::Kind::File || !shortcut || depth >= Launcher::kDeepestShortcutChain)
        return choose_by_name(path, location.kind == Location::Kind::Folder);
    auto command = launcher_.shortcut_command(location);
    if (!command) return {IconArt::Document};
    return choose_target(launcher_.target_of(*command).path, depth + 1);
}

// A program the shell knows by name needs no look at the file system; a target that is
// missing is judged by its name.
FileIcons::Choice FileIcons::choose_target(std::wstring_view target, int depth) {
    if (launcher_.installed(target) || find_builtin_program(target)) return choose_program(target);
    return choose_located(target, launcher_.locate(target), depth);
}

FileIcons::Choice FileIcons::choose_program(std::wstring_view path) const {
    auto module = launcher_.installed(path);
    if (module && first_icon_resource(*module) != INT_MAX) return {IconArt::Application, module};
    auto program = find_builtin_program(path);
    return {program ? program->icon : IconArt::Application};
}

HICON FileIcons::icon(const Choice& choice, bool small) {
    if (!device_.gdi) return nullptr;
    return device_.gdi->add_icon(image(choice, small ? 16 : 32));
}

std::shared_ptr<const Icon> FileIcons::image(const Choice& choice, int size) {
    if (choice.module) {
        if (auto own = module_image(*choice.module, size)) return own;
    }
    auto& drawn = drawn_[{choice.art, size}];
    if (!drawn) drawn = std::make_shared<const Icon>(size, size, draw_icon_art(choice.art, size));
    return drawn;
}

std::shared_ptr<const Icon> FileIcons::module_image(const Module& module, int size) {
    auto images = device_.gdi->icon_resources.images(module, first_icon_resource(module));
    return images ? closest_image(*images, SIZE{size, size}) : nullptr;
}

}  // namespace emu
