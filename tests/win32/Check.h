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

inline int passed, failed, skipped;

// Windows CE documents some rules differently from desktop Windows; such checks run only
// where the system says it is Windows CE.
inline bool OnWindowsCE() {
    OSVERSIONINFO version;
    memset(&version, 0, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionEx(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_CE;
}

inline bool Report(const char* name, bool ok, const char* detail = "") {
    ++(ok ? passed : failed);
    printf(ok ? "ok   %s\n" : "FAIL %s: %s\n", name, detail);
    fflush(stdout);
    SetLastError(0);
    return ok;
}

inline bool True(const char* name, bool condition) { return Report(name, condition); }

inline bool Equal(const char* name, long long got, long long expected) {
    char detail[96];
    snprintf(detail, sizeof detail, "got %lld (%llX), expected %lld (%llX)", got, got, expected, expected);
    return Report(name, got == expected, detail);
}

inline bool SameRect(const char* name, const RECT& got, const RECT& expected) {
    char detail[128];
    snprintf(detail, sizeof detail, "got {%d,%d,%d,%d}, expected {%d,%d,%d,%d}", int(got.left), int(got.top),
             int(got.right), int(got.bottom), int(expected.left), int(expected.top), int(expected.right),
             int(expected.bottom));
    return Report(name, memcmp(&got, &expected, sizeof got) == 0, detail);
}

// Checks that a call failed (`failed`) and set the error code. Every check clears the error
// code when it is done, so that the code a failing call leaves is its own.
inline bool Fails(const char* name, bool failed, DWORD error) {
    const DWORD got = GetLastError();
    char detail[96];
    snprintf(detail, sizeof detail, "%s with error %lu, expected to fail with %lu", failed ? "failed" : "succeeded",
             static_cast<unsigned long>(got), static_cast<unsigned long>(error));
    return Report(name, failed && got == error, detail);
}

// Compares wide texts; the detail shows them with anything beyond ASCII as '?'.
inline bool Text(const char* name, const WCHAR* got, const WCHAR* expected) {
    char detail[200];
    int used = snprintf(detail, sizeof detail, "got \"");
    const WCHAR* texts[] = {got, expected};
    for (const WCHAR* text : texts) {
        for (int i = 0; text[i] && i < 60; ++i) detail[used++] = text[i] < 128 ? static_cast<char>(text[i]) : '?';
        used += snprintf(detail + used, sizeof detail - used, text == got ? "\", expected \"" : "\"");
    }
    return Report(name, wcscmp(got, expected) == 0, detail);
}

// A check of a rule that only Windows CE has: true where it is to run; elsewhere it is
// counted and printed as skipped.
inline bool CeOnly(const char* name) {
    if (OnWindowsCE()) return true;
    skipped++;
    printf("skip %s (a Windows CE rule)\n", name);
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
    printf("%d passed, %d failed, %d skipped\n", passed, failed, skipped);
    fflush(stdout);
    return failed == 0 && passed > 0 ? 0 : 1;
}

}  // namespace check

// Registers a window class of the program, as every program here does.
inline ATOM RegisterWindowClass(HINSTANCE instance, const WCHAR* name, WNDPROC procedure, UINT style = 0,
                                HBRUSH background = nullptr) {
    WNDCLASS wc;
    memset(&wc, 0, sizeof wc);
    wc.style = style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClass(&wc);
}

// Handles every message waiting, the paints last, until nothing is left.
inline void Pump() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
}
