#include "RegistryFixture.h"
#include "registry/RegistryText.h"
#include "support/ReadFile.h"

namespace {

// The file's text round-trips: valid UTF-8 comes back byte for byte, and a byte that is not
// UTF-8 reads as the device's code page character without swallowing what follows.
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
        {"a three-byte overlong form", "\"\xe0\x80\xaf!\"", L"\u00e0\u20ac\u00af!",
         "\"\xc3\xa0\xe2\x82\xac\xc2\xaf!\""},
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

TEST_F(RegistryTest, TheFileIsRewrittenOnEveryChangeAndReadBackWhole) {
    HKEY key = create(HKEY_CURRENT_USER, L"Software\\Amberlow\\TSL");
    set_text(key, L"SD17", L"\\Windows\\Start Menu");
    set_text(key, L"Odd \"name\"", L"back\\slash \"quoted\" \u00e9\u20ac");
    set_text(key, L"", L"two\nlines");
    DWORD number = 7;
    RegSetValueEx(key, L"Seven", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);
    const BYTE multi[] = {'a', 0, 0, 0, 0, 0, 0, 0};
    RegSetValueEx(key, L"Multi", 0, REG_MULTI_SZ, multi, sizeof multi);
    RegCloseKey(key);
    RegCloseKey(create(HKEY_LOCAL_MACHINE, L"Empty\\Key"));

    auto file = emu::Registry::file_of(device);
    auto text = test::read_file(file);
    EXPECT_TRUE(text.starts_with("Windows Registry Editor Version 5.00\n"));
    EXPECT_NE(text.find("\n[HKEY_CURRENT_USER\\Software\\Amberlow\\TSL]\n\"SD17\"=\"\\\\Windows\\\\Start Menu\"\n"),
              std::string::npos);
    EXPECT_NE(text.find("\"Seven\"=dword:00000007\n"), std::string::npos);

    auto loaded = emu::Registry::load(device);
    ASSERT_TRUE(loaded.registry) << loaded.error;
    device.registry = loaded.registry;
    key = create(HKEY_CURRENT_USER, L"Software\\Amberlow\\TSL");
    EXPECT_EQ(read_text(key, L"SD17"), L"\\Windows\\Start Menu");
    EXPECT_EQ(read_text(key, L"odd \"NAME\""), L"back\\slash \"quoted\" \u00e9\u20ac");
    EXPECT_EQ(read_text(key, L""), L"two\nlines");
    BYTE read_multi[16];
    DWORD type = 0, size = sizeof read_multi;
    RegQueryValueEx(key, L"Multi", nullptr, &type, read_multi, &size);
    EXPECT_EQ(type, static_cast<DWORD>(REG_MULTI_SZ));
    EXPECT_EQ(size, sizeof multi);
    RegCloseKey(key);
    EXPECT_NE(device.registry->find(L"HKEY_LOCAL_MACHINE\\Empty\\Key"), nullptr);
    EXPECT_EQ(format_registry_text(emu::parse_registry_text(text).tree), text);
}

// No file is an empty registry; a malformed one is refused, naming file and line, and kept.
TEST_F(RegistryTest, LoadingAMissingOrMalformedFile) {
    auto loaded = emu::Registry::load(device);
    ASSERT_TRUE(loaded.registry);
    EXPECT_TRUE(loaded.error.empty());
    EXPECT_EQ(loaded.registry->find(L"HKEY_CURRENT_USER\\Software"), nullptr);

    const std::string text = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\A]\n\"x\"=dword:zz\n";
    auto file = emu::Registry::file_of(device);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
    loaded = emu::Registry::load(device);
    EXPECT_FALSE(loaded.registry);
    EXPECT_TRUE(loaded.error.starts_with(file.string() + ":4: ")) << loaded.error;
    EXPECT_EQ(test::read_file(file), text);
}

TEST(RegistryParser, NamesTheLineOfEachError) {
    const std::string header = "Windows Registry Editor Version 5.00\n", key = header + "[HKEY_CURRENT_USER\\A]\n";
    const std::pair<std::string, int> cases[] = {
        {"", 1},
        {"REGEDIT4\n", 1},
        {header + "\"a\"=\"b\"\n", 2},
        {header + "[HKEY_NOWHERE\\A]\n", 2},
        {header + "[HKEY_CURRENT_USER\\A\n", 2},
        {key + "\"a\"=\"open\n", 3},
        {key + "\"a\"=\"b\" junk\n", 3},
        {key + "\"a\"=hex:1,2\n", 3},
        {key + "\"a\"=hex:01,\\\n", 3},
        {key + "\n\"a\"=dword:123456789\n", 4},
        {key + "\"a\\q\"=\"b\"\n", 3},
    };
    for (const auto& [text, line] : cases) {
        auto result = emu::parse_registry_text(text);
        EXPECT_FALSE(result.error.empty()) << text;
        EXPECT_EQ(result.error_line, line) << text << result.error;
    }
}

TEST(RegistryParser, AcceptsWhatRegeditWrites) {
    auto result = emu::parse_registry_text(
        "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n; a comment\r\n[HKEY_CURRENT_USER\\A\\B]\r\n"
        "@=\"default\"\r\n\"Blob\"=hex:01,02,\\\r\n  03,04\r\n\"Wide\"=hex(2):41,00\r\n");
    ASSERT_TRUE(result.error.empty()) << result.error_line << ": " << result.error;
    auto key = result.tree.find(L"HKEY_CURRENT_USER\\A\\B");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(emu::string_of(key->value(L"")->data), L"default");
    EXPECT_EQ(key->value(L"blob")->data, (std::vector<BYTE>{1, 2, 3, 4}));
    EXPECT_EQ(key->value(L"Wide")->type, static_cast<DWORD>(REG_EXPAND_SZ));
}

}  // namespace
