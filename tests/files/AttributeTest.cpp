#include "FilesFixture.h"

namespace {

// The root is a folder; a missing folder on the way is told apart from a missing file
// (other attributes: tests/win32/files.cpp).
TEST_F(FilesTest, TheRootIsAFolderAndAMissingFolderIsNamed) {
    EXPECT_EQ(GetFileAttributes(L"\\"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(GetFileAttributes(L"\\Windows\\Nowhere\\Missing.lnk"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}

// Set attributes are kept in the image, follow moves and are forgotten on delete; a
// read-only file can be read but not changed or deleted.
TEST_F(FilesTest, SetAttributesLastAndReadOnlyFilesStayAsTheyAre) {
    put("Windows/Folder/inner.txt");
    put("Windows/fixed.txt", "old");
    ASSERT_TRUE(SetFileAttributes(L"\\windows\\FOLDER", FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(SetFileAttributes(L"\\Windows\\Folder\\inner.txt", FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(SetFileAttributes(L"\\Windows\\fixed.txt", FILE_ATTRIBUTE_READONLY));
    device.files = std::make_shared<emu::FileSystem>(device);
    EXPECT_EQ(GetFileAttributes(L"\\Windows\\Folder"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(bytes_of(".device/attributes.txt"),
              "00000001 \\Windows\\fixed.txt\n00000002 \\Windows\\Folder\n00000004 \\Windows\\Folder\\inner.txt\n");

    ASSERT_TRUE(MoveFile(L"\\Windows\\Folder", L"\\Windows\\Moved"));
    EXPECT_EQ(GetFileAttributes(L"\\Windows\\Moved"), 0x12u);
    EXPECT_EQ(GetFileAttributes(L"\\Windows\\Moved\\inner.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(DeleteFile(L"\\Windows\\Moved\\inner.txt"));
    put("Windows/Moved/inner.txt");
    EXPECT_EQ(GetFileAttributes(L"\\Windows\\Moved\\inner.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    ASSERT_TRUE(SetFileAttributes(L"\\Windows\\Moved\\inner.txt", FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(GetFileAttributes(L"\\Windows\\Moved\\inner.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL));

    EXPECT_EQ(CreateFile(L"\\Windows\\fixed.txt", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(DeleteFile(L"\\Windows\\fixed.txt"));
    EXPECT_EQ(_wfopen(L"\\Windows\\fixed.txt", L"w"), nullptr);
    EXPECT_EQ(bytes_of("Windows/fixed.txt"), "old");
    HANDLE file = CreateFile(L"\\Windows\\fixed.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
}

}  // namespace
