#include <wchar.h>

#include <cwctype>
#include <limits>

namespace emu {

namespace {

// Compares lower-cased characters up to `count` or the first terminator.
int compare_ignoring_case(const wchar_t* a, const wchar_t* b, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const auto x = std::towlower(static_cast<wint_t>(a[i]));
        const auto y = std::towlower(static_cast<wint_t>(b[i]));
        if (x != y) return x < y ? -1 : 1;
        if (x == 0) return 0;
    }
    return 0;
}

}  // namespace

}  // namespace emu

int _wcsicmp(const wchar_t* string1, const wchar_t* string2) {
    return emu::compare_ignoring_case(string1, string2, std::numeric_limits<size_t>::max());
}

int _wcsnicmp(const wchar_t* string1, const wchar_t* string2, size_t count) {
    return emu::compare_ignoring_case(string1, string2, count);
}
