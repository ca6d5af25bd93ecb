// Run-time libraries: names, shared handles and load counts, missing files and exports,
// and ppcutil.dll's registry exports.
#include <gtest/gtest.h>

#include <filesystem>

#include <windows.h>

#include "library/Libraries.h"
#include "registry/Registry.h"
#include "support/TestDevice.h"

namespace {

typedef BOOL(WINAPI* ReadDword)(HKEY, LPCWSTR, LPCWSTR, DWORD*);
typedef BOOL(WINAPI* WriteDword)(HKEY, LPCWSTR, LPCWSTR, DWORD);

template <class Function>
Function Export(HMODULE library, LPCWSTR name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

}  // namespace

TEST(Libraries, EveryNameOfALibraryGivesOneHandleValidUntilTheLastFreeAndPpcUtilKeepsDwordValues) {
    test::TestDevice device;
    device.run([] {
        HMODULE library = LoadLibrary(L"ppcutil.dll");
        ASSERT_NE(library, nullptr);
        EXPECT_EQ(LoadLibrary(L"\\Windows\\PpcUtil.DLL"), library);
        auto read = Export<ReadDword>(library, L"ReadREGDW");
        auto write = Export<WriteDword>(library, L"WriteREGDW");
        SetLastError(0);
        EXPECT_EQ(GetProcAddress(library, L"readregdw"), nullptr);  // names keep their case
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
        EXPECT_TRUE(write(HKEY_CURRENT_USER, L"Software\\New", L"Number", 0x12345678));  // makes the key
        DWORD value = 7;
        EXPECT_TRUE(read(HKEY_CURRENT_USER, L"Software\\New", L"Number", &value));
        EXPECT_EQ(value, 0x12345678u);
        HKEY key;
        RegOpenKeyEx(HKEY_CURRENT_USER, L"Software\\New", 0, KEY_ALL_ACCESS, &key);
        // Four bytes of another type are no number.
        RegSetValueEx(key, L"Bytes", 0, REG_BINARY, reinterpret_cast<const BYTE*>(&value), sizeof value);
        RegCloseKey(key);
        value = 7;
        EXPECT_FALSE(read(HKEY_CURRENT_USER, L"Software\\New", L"Bytes", &value));
        EXPECT_FALSE(read(HKEY_CURRENT_USER, L"Software\\Old", L"Number", &value));
        EXPECT_EQ(value, 7u);

        EXPECT_TRUE(FreeLibrary(library));
        EXPECT_NE(GetProcAddress(library, L"ReadREGDW"), nullptr);
        EXPECT_TRUE(FreeLibrary(library));
        EXPECT_EQ(GetProcAddress(library, L"ReadREGDW"), nullptr);
        EXPECT_FALSE(FreeLibrary(library));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    });
    EXPECT_EQ(device.host().inspect([](emu::Device& d) { return d.libraries->loaded() + d.registry->open_handles(); }),
              0u);

    // Without its file a library is missing; the emulator has no others.
    std::filesystem::remove(device.folder() / "Windows" / "ppcutil.dll");
    device.run([] {
        for (LPCWSTR name : {L"ppcutil.dll", L"\\Windows\\calc.exe", L"nosuch"}) {
            SetLastError(0);
            EXPECT_EQ(LoadLibrary(name), nullptr);
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
        }
    });
}
