#include "library/Libraries.h"

#include <winerror.h>

#include "files/FileSystem.h"
#include "kernel/Device.h"
#include "library/PpcUtil.h"

namespace emu {

std::wstring library_path(std::wstring_view name) {
    std::wstring path(name);
    if (path.find(L'\\') == std::wstring::npos) path = L"\\Windows\\" + path;
    if (path.find(L'.', path.rfind(L'\\')) == std::wstring::npos) path += L".dll";
    return path;
}

Libraries::Libraries(Device& device) : device_(device) { add(ppcutil_library()); }

void Libraries::add(LibraryDefinition definition) {
    auto library = std::make_unique<Library>();
    library->definition = std::move(definition);
    libraries_.push_back(std::move(library));
}

DWORD Libraries::load(std::wstring_view name, HMODULE& module) {
    module = nullptr;
    const std::wstring path = library_path(name);
    Library* library = library_at(path);
    if (!library || (library->loads == 0 && !file_exists(path))) return ERROR_MOD_NOT_FOUND;
    ++library->loads;
    module = reinterpret_cast<HMODULE>(library);
    return ERROR_SUCCESS;
}

DWORD Libraries::find_export(HMODULE module, std::wstring_view name, FARPROC& function) const {
    function = nullptr;
    const Library* library = loaded_library(module);
    if (!library) return refuse_handle(ERROR_INVALID_HANDLE);
    for (const auto& entry : library->definition.exports)
        if (entry.name == name) function = entry.function;
    return function ? ERROR_SUCCESS : ERROR_PROC_NOT_FOUND;
}

DWORD Libraries::free(HMODULE module) {
    Library* library = loaded_library(module);
    if (!library) return refuse_handle(ERROR_INVALID_HANDLE);
    --library->loads;
    return ERROR_SUCCESS;
}

void Libraries::replace_export(std::wstring_view library_name, std::wstring_view name, FARPROC function) {
    Library* library = library_at(library_path(library_name));
    if (!library) return;
    for (auto& entry : library->definition.exports)
        if (entry.name == name) {
            entry.function = function;
            return;
        }
    library->definition.exports.push_back({std::wstring(name), function});
}

std::size_t Libraries::loaded() const {
    std::size_t count = 0;
    for (const auto& library : libraries_)
        if (library->loads > 0) ++count;
    return count;
}

Libraries::Library* Libraries::library_at(std::wstring_view path) const {
    for (const auto& library : libraries_)
        if (same_name(library->definition.path, path)) return library.get();
    return nullptr;
}

// A handle names a library only while it is loaded, so a freed handle is refused.
Libraries::Library* Libraries::loaded_library(HMODULE module) const {
    for (const auto& library : libraries_)
        if (reinterpret_cast<HMODULE>(library.get()) == module && library->loads > 0) return library.get();
    return nullptr;
}

bool Libraries::file_exists(std::wstring_view path) const {
    DWORD attributes = 0;
    return device_.files && device_.files->get_attributes(path, attributes) == ERROR_SUCCESS &&
           !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace emu
