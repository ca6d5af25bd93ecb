// wsprintf with the platform's rules: %s is a wide string, %S a narrow one, %l takes a
// LONG or DWORD (32 bits on every Win32, whatever the host's long), and the output stops at
// 1024 characters including the terminator.
#include <cstdarg>
#include <cstdio>
#include <string>

#include <windows.h>

namespace {

constexpr std::size_t kLimit = 1024;

struct Conversion {
    bool left = false, zero = false, alternate = false;
    int width = 0, precision = -1;
    char size = 0;  // 'h', 'l' or 0
};

void pad(std::wstring& out, const std::wstring& text, const Conversion& conversion) {
    std::size_t width = conversion.width > 0 ? static_cast<std::size_t>(conversion.width) : 0;
    std::size_t fill = width > text.size() ? width - text.size() : 0;
    if (conversion.left) out += text + std::wstring(fill, L' ');
    else out += std::wstring(fill, conversion.zero ? L'0' : L' ') + text;
}

std::wstring number(unsigned long value, int base, bool upper, bool negative, const Conversion& conversion) {
    std::wstring digits;
    const char* symbols = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    do {
        digits.insert(digits.begin(), static_cast<wchar_t>(symbols[value % base]));
        value /= base;
    } while (value);
    if (conversion.precision > 0 && digits.size() < static_cast<std::size_t>(conversion.precision))
        digits.insert(0, conversion.precision - digits.size(), L'0');
    if (conversion.alternate && base == 16) digits.insert(0, upper ? L"0X" : L"0x");
    if (negative) digits.insert(digits.begin(), L'-');
    return digits;
}

std::wstring text(const wchar_t* wide, const char* narrow, const Conversion& conversion) {
    std::wstring s;
    if (wide) s = wide;
    else if (narrow)
        for (const char* p = narrow; *p; ++p) s += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    else s = L"(null)";
    if (conversion.precision >= 0 && s.size() > static_cast<std::size_t>(conversion.precision)) s.resize(conversion.precision);
    return s;
}

std::wstring format(const wchar_t* f, va_list args) {
    std::wstring out;
    while (*f) {
        if (*f != L'%') {
            out += *f++;
            continue;
        }
        ++f;
        Conversion conversion;
        for (;; ++f) {
            if (*f == L'-') conversion.left = true;
            else if (*f == L'0') conversion.zero = true;
            else if (*f == L'#') conversion.alternate = true;
            else break;
        }
        while (*f >= L'0' && *f <= L'9') conversion.width = conversion.width * 10 + (*f++ - L'0');
        if (*f == L'.') {
            conversion.precision = 0;
            for (++f; *f >= L'0' && *f <= L'9'; ++f) conversion.precision = conversion.precision * 10 + (*f - L'0');
        }
        if (*f == L'l' || *f == L'h') conversion.size = static_cast<char>(*f++);
        wchar_t kind = *f ? *f++ : L'\0';
        switch (kind) {
        case L'd':
        case L'i': {
            long v = va_arg(args, LONG);
            pad(out, number(v < 0 ? 0UL - static_cast<unsigned long>(v) : static_cast<unsigned long>(v), 10, false, v < 0, conversion), conversion);
            break;
        }
        case L'u': pad(out, number(va_arg(args, DWORD), 10, false, false, conversion), conversion); break;
        case L'x':
        case L'X': pad(out, number(va_arg(args, DWORD), 16, kind == L'X', false, conversion), conversion); break;
        case L'c': pad(out, std::wstring(1, static_cast<wchar_t>(va_arg(args, int))), conversion); break;
        case L'C': pad(out, std::wstring(1, static_cast<wchar_t>(static_cast<unsigned char>(va_arg(args, int)))), conversion); break;
        case L's':
            if (conversion.size == 'h') pad(out, text(nullptr, va_arg(args, const char*), conversion), conversion);
            else pad(out, text(va_arg(args, const wchar_t*), nullptr, conversion), conversion);
            break;
        case L'S':
            if (conversion.size == 'l') pad(out, text(va_arg(args, const wchar_t*), nullptr, conversion), conversion);
            else pad(out, text(nullptr, va_arg(args, const char*), conversion), conversion);
            break;
        case L'%': out += L'%'; break;
        case L'\0': break;
        default: out += kind;
        }
    }
    return out;
}

}  // namespace

extern "C" int WINAPIV wsprintfW(LPWSTR out, LPCWSTR format_text, ...) {
    if (!out || !format_text) return 0;
    va_list args;
    va_start(args, format_text);
    std::wstring result = format(format_text, args);
    va_end(args);
    if (result.size() >= kLimit) result.resize(kLimit - 1);
    result.copy(out, result.size());
    out[result.size()] = L'\0';
    return static_cast<int>(result.size());
}
