// wsprintf: the conversions, flags, widths and precisions of the platform's formatter, with
// %s a wide and %hs or %S a narrow string, and %ld a LONG (32 bits on every Win32).
#include "Check.h"

namespace {

WCHAR g_text[64];

// Checks what the last wsprintf into g_text wrote, and that it answered its length.
void Formatted(const char* name, int written, const WCHAR* expected) {
    if (check::Text(name, g_text, expected))
        check::Equal("... answering the length written", written, wcslen(expected));
}

}  // namespace

int RunChecks(HINSTANCE, LPWSTR) {
    Formatted("%d of a negative number", wsprintf(g_text, L"%d", -42), L"-42");
    Formatted("widths, left alignment and zero padding", wsprintf(g_text, L"%5d|%-5d|%05d", 42, 42, 42),
              L"   42|42   |00042");
    Formatted("%u of the largest UINT", wsprintf(g_text, L"%u", static_cast<UINT>(4294967295u)), L"4294967295");
    Formatted("hexadecimal in both cases and with #", wsprintf(g_text, L"%x %X %#x", 255, 255, 255), L"ff FF 0xff");
    Formatted("%ld of a negative LONG and %lu of a DWORD",
              wsprintf(g_text, L"%ld %lu", static_cast<LONG>(-5), static_cast<DWORD>(7)), L"-5 7");
    Formatted("%lx of a DWORD", wsprintf(g_text, L"%lx", static_cast<DWORD>(0xDEADBEEF)), L"deadbeef");
    Formatted("%s is wide, %hs and %S narrow", wsprintf(g_text, L"%s %hs %S", L"wide", "narrow", "narrow"),
              L"wide narrow narrow");
    Formatted("%c and %%", wsprintf(g_text, L"%c%%", L'x'), L"x%");
    Formatted("a precision cuts a string", wsprintf(g_text, L"%.3s|%.9s", L"abcdef", L"abcdef"), L"abc|abcdef");
    Formatted("a precision pads a number with zeros", wsprintf(g_text, L"%.4d", 7), L"0007");
    return check::Finish();
}
