#include "kernel/Utf8.h"

#include <cstdint>

#include "kernel/CodePage1252.h"

namespace emu {

namespace {

constexpr std::uint32_t kReplacement = 0xFFFD;

bool scalar_value(std::uint32_t c) { return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF); }

std::uint8_t byte_at(std::string_view text, std::size_t at) { return static_cast<std::uint8_t>(text[at]); }

}  // namespace

std::string utf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t wc : text) {
        auto c = static_cast<std::uint32_t>(wc);
        if (!scalar_value(c)) c = kReplacement;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::size_t utf8_sequence_length(std::string_view text, std::size_t at) {
    auto lead = byte_at(text, at);
    if (lead < 0x80) return 1;
    std::size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                       : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length == 0 || at + length > text.size()) return 0;
    std::uint32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        auto next = byte_at(text, at + k);
        if ((next & 0xC0) != 0x80) return 0;
        code = code << 6 | (next & 0x3F);
    }
    // The shortest form only, and scalar values only.
    static constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    return code >= kSmallest[length] && scalar_value(code) ? length : 0;
}

std::wstring widen_utf8(std::string_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        auto length = utf8_sequence_length(text, i);
        if (length == 0) {
            out += from_code_page(byte_at(text, i++));
            continue;
        }
        std::uint32_t code = length == 1 ? byte_at(text, i) : byte_at(text, i) & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) code = code << 6 | (byte_at(text, i + k) & 0x3F);
        out += static_cast<wchar_t>(code);
        i += length;
    }
    return out;
}

}  // namespace emu
