// The registry file's text round-trips: valid UTF-8 comes back byte for byte, and a byte
// that is not UTF-8 reads as the device's code page character without swallowing what
// follows.
#include <gtest/gtest.h>

#include <string>

#include <winreg.h>

#include "registry/RegistryText.h"

namespace {

constexpr char kHeader[] = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software]\n";

std::wstring text_of(const emu::RegistryParseResult& parsed, const wchar_t* name) {
    auto key = parsed.tree.find(L"HKEY_CURRENT_USER\\Software");
    auto value = key ? key->value(name) : nullptr;
    return value ? emu::string_of(value->data) : L"<none>";
}

TEST(RegistryEncoding, ValidUtf8ComesBackByteForByteAndOtherBytesAsTheCodePage) {
    struct Case {
        const char* what;
        std::string in;       // a value line's data as the file holds it
        std::wstring read;    // the text the device sees
        std::string written;  // the data as it is written back
    };
    const Case cases[] = {
        {"UTF-8 of every length", "\"a\xc3\xa9\xe4\xb8\xad\xf0\x9f\x98\x80\"", L"a\u00e9\u4e2d\U0001F600",
         "\"a\xc3\xa9\xe4\xb8\xad\xf0\x9f\x98\x80\""},
        {"a Latin-1 letter", "\"Caf\xe9 au lait\"", L"Caf\u00e9 au lait", "\"Caf\xc3\xa9 au lait\""},
        {"code page punctuation", "\"\x80\x96\x85\"", L"\u20ac\u2013\u2026", "\"\xe2\x82\xac\xe2\x80\x93\xe2\x80\xa6\""},
        {"a sequence cut short", "\"\xc3\"", L"\u00c3", "\"\xc3\x83\""},
        {"an overlong form", "\"\xc0\xaf!\"", L"\u00c0\u00af!", "\"\xc3\x80\xc2\xaf!\""},
        {"a surrogate", "\"\xed\xa0\x80x\"", L"\u00ed\u00a0\u20acx", "\"\xc3\xad\xc2\xa0\xe2\x82\xacx\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto parsed = emu::parse_registry_text(kHeader + std::string("\"V\"=") + c.in + "\n");
        ASSERT_EQ(parsed.error, "");
        EXPECT_EQ(text_of(parsed, L"V"), c.read);
        EXPECT_EQ(emu::format_registry_text(parsed.tree), kHeader + std::string("\"V\"=") + c.written + "\n");
    }
}

TEST(RegistryEncoding, TextUtf8CannotSpellKeepsItsBytes) {
    emu::RegistryTree tree;
    bool created;
    auto key = tree.roots[1]->make_child(L"Software", created);
    key->set_value({L"Odd", REG_SZ, emu::string_data(std::wstring{L'a', wchar_t(0xD800), wchar_t(0x110000)})});
    auto written = emu::format_registry_text(tree);
    EXPECT_NE(written.find("\"Odd\"=hex(1):61,00,00,00,00,d8,00,00,00,00,11,00,00,00,00,00"), std::string::npos)
        << written;
    auto reread = emu::parse_registry_text(written);
    ASSERT_EQ(reread.error, "");
    EXPECT_EQ(reread.tree.find(L"HKEY_CURRENT_USER\\Software")->value(L"Odd")->data, key->value(L"Odd")->data);
}

}  // namespace
