#include "FilesFixture.h"

namespace {

TEST_F(FilesTest, NamesMatchWithoutRegardToCaseAndKeepTheirSpelling) {
    put("Windows/Start Menu/Notes.lnk", "x");
    EXPECT_EQ(GetFileAttributes(L"\\WINDOWS\\start menu\\NOTES.LNK"), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(GetFileAttributes(L"/windows/Start Menu/notes.lnk"), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(GetFileAttributes(L"\\Windows\\..\\Windows\\Start Menu"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(device.files->resolve(L"\\windows\\START MENU\\notes.LNK").device_path, L"\\Windows\\Start Menu\\Notes.lnk");
    CloseHandle(CreateFile(L"\\windows\\NewFile.TXT", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    EXPECT_TRUE(std::filesystem::exists(host("Windows/NewFile.TXT")));
}

// Nothing above the root, behind a link leading outside or round in a loop, or in the
// image's own metadata folder can be reached.
TEST_F(FilesTest, WhatLiesOutsideTheDeviceIsOutOfReach) {
    test::TempDir outside;
    std::ofstream(outside.path() / "secret.txt") << "secret";
    put("Windows/inside.txt", "in");
    put(".device/registry.reg", "Windows Registry Editor Version 5.00\n");
    std::filesystem::create_directory_symlink(outside.path(), host("Windows/Out"));
    std::filesystem::create_symlink(host("Windows/inside.txt"), host("Windows/Alias.txt"));
    std::filesystem::create_symlink(host("Windows/LoopA"), host("Windows/LoopB"));
    std::filesystem::create_symlink(host("Windows/LoopB"), host("Windows/LoopA"));

    for (const wchar_t* path : {L"\\..\\outside.txt", L"\\Windows\\..\\..\\outside.txt", L"..", L"\\Windows\\..\\..",
                                L"\\.device\\x.txt"}) {
        EXPECT_EQ(CreateFile(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr), INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED)) << emu::utf8(path);
    }
    EXPECT_FALSE(std::filesystem::exists(image.path().parent_path() / "outside.txt"));
    for (const wchar_t* path : {L"\\Windows\\Out\\secret.txt", L"\\Windows\\LoopA\\x", L"\\.device\\registry.reg",
                                L"\\.DEVICE"})
        EXPECT_EQ(GetFileAttributes(path), INVALID_FILE_ATTRIBUTES) << emu::utf8(path);
    EXPECT_EQ(GetFileAttributes(L"\\Windows\\alias.TXT"), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_FALSE(DeleteFile(L"\\.device\\registry.reg"));
    EXPECT_FALSE(MoveFile(L"\\Windows\\inside.txt", L"\\.device\\x.txt"));
    EXPECT_EQ(names_found(L"\\Windows\\*.*"), (std::vector<std::wstring>{L"Alias.txt", L"inside.txt"}));
    EXPECT_EQ(names_found(L"\\*.*"), std::vector<std::wstring>{L"Windows"});
}

}  // namespace
