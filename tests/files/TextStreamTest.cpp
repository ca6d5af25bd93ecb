#include <cerrno>
#include <cstdio>

#include "FilesFixture.h"

namespace {

TEST_F(FilesTest, TextModeWritesTheCodePageWithCrLf) {
    std::filesystem::create_directory(host("Windows"));
    FILE* file = _wfopen(L"\\Windows\\out.txt", L"w+t");
    ASSERT_NE(file, nullptr);
    EXPECT_GE(fputws(L"MODE=0\n", file), 0);
    EXPECT_EQ(fwprintf(file, L"%ls=%d\n", L"caf\u00e9 \u20ac \u4e2d", 7), 11);
    fputs("bytes\n", file);
    EXPECT_EQ(fclose(file), 0);
    EXPECT_EQ(bytes_of("Windows/out.txt"), "MODE=0\r\ncaf\xe9 \x80 ?=7\r\nbytes\r\n");
}

TEST_F(FilesTest, TextModeReadsCrLfAsLineFeedAndStopsAtCtrlZ) {
    put("Windows/in.txt", "a\r\nb\rc\r\n\x80\x1A" "after");
    FILE* file = _wfopen(L"\\Windows\\in.txt", L"r");
    ASSERT_NE(file, nullptr);
    std::string bytes;
    for (int c; (c = fgetc(file)) != EOF;) bytes += static_cast<char>(c);
    EXPECT_EQ(bytes, "a\nb\rc\n\x80");
    fclose(file);

    file = _wfopen(L"\\Windows\\in.txt", L"rt");
    std::wstring text;
    for (wint_t c; (c = fgetwc(file)) != WEOF;) text += static_cast<wchar_t>(c);
    EXPECT_EQ(text, L"a\nb\rc\n\u20ac");
    fclose(file);
}

TEST_F(FilesTest, ACrLfSplitAcrossReadsIsStillOneLineFeed) {
    put("Windows/long.txt", std::string(4095, 'x') + "\r\n" + "y\r");
    FILE* file = _wfopen(L"\\Windows\\long.txt", L"r");
    ASSERT_NE(file, nullptr);
    std::string bytes;
    for (int c; (c = fgetc(file)) != EOF;) bytes += static_cast<char>(c);
    fclose(file);
    EXPECT_EQ(bytes, std::string(4095, 'x') + "\ny\r");
}

TEST_F(FilesTest, BinaryModeKeepsBytesAndUsesUtf16ForWideText) {
    std::filesystem::create_directory(host("Windows"));
    FILE* file = _wfopen(L"\\Windows\\raw.bin", L"wb");
    ASSERT_NE(file, nullptr);
    fputws(L"A\n\u20ac", file);
    fclose(file);
    EXPECT_EQ(bytes_of("Windows/raw.bin"), std::string("A\0\n\0\xac\x20", 6));
    file = _wfopen(L"\\Windows\\raw.bin", L"rb");
    EXPECT_EQ(fgetwc(file), static_cast<wint_t>(L'A'));
    EXPECT_EQ(fgetwc(file), static_cast<wint_t>(L'\n'));
    EXPECT_EQ(fgetwc(file), static_cast<wint_t>(0x20AC));
    EXPECT_EQ(fgetwc(file), WEOF);
    fclose(file);
}

TEST_F(FilesTest, AppendModeAddsToTheEnd) {
    put("Windows/log.txt", "one\r\n");
    FILE* file = _wfopen(L"\\Windows\\log.txt", L"a");
    ASSERT_NE(file, nullptr);
    fputws(L"two\n", file);
    fclose(file);
    EXPECT_EQ(bytes_of("Windows/log.txt"), "one\r\ntwo\r\n");
}

TEST_F(FilesTest, OpeningFailsForBadModesMissingFilesAndFolders) {
    std::filesystem::create_directory(host("Windows"));
    errno = 0;
    EXPECT_EQ(_wfopen(L"\\Windows\\x.txt", L"q"), nullptr);
    EXPECT_EQ(errno, EINVAL);
    EXPECT_EQ(_wfopen(L"\\Windows\\x.txt", L"rz"), nullptr);
    EXPECT_EQ(_wfopen(L"\\Windows\\missing.txt", L"r"), nullptr);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(_wfopen(L"\\Windows", L"r"), nullptr);
    EXPECT_EQ(_wfopen(L"\\..\\escape.txt", L"w"), nullptr);
    EXPECT_EQ(errno, EACCES);
}

TEST_F(FilesTest, HostStreamsKeepTheirOwnWideFunctions) {
    FILE* host_file = tmpfile();
    ASSERT_NE(host_file, nullptr);
    EXPECT_GE(fputws(L"plain", host_file), 0);
    EXPECT_EQ(fwprintf(host_file, L"%d", 42), 2);
    rewind(host_file);
    EXPECT_EQ(fgetwc(host_file), static_cast<wint_t>(L'p'));
    fclose(host_file);
}

}  // namespace
