#include <gtest/gtest.h>

#include <wchar.h>

namespace {

TEST(WideString, CompareIgnoresLetterCase) {
    EXPECT_EQ(_wcsicmp(L"Tesselink.LNK", L"tesselink.lnk"), 0);
    EXPECT_LT(_wcsicmp(L"apple", L"Banana"), 0);
    EXPECT_GT(_wcsicmp(L"banana", L"Apple"), 0);
    EXPECT_LT(_wcsicmp(L"abc", L"ABCD"), 0);
    EXPECT_GT(_wcsicmp(L"abcd", L"ABC"), 0);
}

TEST(WideString, CountedCompareStopsAtCountOrTerminator) {
    EXPECT_EQ(_wcsnicmp(L"Compaq iPAQ H3600", L"COMPAQ IPAQ", 11), 0);
    EXPECT_NE(_wcsnicmp(L"Compaq iPAQ H3600", L"COMPAQ IPAQ", 12), 0);
    EXPECT_LT(_wcsnicmp(L"Compaq", L"Compaq iPAQ", 11), 0);
    EXPECT_EQ(_wcsnicmp(L"x", L"y", 0), 0);
}

}  // namespace
