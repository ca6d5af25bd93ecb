#include "FilesFixture.h"

namespace {

TEST_F(FilesTest, FoldersAreExactlyDirectoriesAndFilesArchivedByDefault) {
    put("Windows/Games/Solitaire.lnk");
    EXPECT_EQ(attributes(L"\\Windows\\Games"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(attributes(L"\\"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(attributes(L"\\Windows\\Games\\Solitaire.lnk"), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(attributes(L"\\Windows\\Games\\Missing.lnk"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(attributes(L"\\Windows\\Nowhere\\Missing.lnk"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}

TEST_F(FilesTest, SetAttributesAreKeptInTheImage) {
    put("Windows/Hidden/a.lnk");
    put("Windows/plain.txt");
    ASSERT_TRUE(SetFileAttributes(L"\\windows\\HIDDEN", FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(SetFileAttributes(L"\\Windows\\plain.txt", FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(attributes(L"\\Windows\\Hidden"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(attributes(L"\\Windows\\plain.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL));

    device.files = std::make_shared<emu::FileSystem>(device);
    EXPECT_EQ(attributes(L"\\Windows\\Hidden"), 0x12u);
    EXPECT_EQ(bytes_of(".device/attributes.txt"), "00000002 \\Windows\\Hidden\n00000000 \\Windows\\plain.txt\n");
}

TEST_F(FilesTest, ReadOnlyFilesCannotBeChangedOrDeleted) {
    put("Windows/fixed.txt", "old");
    SetFileAttributes(L"\\Windows\\fixed.txt", FILE_ATTRIBUTE_READONLY);
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

TEST_F(FilesTest, AttributesFollowMovesAndAreForgottenOnDelete) {
    put("Windows/Folder/inner.txt");
    SetFileAttributes(L"\\Windows\\Folder\\inner.txt", FILE_ATTRIBUTE_SYSTEM);
    SetFileAttributes(L"\\Windows\\Folder", FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(MoveFile(L"\\Windows\\Folder", L"\\Windows\\Moved"));
    EXPECT_EQ(attributes(L"\\Windows\\Moved"), 0x12u);
    EXPECT_EQ(attributes(L"\\Windows\\Moved\\inner.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(DeleteFile(L"\\Windows\\Moved\\inner.txt"));
    put("Windows/Moved/inner.txt");
    EXPECT_EQ(attributes(L"\\Windows\\Moved\\inner.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
}

}  // namespace
