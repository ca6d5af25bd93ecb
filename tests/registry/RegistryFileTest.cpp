#include "RegistryFixture.h"
#include "registry/RegistryText.h"
#include "support/ReadFile.h"

namespace {

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
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".tmp"));

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
