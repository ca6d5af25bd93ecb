// wsprintf: the conversions, flags, widths and precisions of the platform's formatter, with
// %s a wide and %hs or %S a narrow string, and %ld a LONG (32 bits on every Win32).
#include "Check.h"

namespace {

struct Case {
    const char* name;
    const WCHAR* expected;
    int written;
    WCHAR text[64];
};

}  // namespace

int RunChecks(HINSTANCE, LPWSTR) {
    Case cases[] = {
        {"%d of a negative number", L"-42", 0, {}},
        {"widths, left alignment and zero padding", L"   42|42   |00042", 0, {}},
        {"%u of the largest UINT", L"4294967295", 0, {}},
        {"hexadecimal in both cases and with #", L"ff FF 0xff", 0, {}},
        {"%ld of a negative LONG and %lu of a DWORD", L"-5 7", 0, {}},
        {"%lx of a DWORD", L"deadbeef", 0, {}},
        {"%s is wide, %hs and %S narrow", L"wide narrow narrow", 0, {}},
        {"%c and %%", L"x%", 0, {}},
        {"a precision cuts a string", L"abc|abcdef", 0, {}},
        {"a precision pads a number with zeros", L"0007", 0, {}},
    };
    cases[0].written = wsprintf(cases[0].text, L"%d", -42);
    cases[1].written = wsprintf(cases[1].text, L"%5d|%-5d|%05d", 42, 42, 42);
    cases[2].written = wsprintf(cases[2].text, L"%u", static_cast<UINT>(4294967295u));
    cases[3].written = wsprintf(cases[3].text, L"%x %X %#x", 255, 255, 255);
    cases[4].written = wsprintf(cases[4].text, L"%ld %lu", static_cast<LONG>(-5), static_cast<DWORD>(7));
    cases[5].written = wsprintf(cases[5].text, L"%lx", static_cast<DWORD>(0xDEADBEEF));
    cases[6].written = wsprintf(cases[6].text, L"%s %hs %S", L"wide", "narrow", "narrow");
    cases[7].written = wsprintf(cases[7].text, L"%c%%", L'x');
    cases[8].written = wsprintf(cases[8].text, L"%.3s|%.9s", L"abcdef", L"abcdef");
    cases[9].written = wsprintf(cases[9].text, L"%.4d", 7);
    for (const Case& c : cases) {
        check::Text(c.name, c.text, c.expected);
        char name[96];
        snprintf(name, sizeof name, "... answers the length written (%s)", c.name);
        check::Equal(name, c.written, static_cast<long long>(wcslen(c.expected)));
    }
    return check::Finish();
}
