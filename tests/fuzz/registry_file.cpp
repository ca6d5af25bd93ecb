// Any text either fails to parse with a line number, or parses into a tree whose written
// form parses back to the same written form.
#include <cstdint>
#include <string_view>

#include "registry/RegistryText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto parsed = emu::parse_registry_text({reinterpret_cast<const char*>(data), size});
    if (!parsed.error.empty()) {
        if (parsed.error_line < 1) __builtin_trap();
        return 0;
    }
    auto written = emu::format_registry_text(parsed.tree);
    auto reparsed = emu::parse_registry_text(written);
    if (!reparsed.error.empty() || emu::format_registry_text(reparsed.tree) != written) __builtin_trap();
    return 0;
}
