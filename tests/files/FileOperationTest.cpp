#include "FilesFixture.h"

namespace {

HANDLE open(const wchar_t* path, DWORD access, DWORD disposition) {
    return CreateFile(path, access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Beyond what tests/win32/files.cpp compares with Wine: a folder opens as no file,
// OPEN_ALWAYS tells of an existing file, CREATE_ALWAYS empties one, a handle opened for
// reading does not write, and a handle closes once.
TEST_F(FilesTest, CreateFileFollowsItsDispositionAndItsAccess) {
    put("W/old.txt", "old");
    EXPECT_EQ(open(L"\\W", GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    HANDLE file = open(L"\\W\\old.txt", GENERIC_READ, OPEN_ALWAYS);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    DWORD done = 0;
    EXPECT_FALSE(WriteFile(file, "x", 1, &done, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(device.files->open_files(), 1u);
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_FALSE(CloseHandle(file));
    EXPECT_EQ(device.files->open_files(), 0u);
    CloseHandle(open(L"\\W\\old.txt", GENERIC_WRITE, CREATE_ALWAYS));
    EXPECT_EQ(bytes_of("W/old.txt"), "");
}

// DeleteAndRenameFile replaces an existing file in one step; a folder is made once, one
// level at a time.
TEST_F(FilesTest, ReplacingFilesAndMakingFolders) {
    put("W/a.txt", "new");
    put("W/b.txt", "old");
    EXPECT_FALSE(DeleteAndRenameFile(L"\\W\\c.txt", L"\\W\\a.txt"));
    EXPECT_EQ(bytes_of("W/a.txt"), "new");
    ASSERT_TRUE(DeleteAndRenameFile(L"\\W\\b.txt", L"\\W\\a.txt"));
    EXPECT_EQ(bytes_of("W/b.txt"), "new");
    EXPECT_FALSE(std::filesystem::exists(host("W/a.txt")));
    ASSERT_TRUE(CreateDirectory(L"\\Windows", nullptr));
    for (auto [path, error] : {std::pair{L"\\WINDOWS", ERROR_ALREADY_EXISTS}, {L"\\A\\B", ERROR_PATH_NOT_FOUND}}) {
        EXPECT_FALSE(CreateDirectory(path, nullptr));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(error));
    }
}

}  // namespace
