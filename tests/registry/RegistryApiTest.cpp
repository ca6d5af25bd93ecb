#include "RegistryFixture.h"

namespace {

// Keys are made along their path, matched without regard to case and named as first spelt;
// handles are counted and refused once closed.
TEST_F(RegistryTest, KeysAndTheirHandles) {
    DWORD disposition = 0;
    HKEY key = create(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shell\\Keys\\40C4", &disposition);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    HKEY again = create(HKEY_LOCAL_MACHINE, L"software\\MICROSOFT\\shell\\keys\\40c4", &disposition);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
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
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, L"Software\\Missing", 0, 0, &opened), ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, L"SOFTWARE\\microsoft", 0, 0, &opened), ERROR_SUCCESS);
    RegCloseKey(opened);
    for (const wchar_t* bad : {L"A\\\\B", L"Bad\nKey"})
        EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, bad, 0, nullptr, 0, 0, nullptr, &opened, nullptr),
                  ERROR_INVALID_PARAMETER);
    EXPECT_EQ(device.registry->open_handles(), 0u);
}

// Each kind of value reads back with its type; text gains the terminator it lacks; a query
// first asks the size, and a buffer too small is left alone.
TEST_F(RegistryTest, ValuesReadBackAsWrittenAndEveryWriteIsLogged) {
    HKEY key = create(HKEY_CURRENT_USER, L"Software\\Amberlow\\TSL");
    set_text(key, L"SD17", L"\\Windows\\Start Menu");
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

    const DWORD text_size = (19 + 1) * sizeof(WCHAR);
    const struct {
        const wchar_t* name;
        DWORD type, size;
    } expected[] = {{L"sd17", REG_SZ, text_size}, {nullptr, REG_SZ, 3 * sizeof(WCHAR)},
                    {L"NUMBER", REG_DWORD, 4}, {L"bytes", REG_BINARY, 3}};
    for (const auto& e : expected) {
        DWORD type = 0, size = 0;
        ASSERT_EQ(RegQueryValueEx(key, e.name, nullptr, &type, nullptr, &size), ERROR_SUCCESS);
        EXPECT_EQ(type, e.type);
        EXPECT_EQ(size, e.size);
    }
    EXPECT_EQ(read_text(key, L""), L"ab");
    DWORD read_number = 0, size = sizeof read_number;
    RegQueryValueEx(key, L"Number", nullptr, nullptr, reinterpret_cast<BYTE*>(&read_number), &size);
    EXPECT_EQ(read_number, number);
    BYTE read_bytes[8] = {};
    size = sizeof read_bytes;
    RegQueryValueEx(key, L"Bytes", nullptr, nullptr, read_bytes, &size);
    EXPECT_EQ(read_bytes[2], 0xFF);
    WCHAR small[4] = {L'x', L'x', L'x', L'x'};
    size = sizeof small;
    EXPECT_EQ(RegQueryValueEx(key, L"SD17", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, text_size);
    EXPECT_EQ(small[0], L'x');
    EXPECT_EQ(read_text(key, L"SD17"), L"\\Windows\\Start Menu");
    EXPECT_EQ(RegQueryValueEx(key, L"Other", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);

    auto events = device.log.events("registry-set");
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].text("key"), "HKEY_CURRENT_USER\\Software\\Amberlow\\TSL");
    EXPECT_EQ(events[0].text("name"), "SD17");
    EXPECT_EQ(events[0].text("type"), "REG_SZ");
    EXPECT_EQ(events[0].text("data"), "\\Windows\\Start Menu");
    EXPECT_EQ(events[2].text("type"), "REG_DWORD");
    EXPECT_EQ(events[2].text("data"), std::to_string(number));
    EXPECT_EQ(events[3].text("data"), "00,01,ff");
}

// Deleting a key deletes what lies below it, and its open handles no longer work.
TEST_F(RegistryTest, DeletingValuesAndKeys) {
    HKEY key = create(HKEY_CURRENT_USER, L"Software\\Gone\\Child");
    set_text(key, L"v", L"1");
    HKEY parent = create(HKEY_CURRENT_USER, L"Software\\Gone");
    set_text(parent, L"w", L"2");
    EXPECT_EQ(RegDeleteValue(parent, L"W"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValue(parent, L"w"), ERROR_FILE_NOT_FOUND);
    RegCloseKey(parent);

    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, L"software\\gone"), ERROR_SUCCESS);
    EXPECT_EQ(device.registry->find(L"HKEY_CURRENT_USER\\Software\\Gone\\Child"), nullptr);
    EXPECT_NE(device.registry->find(L"HKEY_CURRENT_USER\\Software"), nullptr);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueEx(key, L"v", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, L"Software\\Gone"), ERROR_FILE_NOT_FOUND);
}

}  // namespace
