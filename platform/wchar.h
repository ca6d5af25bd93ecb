// The C library's wide-character functions, plus the device's case-insensitive compares.
#include_next <wchar.h>

#ifndef TESSELINK_PLATFORM_WCHAR_H
#define TESSELINK_PLATFORM_WCHAR_H
#ifdef __cplusplus
extern "C" {
#endif

int _wcsicmp(const wchar_t* string1, const wchar_t* string2);
int _wcsnicmp(const wchar_t* string1, const wchar_t* string2, size_t count);

#ifdef __cplusplus
}
#endif
#endif
