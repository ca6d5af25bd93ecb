#include "RegistryFixture.h"

namespace {

TEST_F(RegistryTest, CreateKeyMakesMissingKeysAndReportsWhetherItDid) {
    DWORD disposition = 0;
    HKEY key = create(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shell\\Keys\\40C4", &disposition);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    RegCloseKey(key);
    key = create(HKEY_LOCAL_MACHINE, L"software\\MICROSOFT\\shell\\keys\\40c4", &disposition);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    RegCloseKey(key);
    auto found = device.registry->find(L"hkey_local_machine\\software\\microsoft\\shell\\keys\\40c4");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->path, L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shell\\Keys\\40C4");
}

TEST_F(RegistryTest, OpenKeyFindsOnlyExistingKeys) {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, L"Software\\Missing", 0, KEY_ALL_ACCESS, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(device.registry->open_handles(), 0u);
    RegCloseKey(create(HKEY_CURRENT_USER, L"Software\\Present"));
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, L"SOFTWARE\\present", 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, L"A\\\\B", 0, nullptr, 0, 0, nullptr, &key, nullptr),
              ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryTest, OpenHandlesAreCountedAndRefusedOnceClosed) {
    HKEY first = create(HKEY_CURRENT_USER, L"Software\\A");
    HKEY second = create(HKEY_CURRENT_USER, L"Software\\A");
    EXPECT_EQ(device.registry->open_handles(), 2u);
    EXPECT_EQ(RegCloseKey(first), ERROR_SUCCESS);
    EXPECT_EQ(device.registry->open_handles(), 1u);
    EXPECT_EQ(RegCloseKey(first), ERROR_INVALID_HANDLE);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueEx(first, L"x", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegQueryValueEx(reinterpret_cast<HKEY>(0x1234), L"x", nullptr, nullptr, nullptr, &size),
              ERROR_INVALID_HANDLE);
    RegCloseKey(second);
    EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);
    EXPECT_EQ(device.registry->open_handles(), 0u);
}

TEST_F(RegistryTest, QueryAsksTheSizeThenReadsTextWithItsTerminator) {
    HKEY key = create(HKEY_CURRENT_USER, L"Software\\Amberlow\\TSL");
    set_text(key, L"SD17", L"\\Windows\\Start Menu");
    const DWORD expected = (19 + 1) * sizeof(WCHAR);
    DWORD type = 0, size = 0;
    ASSERT_EQ(RegQueryValueEx(key, L"sd17", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, expected);

    WCHAR small[4] = {L'x', L'x', L'x', L'x'};
    size = sizeof small;
    EXPECT_EQ(RegQueryValueEx(key, L"SD17", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, expected);
    EXPECT_EQ(small[0], L'x');

    WCHAR exact[20];
    size = sizeof exact;
    ASSERT_EQ(RegQueryValueEx(key, L"SD17", nullptr, nullptr, reinterpret_cast<BYTE*>(exact), &size), ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(exact), L"\\Windows\\Start Menu");
    EXPECT_EQ(RegQueryValueEx(key, L"Other", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
}

TEST_F(RegistryTest, TextWithoutTerminatorIsStoredWithOne) {
    HKEY key = create(HKEY_CURRENT_USER, L"Software\\T");
    const WCHAR text[] = {L'a', L'b'};
    ASSERT_EQ(RegSetValueEx(key, L"", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text), ERROR_SUCCESS);
    DWORD size = 0;
    RegQueryValueEx(key, nullptr, nullptr, nullptr, nullptr, &size);
    EXPECT_EQ(size, 3 * sizeof(WCHAR));
    EXPECT_EQ(read_text(key, L""), L"ab");
    RegCloseKey(key);
}

TEST_F(RegistryTest, NumbersAndBytesComeBackAsWritten) {
    HKEY key = create(HKEY_CLASSES_ROOT, L"Kinds");
    DWORD number = 0xCAFE0001;
    const BYTE bytes[] = {0, 1, 0xFF};
    RegSetValueEx(key, L"Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegSetValueEx(key, L"Bytes", 0, REG_BINARY, bytes, sizeof bytes);
    DWORD read_number = 0, type = 0, size = sizeof read_number;
    ASSERT_EQ(RegQueryValueEx(key, L"NUMBER", nullptr, &type, reinterpret_cast<BYTE*>(&read_number), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(read_number, number);
    BYTE read_bytes[8] = {};
    size = sizeof read_bytes;
    ASSERT_EQ(RegQueryValueEx(key, L"bytes", nullptr, &type, read_bytes, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(read_bytes[2], 0xFF);
    RegCloseKey(key);
}

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
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueEx(key, L"v", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKey(HKEY_CURRENT_USER, L"Software\\Gone"), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, EveryWriteIsLogged) {
    HKEY key = create(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shell\\Keys\\40C4");
    set_text(key, L"", L"\"\\Windows\\Start Menu\\Tesselink.lnk\"");
    DWORD number = 42;
    RegSetValueEx(key, L"Count", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(key);
    auto events = device.log.events("registry-set");
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].text("key"), "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shell\\Keys\\40C4");
    EXPECT_EQ(events[0].text("name"), "");
    EXPECT_EQ(events[0].text("type"), "REG_SZ");
    EXPECT_EQ(events[0].text("data"), "\"\\Windows\\Start Menu\\Tesselink.lnk\"");
    EXPECT_EQ(events[1].text("type"), "REG_DWORD");
    EXPECT_EQ(events[1].text("data"), "42");
}

TEST_F(RegistryTest, NamesWithLineBreaksAreRefused) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, L"Bad\nKey", 0, nullptr, 0, 0, nullptr, &key, nullptr),
              ERROR_INVALID_PARAMETER);
    key = create(HKEY_CURRENT_USER, L"Good");
    DWORD number = 1;
    EXPECT_EQ(RegSetValueEx(key, L"two\nlines", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4),
              ERROR_INVALID_PARAMETER);
    RegCloseKey(key);
}

}  // namespace
