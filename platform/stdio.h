// The C library's stdio, plus the device's wide-character open. Text mode (the default,
// or "t" in the mode) stores text in the device's single-byte code page with CR LF line
// ends; "b" keeps bytes as they are. Wide output formats follow the C standard: "%ls"
// for a wide string argument.
#include_next <stdio.h>

#ifndef TESSELINK_PLATFORM_STDIO_H
#define TESSELINK_PLATFORM_STDIO_H
#ifdef __cplusplus
extern "C" {
#endif

FILE* _wfopen(const wchar_t* filename, const wchar_t* mode);

#ifdef __cplusplus
}
#endif
#endif
