// The registry calls a program makes: keys created or opened, values of each type written
// and read back with their types and sizes in bytes, a too small buffer, missing values and
// keys, names without regard to case, values and keys deleted.
#include "Check.h"

namespace {

const WCHAR kKey[] = L"Software\\Win32Checks";

// Creates or opens the key under HKEY_CURRENT_USER; answers how (REG_CREATED_NEW_KEY...).
DWORD CreateKey(const WCHAR* name, HKEY* key) {
    DWORD disposition = 0;
    RegCreateKeyEx(HKEY_CURRENT_USER, name, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key, &disposition);
    return disposition;
}

void Values(HKEY key) {
    DWORD number = 0x12345678;
    const WCHAR text[] = L"Text";
    const BYTE bytes[3] = {1, 2, 3};
    check::Equal("RegSetValueEx of a REG_DWORD",
                 RegSetValueEx(key, L"Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number),
                 ERROR_SUCCESS);
    RegSetValueEx(key, L"Text", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
    RegSetValueEx(key, L"Bytes", 0, REG_BINARY, bytes, sizeof bytes);
    const struct {
        const char* name;
        const WCHAR* value;
        DWORD type, size;
    } cases[] = {
        {"a REG_DWORD reads back as 4 bytes", L"number", REG_DWORD, 4},
        {"a REG_SZ reads back with its terminator", L"TEXT", REG_SZ, sizeof text},
        {"a REG_BINARY reads back as its bytes", L"Bytes", REG_BINARY, 3},
    };
    DWORD type = 0, size = 0;
    for (const auto& c : cases) {
        LONG result = RegQueryValueEx(key, c.value, nullptr, &type, nullptr, &size);
        check::True(c.name, result == ERROR_SUCCESS && type == c.type && size == c.size);
    }
    DWORD read = 0;
    size = sizeof read;
    RegQueryValueEx(key, L"Number", nullptr, &type, reinterpret_cast<BYTE*>(&read), &size);
    check::Equal("the REG_DWORD's value", read, 0x12345678);
    WCHAR whole[8];
    size = sizeof(WCHAR) * 2;
    check::Equal("a buffer too small", RegQueryValueEx(key, L"Text", nullptr, &type, reinterpret_cast<BYTE*>(whole),
                                                       &size),
                 ERROR_MORE_DATA);
    check::Equal("... tells the size needed", size, sizeof text);
    RegQueryValueEx(key, L"Text", nullptr, &type, reinterpret_cast<BYTE*>(whole), &size);
    check::Text("the REG_SZ's text", whole, text);

    check::Equal("a missing value", RegQueryValueEx(key, L"None", nullptr, &type, nullptr, &size),
                 ERROR_FILE_NOT_FOUND);
    check::Equal("RegDeleteValue", RegDeleteValue(key, L"NUMBER"), ERROR_SUCCESS);
    check::Equal("... deletes it", RegQueryValueEx(key, L"Number", nullptr, &type, nullptr, &size),
                 ERROR_FILE_NOT_FOUND);
    check::Equal("deleting a missing value", RegDeleteValue(key, L"Number"), ERROR_FILE_NOT_FOUND);
}

}  // namespace

int RunChecks(HINSTANCE, LPWSTR) {
    RegDeleteKey(HKEY_CURRENT_USER, kKey);
    HKEY key = nullptr, again = nullptr;
    check::Equal("RegCreateKeyEx makes a key", CreateKey(kKey, &key), REG_CREATED_NEW_KEY);
    check::Equal("the same key in other case is opened", CreateKey(L"software\\WIN32CHECKS", &again),
                 REG_OPENED_EXISTING_KEY);
    RegCloseKey(again);
    check::Equal("RegOpenKeyEx of a missing key",
                 RegOpenKeyEx(HKEY_CURRENT_USER, L"Software\\Win32Checks\\None", 0, KEY_READ, &again),
                 ERROR_FILE_NOT_FOUND);
    Values(key);
    RegCloseKey(key);
    check::Equal("RegDeleteKey removes a key without subkeys", RegDeleteKey(HKEY_CURRENT_USER, kKey), ERROR_SUCCESS);
    check::Equal("... for good", RegOpenKeyEx(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    return check::Finish();
}
