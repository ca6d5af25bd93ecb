// The registry calls a program makes: keys created or opened, values of each type written
// and read back with their types and sizes in bytes, a too small buffer, missing values and
// keys, names without regard to case, values and keys deleted.
#include "Check.h"

namespace {

const WCHAR kKey[] = L"Software\\Win32Checks";

void Keys() {
    HKEY key = nullptr;
    DWORD disposition = 0;
    check::Equal("RegCreateKeyEx makes a key",
                 RegCreateKeyEx(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, &disposition),
                 ERROR_SUCCESS);
    check::Equal("... and says it made it", disposition, REG_CREATED_NEW_KEY);
    RegCloseKey(key);
    RegCreateKeyEx(HKEY_CURRENT_USER, L"software\\WIN32CHECKS", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                   &disposition);
    check::Equal("the same key in other case is opened", disposition, REG_OPENED_EXISTING_KEY);
    RegCloseKey(key);
    HKEY missing = nullptr;
    check::Equal("RegOpenKeyEx of a missing key", RegOpenKeyEx(HKEY_CURRENT_USER, L"Software\\Win32Checks\\None", 0,
                                                               KEY_READ, &missing),
                 ERROR_FILE_NOT_FOUND);
}

void Values() {
    HKEY key = nullptr;
    RegOpenKeyEx(HKEY_CURRENT_USER, kKey, 0, KEY_ALL_ACCESS, &key);
    DWORD number = 0x12345678;
    const WCHAR text[] = L"Text";
    const BYTE bytes[3] = {1, 2, 3};
    check::Equal("RegSetValueEx of a REG_DWORD",
                 RegSetValueEx(key, L"Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number),
                 ERROR_SUCCESS);
    RegSetValueEx(key, L"Text", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
    RegSetValueEx(key, L"Bytes", 0, REG_BINARY, bytes, sizeof bytes);

    struct Case {
        const char* name;
        const WCHAR* value;
        DWORD type, size;
    };
    const Case cases[] = {
        {"a REG_DWORD reads back as 4 bytes", L"number", REG_DWORD, 4},
        {"a REG_SZ reads back with its terminator", L"TEXT", REG_SZ, sizeof text},
        {"a REG_BINARY reads back as its bytes", L"Bytes", REG_BINARY, 3},
    };
    for (const Case& c : cases) {
        DWORD type = 0, size = 0;
        LONG result = RegQueryValueEx(key, c.value, nullptr, &type, nullptr, &size);
        check::True(c.name, result == ERROR_SUCCESS && type == c.type && size == c.size);
    }
    DWORD read = 0, size = sizeof read, type = 0;
    RegQueryValueEx(key, L"Number", nullptr, &type, reinterpret_cast<BYTE*>(&read), &size);
    check::Equal("the REG_DWORD's value", read, 0x12345678);
    WCHAR small[2];
    size = sizeof small;
    check::Equal("a buffer too small", RegQueryValueEx(key, L"Text", nullptr, &type, reinterpret_cast<BYTE*>(small),
                                                       &size),
                 ERROR_MORE_DATA);
    check::Equal("... tells the size needed", size, sizeof text);
    WCHAR whole[8];
    size = sizeof whole;
    RegQueryValueEx(key, L"Text", nullptr, &type, reinterpret_cast<BYTE*>(whole), &size);
    check::Text("the REG_SZ's text", whole, text);

    check::Equal("a missing value", RegQueryValueEx(key, L"None", nullptr, &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
    check::Equal("RegDeleteValue", RegDeleteValue(key, L"NUMBER"), ERROR_SUCCESS);
    check::Equal("... deletes it", RegQueryValueEx(key, L"Number", nullptr, &type, nullptr, &size),
                 ERROR_FILE_NOT_FOUND);
    check::Equal("deleting a missing value", RegDeleteValue(key, L"Number"), ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
}

}  // namespace

int RunChecks(HINSTANCE, LPWSTR) {
    RegDeleteKey(HKEY_CURRENT_USER, kKey);
    Keys();
    Values();
    check::Equal("RegDeleteKey removes a key without subkeys", RegDeleteKey(HKEY_CURRENT_USER, kKey), ERROR_SUCCESS);
    HKEY key = nullptr;
    check::Equal("... for good", RegOpenKeyEx(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    return check::Finish();
}
