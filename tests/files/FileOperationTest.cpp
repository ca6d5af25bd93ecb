#include "FilesFixture.h"

namespace {

HANDLE open(const wchar_t* path, DWORD access, DWORD disposition) {
    return CreateFile(path, access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

TEST_F(FilesTest, CreateFileFollowsItsDisposition) {
    put("W/old.txt", "old");
    EXPECT_EQ(open(L"\\W\\old.txt", GENERIC_WRITE, CREATE_NEW), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_EXISTS));
    EXPECT_EQ(open(L"\\W\\new.txt", GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(open(L"\\Nowhere\\new.txt", GENERIC_WRITE, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(open(L"\\W", GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));

    HANDLE file = open(L"\\W\\old.txt", GENERIC_READ, OPEN_ALWAYS);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    CloseHandle(file);
    file = open(L"\\W\\old.txt", GENERIC_WRITE, CREATE_ALWAYS);
    CloseHandle(file);
    EXPECT_EQ(bytes_of("W/old.txt"), "");
}

TEST_F(FilesTest, WrittenBytesReadBackAndHandlesCloseThroughCloseHandle) {
    std::filesystem::create_directory(host("W"));
    HANDLE file = open(L"\\W\\data.bin", GENERIC_READ | GENERIC_WRITE, CREATE_NEW);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD done = 0;
    ASSERT_TRUE(WriteFile(file, "\x01\x02\x03", 3, &done, nullptr));
    EXPECT_EQ(done, 3u);
    EXPECT_EQ(GetFileSize(file, nullptr), 3u);
    EXPECT_EQ(device.files->open_files(), 1u);
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_EQ(device.files->open_files(), 0u);
    EXPECT_FALSE(CloseHandle(file));

    file = open(L"\\W\\data.bin", GENERIC_READ, OPEN_EXISTING);
    char buffer[8] = {};
    ASSERT_TRUE(ReadFile(file, buffer, sizeof buffer, &done, nullptr));
    EXPECT_EQ(std::string(buffer, done), "\x01\x02\x03");
    EXPECT_FALSE(WriteFile(file, "x", 1, &done, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    CloseHandle(file);
}

TEST_F(FilesTest, MoveRefusesToOverwriteAndDeleteAndRenameReplacesInOneStep) {
    put("W/a.txt", "new");
    put("W/b.txt", "old");
    EXPECT_FALSE(MoveFile(L"\\W\\a.txt", L"\\W\\B.TXT"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_FALSE(DeleteAndRenameFile(L"\\W\\c.txt", L"\\W\\a.txt"));
    EXPECT_EQ(bytes_of("W/a.txt"), "new");

    ASSERT_TRUE(DeleteAndRenameFile(L"\\W\\b.txt", L"\\W\\a.txt"));
    EXPECT_EQ(bytes_of("W/b.txt"), "new");
    EXPECT_FALSE(std::filesystem::exists(host("W/a.txt")));
    ASSERT_TRUE(MoveFile(L"\\W\\b.txt", L"\\W\\c.txt"));
    EXPECT_EQ(bytes_of("W/c.txt"), "new");
}

TEST_F(FilesTest, FoldersAreCreatedAndRemoved) {
    ASSERT_TRUE(CreateDirectory(L"\\Windows", nullptr));
    EXPECT_FALSE(CreateDirectory(L"\\WINDOWS", nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_FALSE(CreateDirectory(L"\\A\\B", nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    put("Windows/x.txt");
    EXPECT_FALSE(RemoveDirectory(L"\\Windows"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DIR_NOT_EMPTY));
    DeleteFile(L"\\Windows\\x.txt");
    EXPECT_TRUE(RemoveDirectory(L"\\windows"));
}

}  // namespace
