#include "FilesFixture.h"

namespace {

HANDLE open(const wchar_t* path, DWORD access, DWORD disposition) {
    return CreateFile(path, access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

TEST_F(FilesTest, CreateFileFollowsItsDispositionAndItsAccess) {
    put("W/old.txt", "old");
    const std::tuple<const wchar_t*, DWORD, DWORD> refused[] = {
        {L"\\W\\old.txt", CREATE_NEW, ERROR_FILE_EXISTS},
        {L"\\W\\new.txt", OPEN_EXISTING, ERROR_FILE_NOT_FOUND},
        {L"\\Nowhere\\new.txt", CREATE_ALWAYS, ERROR_PATH_NOT_FOUND},
        {L"\\W", OPEN_EXISTING, ERROR_ACCESS_DENIED},
    };
    for (auto [path, disposition, error] : refused) {
        EXPECT_EQ(open(path, GENERIC_READ | GENERIC_WRITE, disposition), INVALID_HANDLE_VALUE) << emu::utf8(path);
        EXPECT_EQ(GetLastError(), error) << emu::utf8(path);
    }
    HANDLE file = open(L"\\W\\old.txt", GENERIC_READ, OPEN_ALWAYS);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    CloseHandle(file);
    CloseHandle(open(L"\\W\\old.txt", GENERIC_WRITE, CREATE_ALWAYS));
    EXPECT_EQ(bytes_of("W/old.txt"), "");

    file = open(L"\\W\\data.bin", GENERIC_READ | GENERIC_WRITE, CREATE_NEW);
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

// MoveFile never overwrites; DeleteAndRenameFile replaces a file in one step; a folder
// goes only when empty.
TEST_F(FilesTest, MovingReplacingAndFolders) {
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

    ASSERT_TRUE(CreateDirectory(L"\\Windows", nullptr));
    EXPECT_FALSE(CreateDirectory(L"\\WINDOWS", nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_FALSE(CreateDirectory(L"\\A\\B", nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(RemoveDirectory(L"\\W"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DIR_NOT_EMPTY));
    DeleteFile(L"\\W\\c.txt");
    EXPECT_TRUE(RemoveDirectory(L"\\w"));
}

}  // namespace
