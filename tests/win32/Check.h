// The checks of a differential Win32 test program. Each program is built twice from the
// same source: for the emulated device, and with mingw-w64 for a real Win32 run under Wine.
// Every check prints one line ("ok", "FAIL" or "skip" and its name); the program ends with
// "N passed, N failed" and exits with 0 only when no check failed.
//
// A program defines RunChecks(), which ends with `return check::Finish();` (a program that
// starts itself as a helper process answers the helper's command line there instead);
// Entry.cpp calls it from the platform's entry function.
#pragma once
#include <stdio.h>
#include <string.h>
#include <wchar.h>

#include <windows.h>

int RunChecks(HINSTANCE instance, LPWSTR command_line);

// Desktop SDKs leave out the Windows CE platform's number.
#ifndef VER_PLATFORM_WIN32_CE
#define VER_PLATFORM_WIN32_CE 3
#endif

namespace check {

struct Tally {
    int passed = 0;
    int failed = 0;
    int skipped = 0;
};

inline Tally& tally() {
    static Tally counts;
    return counts;
}

// Windows CE documents some rules differently from desktop Windows; such checks run only
// where the system says it is Windows CE.
inline bool OnWindowsCE() {
    OSVERSIONINFO version;
    memset(&version, 0, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionEx(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_CE;
}

inline bool Report(const char* name, bool ok, const char* detail) {
    if (ok) {
        tally().passed++;
        printf("ok   %s\n", name);
    } else {
        tally().failed++;
        printf("FAIL %s%s%s\n", name, detail[0] ? ": " : "", detail);
    }
    fflush(stdout);
    return ok;
}

inline bool True(const char* name, bool condition) { return Report(name, condition, ""); }

inline bool Equal(const char* name, long long got, long long expected) {
    char detail[96];
    snprintf(detail, sizeof detail, "got %lld, expected %lld", got, expected);
    return Report(name, got == expected, detail);
}

inline bool Colour(const char* name, COLORREF got, COLORREF expected) {
    char detail[96];
    snprintf(detail, sizeof detail, "got %06lX, expected %06lX", static_cast<unsigned long>(got),
             static_cast<unsigned long>(expected));
    return Report(name, got == expected, detail);
}

inline bool SameRect(const char* name, const RECT& got, const RECT& expected) {
    char detail[128];
    snprintf(detail, sizeof detail, "got {%ld,%ld,%ld,%ld}, expected {%ld,%ld,%ld,%ld}", static_cast<long>(got.left),
             static_cast<long>(got.top), static_cast<long>(got.right), static_cast<long>(got.bottom),
             static_cast<long>(expected.left), static_cast<long>(expected.top), static_cast<long>(expected.right),
             static_cast<long>(expected.bottom));
    bool same = got.left == expected.left && got.top == expected.top && got.right == expected.right &&
                got.bottom == expected.bottom;
    return Report(name, same, detail);
}

inline bool Text(const char* name, const WCHAR* got, const WCHAR* expected) {
    char detail[200];
    char got_text[80], expected_text[80];
    int i = 0;
    for (; got[i] && i < 79; ++i) got_text[i] = got[i] < 128 ? static_cast<char>(got[i]) : '?';
    got_text[i] = '\0';
    for (i = 0; expected[i] && i < 79; ++i) expected_text[i] = expected[i] < 128 ? static_cast<char>(expected[i]) : '?';
    expected_text[i] = '\0';
    snprintf(detail, sizeof detail, "got \"%s\", expected \"%s\"", got_text, expected_text);
    return Report(name, wcscmp(got, expected) == 0, detail);
}

// A check of a rule that only Windows CE has: true where it is to run; elsewhere it is
// counted and printed as skipped.
inline bool CeOnly(const char* name) {
    if (OnWindowsCE()) return true;
    tally().skipped++;
    printf("skip %s (a Windows CE rule)\n", name);
    fflush(stdout);
    return false;
}

// A rule that Windows CE documents differently from desktop Windows: checked against the CE
// rule on Windows CE and against the desktop rule elsewhere; the line says which.
inline const char* RuleName(const char* name) {
    static char named[160];
    snprintf(named, sizeof named, "%s [%s rule]", name, OnWindowsCE() ? "Windows CE" : "desktop");
    return named;
}

inline bool ByPlatform(const char* name, long long got, long long on_ce, long long on_desktop) {
    return Equal(RuleName(name), got, OnWindowsCE() ? on_ce : on_desktop);
}

inline bool ByPlatform(const char* name, const RECT& got, const RECT& on_ce, const RECT& on_desktop) {
    return SameRect(RuleName(name), got, OnWindowsCE() ? on_ce : on_desktop);
}

// Prints the closing line; the exit code of the program.
inline int Finish() {
    printf("%d passed, %d failed, %d skipped\n", tally().passed, tally().failed, tally().skipped);
    fflush(stdout);
    return tally().failed == 0 && tally().passed > 0 ? 0 : 1;
}

}  // namespace check
