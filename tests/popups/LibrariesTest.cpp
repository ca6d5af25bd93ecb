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

class LibrariesTest : public ::testing::Test {
protected:
    emu::Libraries& libraries() { return *device.device().libraries; }
    std::size_t loaded() {
        return device.host().inspect([](emu::Device& d) { return d.libraries->loaded(); });
    }

    test::TestDevice device;
};

}  // namespace

TEST_F(LibrariesTest, EveryNameOfALibraryGivesOneHandleValidUntilTheLastFree) {
    device.run([] {
        HMODULE bare = LoadLibrary(L"ppcutil.dll");
        ASSERT_NE(bare, nullptr);
        EXPECT_EQ(LoadLibrary(L"PPCUTIL"), bare);
        EXPECT_EQ(LoadLibrary(L"\\Windows\\PpcUtil.DLL"), bare);
        EXPECT_TRUE(FreeLibrary(bare));
        EXPECT_TRUE(FreeLibrary(bare));
        EXPECT_NE(GetProcAddress(bare, L"ReadREGDW"), nullptr);
        EXPECT_TRUE(FreeLibrary(bare));

        SetLastError(0);
        EXPECT_EQ(GetProcAddress(bare, L"ReadREGDW"), nullptr);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
        EXPECT_FALSE(FreeLibrary(bare));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    });
    EXPECT_EQ(loaded(), 0u);
}

TEST_F(LibrariesTest, ALibraryIsMissingWithoutItsFileOrWhenTheEmulatorHasNone) {
    std::filesystem::remove(device.folder() / "Windows" / "ppcutil.dll");
    device.run([] {
        SetLastError(0);
        EXPECT_EQ(LoadLibrary(L"ppcutil.dll"), nullptr);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
        // calc.exe exists, but no library of that name does.
        EXPECT_EQ(LoadLibrary(L"\\Windows\\calc.exe"), nullptr);
        EXPECT_EQ(LoadLibrary(L"nosuch.dll"), nullptr);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    });
}

TEST_F(LibrariesTest, AnUnknownOrHiddenExportIsNotFound) {
    device.host().inspect([](emu::Device& d) {
        d.libraries->hide_export(L"ppcutil.dll", L"WriteREGDW");
        return 0;
    });
    device.run([] {
        HMODULE library = LoadLibrary(L"ppcutil.dll");
        SetLastError(0);
        EXPECT_EQ(GetProcAddress(library, L"WriteREGDW"), nullptr);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
        EXPECT_EQ(GetProcAddress(library, L"readregdw"), nullptr);  // export names keep their case
        EXPECT_NE(GetProcAddress(library, L"ReadREGDW"), nullptr);
        FreeLibrary(library);
    });
}

TEST_F(LibrariesTest, PpcUtilReadsAndWritesDwordValuesOnly) {
    const std::size_t open_keys = device.host().inspect([](emu::Device& d) { return d.registry->open_handles(); });
    device.run([] {
        HMODULE library = LoadLibrary(L"ppcutil.dll");
        auto read = Export<ReadDword>(library, L"ReadREGDW");
        auto write = Export<WriteDword>(library, L"WriteREGDW");
        ASSERT_TRUE(read && write);

        EXPECT_TRUE(write(HKEY_CURRENT_USER, L"Software\\New\\Key", L"Number", 0x12345678));
        DWORD value = 7;
        EXPECT_TRUE(read(HKEY_CURRENT_USER, L"Software\\New\\Key", L"Number", &value));
        EXPECT_EQ(value, 0x12345678u);

        HKEY key;
        RegOpenKeyEx(HKEY_CURRENT_USER, L"Software\\New\\Key", 0, KEY_ALL_ACCESS, &key);
        const WCHAR text[] = L"12";
        RegSetValueEx(key, L"Text", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
        RegCloseKey(key);
        value = 7;
        EXPECT_FALSE(read(HKEY_CURRENT_USER, L"Software\\New\\Key", L"Text", &value));
        EXPECT_FALSE(read(HKEY_CURRENT_USER, L"Software\\New\\Key", L"Missing", &value));
        EXPECT_FALSE(read(HKEY_CURRENT_USER, L"Software\\No\\Key", L"Number", &value));
        EXPECT_EQ(value, 7u);
        FreeLibrary(library);
    });
    EXPECT_EQ(device.host().inspect([](emu::Device& d) { return d.registry->open_handles(); }), open_keys);
}
