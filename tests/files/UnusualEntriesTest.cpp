// Entries of the device folder that are not plain files and folders: links that lead back
// to a folder of their own path are loops, neither listed nor entered; FIFOs (and so sockets
// and device nodes) are refused as files, never opened; a name that is not UTF-8 reads as the
// device's code page and keeps the event log valid JSON.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "FilesFixture.h"

namespace {

namespace fs = std::filesystem;

// The file-system test device with the folders these entries sit in.
class UnusualEntries : public FilesTest {
protected:
    void SetUp() override {
        FilesTest::SetUp();
        fs::create_directories(host("Windows/Start Menu"));
        fs::create_directories(host("My Documents"));
    }
};

TEST_F(UnusualEntries, LinksBackToAFolderOfTheirOwnPathAreNeitherListedNorEntered) {
    const auto menu = image.path() / "Windows/Start Menu";
    std::ofstream(menu / "Notes.lnk") << "x";
    fs::create_directory_symlink(".", menu / "S1");
    fs::create_directory_symlink(".", menu / "S2");
    fs::create_directory_symlink("..", menu / "Up");
    fs::create_directory_symlink(image.path(), menu / "Root");
    fs::create_directory_symlink("../../My Documents", menu / "Documents");  // elsewhere: no loop
    fs::create_directory_symlink("missing", image.path() / "My Documents/Dangling");
    fs::create_directory_symlink("../Windows", image.path() / "My Documents/Windows");

    EXPECT_EQ(names_found(L"\\Windows\\Start Menu\\*.*"), (std::vector<std::wstring>{L"Documents", L"Notes.lnk"}));
    EXPECT_EQ(names_found(L"\\Windows\\Start Menu\\Documents\\*.*"), std::vector<std::wstring>{});
    EXPECT_EQ(names_found(L"\\My Documents\\*.*"), (std::vector<std::wstring>{L"Windows"}));
    for (auto loop : {L"\\Windows\\Start Menu\\S1", L"\\Windows\\Start Menu\\Up\\Start Menu",
                      L"\\Windows\\Start Menu\\Root", L"\\Windows\\Start Menu\\Documents\\Windows"}) {
        EXPECT_EQ(GetFileAttributes(loop), INVALID_FILE_ATTRIBUTES) << loop;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND)) << loop;
    }
    EXPECT_EQ(GetFileAttributes(L"\\Windows\\Start Menu\\Documents"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

TEST_F(UnusualEntries, OnlyRegularFilesOpenAsFiles) {
    const auto documents = image.path() / "My Documents";
    ASSERT_EQ(mkfifo((documents / "fifo").c_str(), 0644), 0);
    // A reader of its own, so that an open of the FIFO could not block this test.
    const int fifo_end = ::open((documents / "fifo").c_str(), O_RDWR | O_NONBLOCK);
    // Sockets and device nodes take the same way as a FIFO: anything but a regular file.
    fs::create_symlink("/dev/zero", documents / "zero link");
    for (auto path : {L"\\My Documents\\fifo", L"\\My Documents\\zero link"}) {
        for (DWORD disposition : {DWORD(OPEN_EXISTING), DWORD(OPEN_ALWAYS), DWORD(CREATE_ALWAYS)}) {
            HANDLE file = CreateFile(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, disposition, 0, nullptr);
            EXPECT_EQ(file, INVALID_HANDLE_VALUE) << path << " " << disposition;
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED)) << path << " " << disposition;
            if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
        }
        for (auto mode : {L"r", L"w", L"a+"}) {
            FILE* stream = _wfopen(path, mode);
            EXPECT_EQ(stream, nullptr) << path << " " << mode;
            if (stream) fclose(stream);
        }
        auto refusals = device.log.events("file-refused");
        ASSERT_FALSE(refusals.empty());
        EXPECT_EQ(refusals.back().text("path"), emu::utf8(path));
    }
    EXPECT_TRUE(fs::is_fifo(documents / "fifo"));
    ::close(fifo_end);
}

TEST_F(UnusualEntries, NamesThatAreNotUtf8ReadAsTheCodePageAndLogAsValidJson) {
    std::ofstream(image.path() / "My Documents/Caf\xe9 \x80.txt") << "menu";
    EXPECT_EQ(names_found(L"\\My Documents\\*.*"), std::vector<std::wstring>{L"Caf\u00e9 \u20ac.txt"});
    FILE* file = _wfopen(L"\\My Documents\\caf\u00e9 \u20ac.txt", L"r");
    ASSERT_NE(file, nullptr);
    fclose(file);

    device.log.record("opened", {{"path", std::string("Caf\xe9 \x80\xc3\xa9\xed\xa0\x80\"\x01")}});
    EXPECT_EQ(device.log.events("opened").back().json(),
              "{\"t\":0,\"event\":\"opened\",\"path\":\"Caf\\u00e9 \\u20ac\xc3\xa9\\u00ed\\u00a0\\u20ac\\\"\\u0001\"}");
}

}  // namespace
