#include "FilesFixture.h"

namespace {

TEST_F(FilesTest, SearchesListByNameWithoutRegardToCaseAndFindNothingWithAnError) {
    for (auto name : {"zeta.lnk", "Beta.lnk", "alpha.exe", "Games", "b.txt", "ALPHA2.lnk"}) put("SM/" + std::string(name));
    std::filesystem::create_directories(host("SM/Games2"));
    std::filesystem::create_directories(host("Empty"));
    EXPECT_EQ(names_found(L"\\SM\\*.*"), (std::vector<std::wstring>{L"alpha.exe", L"ALPHA2.lnk", L"b.txt", L"Beta.lnk",
                                                                    L"Games", L"Games2", L"zeta.lnk"}));
    EXPECT_EQ(names_found(L"\\sm\\*.LNK"), (std::vector<std::wstring>{L"ALPHA2.lnk", L"Beta.lnk", L"zeta.lnk"}));
    EXPECT_EQ(names_found(L"\\SM\\?eta.*"), (std::vector<std::wstring>{L"Beta.lnk", L"zeta.lnk"}));
    WIN32_FIND_DATA data;
    for (auto [pattern, error] : {std::pair{L"\\Empty\\*.*", ERROR_FILE_NOT_FOUND}, {L"\\SM\\*.png", ERROR_FILE_NOT_FOUND},
                                  {L"\\Missing\\*.*", ERROR_PATH_NOT_FOUND}}) {
        EXPECT_EQ(FindFirstFile(pattern, &data), INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(error));
    }
    EXPECT_EQ(device.files->open_searches(), 0u);
}

// What tests/win32/files.cpp does not compare: the time and object id of a found entry,
// and the search's end.
TEST_F(FilesTest, SearchesFillTheFindRecordAndEndOnce) {
    put("SM/Notes.lnk", "20#\"\\Windows\\notes.exe\"");
    WIN32_FIND_DATA data;
    HANDLE search = FindFirstFile(L"\\SM\\*.*", &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_EQ(data.nFileSizeHigh, 0u);
    EXPECT_GT(data.ftLastWriteTime.dwHighDateTime, 0x01D00000u);  // after 2014
    EXPECT_NE(data.dwOID, 0u);
    EXPECT_EQ(device.files->open_searches(), 1u);
    EXPECT_TRUE(FindClose(search));
    EXPECT_EQ(device.files->open_searches(), 0u);
    EXPECT_FALSE(FindClose(search));
}

}  // namespace
