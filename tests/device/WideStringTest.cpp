#include <gtest/gtest.h>

#include <wchar.h>

namespace {

int sign(int n) { return (n > 0) - (n < 0); }

// The comparisons ignore letter case; the counted one stops at its count or a terminator.
TEST(WideString, CompareIgnoresLetterCase) {
    const std::tuple<const wchar_t*, const wchar_t*, int> whole[] = {
        {L"Tesselink.LNK", L"tesselink.lnk", 0}, {L"apple", L"Banana", -1}, {L"banana", L"Apple", 1},
        {L"abc", L"ABCD", -1}, {L"abcd", L"ABC", 1}};
    for (auto [a, b, expected] : whole) EXPECT_EQ(sign(_wcsicmp(a, b)), expected);
    const std::tuple<const wchar_t*, const wchar_t*, size_t, int> counted[] = {
        {L"Compaq iPAQ H3600", L"COMPAQ IPAQ", 11, 0}, {L"Compaq iPAQ H3600", L"COMPAQ IPAQ", 12, 1},
        {L"Compaq", L"Compaq iPAQ", 11, -1}, {L"x", L"y", 0, 0}};
    for (auto [a, b, count, expected] : counted) EXPECT_EQ(sign(_wcsnicmp(a, b, count)), expected);
}

}  // namespace
