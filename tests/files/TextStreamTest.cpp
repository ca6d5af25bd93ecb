#include <cerrno>
#include <cstdio>

#include "FilesFixture.h"

namespace {

// What a stream reads, through fgetc or fgetwc, each character widened.
std::wstring read_all(FILE* file, bool wide) {
    std::wstring text;
    if (wide)
        for (wint_t c; (c = fgetwc(file)) != WEOF;) text += static_cast<wchar_t>(c);
    else
        for (int c; (c = fgetc(file)) != EOF;) text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return text;
}

// Text mode turns LF into CR LF and writes wide text in the device's code page; binary mode
// keeps bytes and writes wide text as UTF-16; append mode adds to the end.
TEST_F(FilesTest, WritingInEachMode) {
    put("Windows/log.txt", "one\r\n");
    FILE* file = _wfopen(L"\\Windows\\out.txt", L"w+t");
    ASSERT_NE(file, nullptr);
    EXPECT_GE(fputws(L"MODE=0\n", file), 0);
    EXPECT_EQ(fwprintf(file, L"%ls=%d\n", L"caf\u00e9 \u20ac \u4e2d", 7), 11);
    fputs("bytes\n", file);
    EXPECT_EQ(fclose(file), 0);
    EXPECT_EQ(bytes_of("Windows/out.txt"), "MODE=0\r\ncaf\xe9 \x80 ?=7\r\nbytes\r\n");
    for (auto [path, mode, expected] : {std::tuple{"raw.bin", L"wb", std::string("A\0\n\0\xac\x20", 6)},
                                        {"log.txt", L"a", std::string("one\r\nA\r\n\x80")}}) {
        file = _wfopen((L"\\Windows\\" + emu::widen_utf8(path)).c_str(), mode);
        ASSERT_NE(file, nullptr);
        fputws(L"A\n\u20ac", file);
        fclose(file);
        EXPECT_EQ(bytes_of("Windows/" + std::string(path)), expected);
    }
}

// Text mode reads CR LF as LF, even split across the stream's buffer, keeps a lone CR and
// stops at Ctrl+Z; binary mode reads wide text as UTF-16.
TEST_F(FilesTest, ReadingInEachMode) {
    const std::string long_line = std::string(4095, 'x');
    const struct {
        std::string bytes;
        const wchar_t* mode;
        bool wide;
        std::wstring expected;
    } cases[] = {
        {"a\r\nb\rc\r\n\x80\x1A" "after", L"r", false, L"a\nb\rc\n\x80"},
        {"a\r\nb\rc\r\n\x80\x1A" "after", L"rt", true, L"a\nb\rc\n\u20ac"},
        {long_line + "\r\ny\r", L"r", false, std::wstring(4095, L'x') + L"\ny\r"},
        {std::string("A\0\n\0\xac\x20", 6), L"rb", true, L"A\n\u20ac"},
    };
    for (const auto& c : cases) {
        put("Windows/in.txt", c.bytes);
        FILE* file = _wfopen(L"\\Windows\\in.txt", c.mode);
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(read_all(file, c.wide), c.expected) << emu::utf8(c.mode);
        fclose(file);
    }
}

TEST_F(FilesTest, OpeningFailsForBadModesMissingFilesAndFolders) {
    std::filesystem::create_directory(host("Windows"));
    const std::tuple<const wchar_t*, const wchar_t*, int> cases[] = {
        {L"\\Windows\\x.txt", L"q", EINVAL},   {L"\\Windows\\x.txt", L"rz", EINVAL},
        {L"\\Windows\\missing.txt", L"r", ENOENT}, {L"\\..\\escape.txt", L"w", EACCES},
    };
    for (auto [path, mode, error] : cases) {
        errno = 0;
        EXPECT_EQ(_wfopen(path, mode), nullptr) << emu::utf8(mode);
        EXPECT_EQ(errno, error) << emu::utf8(mode);
    }
    EXPECT_EQ(_wfopen(L"\\Windows", L"r"), nullptr);
}

TEST_F(FilesTest, HostStreamsKeepTheirOwnWideFunctions) {
    FILE* host_file = tmpfile();
    ASSERT_NE(host_file, nullptr);
    EXPECT_GE(fputws(L"plain", host_file), 0);
    EXPECT_EQ(fwprintf(host_file, L"%d", 42), 2);
    rewind(host_file);
    EXPECT_EQ(read_all(host_file, true), L"plain42");
    fclose(host_file);
}

}  // namespace
