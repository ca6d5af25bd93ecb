#include "FilesFixture.h"

namespace {

TEST_F(FilesTest, NamesMatchWithoutRegardToCaseAndKeepTheirSpelling) {
    put("Windows/Start Menu/Notes.lnk", "x");
    EXPECT_EQ(attributes(L"\\WINDOWS\\start menu\\NOTES.LNK"), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(attributes(L"/windows/Start Menu/notes.lnk"), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(device.files->resolve(L"\\windows\\START MENU\\notes.LNK").device_path, L"\\Windows\\Start Menu\\Notes.lnk");

    HANDLE file = CreateFile(L"\\windows\\NewFile.TXT", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    EXPECT_TRUE(std::filesystem::exists(host("Windows/NewFile.TXT")));
}

TEST_F(FilesTest, PathsThatWouldLeaveTheRootAreRefused) {
    put("Windows/a.txt");
    EXPECT_EQ(attributes(L"\\Windows\\..\\Windows\\a.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    for (const wchar_t* path : {L"\\..\\outside.txt", L"\\Windows\\..\\..\\outside.txt", L"..", L"\\Windows\\..\\.."}) {
        SCOPED_TRACE(emu::utf8(path));
        EXPECT_EQ(CreateFile(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr), INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    }
    EXPECT_FALSE(std::filesystem::exists(image.path().parent_path() / "outside.txt"));
}

TEST_F(FilesTest, SymbolicLinksMayNotLeadOutsideOrLoop) {
    test::TempDir outside;
    std::ofstream(outside.path() / "secret.txt") << "secret";
    put("Windows/inside.txt", "in");
    std::filesystem::create_directory_symlink(outside.path(), host("Windows/Out"));
    std::filesystem::create_symlink(host("Windows/inside.txt"), host("Windows/Alias.txt"));
    std::filesystem::create_symlink(host("Windows/LoopA"), host("Windows/LoopB"));
    std::filesystem::create_symlink(host("Windows/LoopB"), host("Windows/LoopA"));

    EXPECT_EQ(attributes(L"\\Windows\\Out\\secret.txt"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(attributes(L"\\Windows\\LoopA\\x"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(attributes(L"\\Windows\\alias.TXT"), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));

    WIN32_FIND_DATA data;
    HANDLE search = FindFirstFile(L"\\Windows\\*.*", &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    std::vector<std::wstring> names;
    do names.push_back(data.cFileName);
    while (FindNextFile(search, &data));
    FindClose(search);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Alias.txt", L"inside.txt"}));
}

TEST_F(FilesTest, TheImageMetadataFolderIsOutOfReach) {
    put(".device/registry.reg", "Windows Registry Editor Version 5.00\n");
    put("Windows/x.txt");
    EXPECT_EQ(attributes(L"\\.device\\registry.reg"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(attributes(L"\\.DEVICE"), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(DeleteFile(L"\\.device\\registry.reg"));
    EXPECT_FALSE(MoveFile(L"\\Windows\\x.txt", L"\\.device\\x.txt"));
    WIN32_FIND_DATA data;
    HANDLE search = FindFirstFile(L"\\*.*", &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_EQ(std::wstring(data.cFileName), L"Windows");
    EXPECT_FALSE(FindNextFile(search, &data));
    FindClose(search);
}

}  // namespace
