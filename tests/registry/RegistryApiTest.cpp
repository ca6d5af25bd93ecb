#include "RegistryFixture.h"

namespace {

// Keys are made along their path, matched without regard to case and named as first spelt;
// handles are counted and refused once closed. (Dispositions, value types, sizes and
// missing keys and values: the differential program tests/win32/registry.cpp.)
TEST_F(RegistryTest, KeysAndTheirHandles) {
    HKEY key = create(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shell\\Keys\\40C4");
    HKEY again = create(HKEY_LOCAL_MACHINE, L"software\\MICROSOFT\\shell\\keys\\40c4");
    auto found = device.registry->find(L"hkey_local_machine\\software\\microsoft\\shell\\keys\\40c4");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->path, L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shell\\Keys\\40C4");
    EXPECT_EQ(device.registry->open_handles(), 2u);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    DWORD size = 0;
    for (HKEY stale : {key, reinterpret_cast<HKEY>(0x1234)})
        EXPECT_EQ(RegQueryValueEx(stale, L"x", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);
    EXPECT_EQ(device.registry->open_handles(), 1u);
    RegCloseKey(again);
    HKEY opened = nullptr;
    for (const wchar_t* bad : {L"A\\\\B", L"Bad\nKey"})
        EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, bad, 0, nullptr, 0, 0, nullptr, &opened, nullptr),
                  ERROR_INVALID_PARAMETER);
    EXPECT_EQ(device.registry->open_handles(), 0u);
}

// Text gains the terminator it lacks; a buffer too small is left alone; a value name of two
// lines is refused; every write is logged with its data spelt out.
TEST_F(RegistryTest, TextGainsItsTerminatorAndEveryWriteIsLogged) {
    HKEY key = create(HKEY_CURRENT_USER, L"Software\\Amberlow\\TSL");
    const WCHAR unterminated[] = {L'a', L'b'};
    const DWORD number = 0xCAFE0001;
    const BYTE bytes[] = {0, 1, 0xFF};
    for (auto [name, type, data, size] : {std::tuple<const wchar_t*, DWORD, const void*, DWORD>{
                                              L"", REG_SZ, unterminated, sizeof unterminated},
                                          {L"Number", REG_DWORD, &number, sizeof number},
                                          {L"Bytes", REG_BINARY, bytes, sizeof bytes}})
        ASSERT_EQ(RegSetValueEx(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueEx(key, L"two\nlines", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4),
              ERROR_INVALID_PARAMETER);
    DWORD size = 0;
    ASSERT_EQ(RegQueryValueEx(key, nullptr, nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 3 * sizeof(WCHAR));
    EXPECT_EQ(read_text(key, L""), L"ab");
    WCHAR small[2] = {L'x', L'x'};
    size = sizeof small;
    EXPECT_EQ(RegQueryValueEx(key, L"", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &size), ERROR_MORE_DATA);
    EXPECT_EQ(small[0], L'x') << "a buffer too small is left alone";
    RegCloseKey(key);

    std::vector<std::string> logged;
    for (const auto& event : device.log.events("registry-set"))
        logged.push_back(event.text("key") + " " + event.text("name") + " " + event.text("type") + " " +
                         event.text("data"));
    const std::string path = "HKEY_CURRENT_USER\\Software\\Amberlow\\TSL";
    EXPECT_EQ(logged, (std::vector<std::string>{path + "  REG_SZ ab", path + " Number REG_DWORD 3405643777",
                                                path + " Bytes REG_BINARY 00,01,ff"}));
}

// Deleting a key deletes what lies below it, and its open handles no longer work.
TEST_F(RegistryTest, DeletingAKeyDeletesWhatLiesBelowIt) {
    HKEY key = create(HKEY_CURRENT_USER, L"Software\\Gone\\Child");
    set_text(key, L"v", L"1");
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, L"software\\gone"), ERROR_SUCCESS);
    EXPECT_EQ(device.registry->find(L"HKEY_CURRENT_USER\\Software\\Gone\\Child"), nullptr);
    EXPECT_NE(device.registry->find(L"HKEY_CURRENT_USER\\Software"), nullptr);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueEx(key, L"v", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, L"Software\\Gone"), ERROR_FILE_NOT_FOUND);
}

}  // namespace
