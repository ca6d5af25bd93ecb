// The C library's text files. Desktop Win32's text mode does what Windows CE's does (CR LF
// for each line end, Ctrl+Z ends a file) except for the characters: in the C locale it
// stores only characters up to U+00FF, each as its own value, where the device converts
// through its code page, Windows-1252. So every open first puts the C library's character
// type in that code page.
#include <locale.h>
#include <stdio.h>

#include "LinkWraps.h"

CECOMPAT_REAL_IMPORT(_wfopen);

namespace {

// Wrapped: _wfopen in the device's code page.
FILE* __cdecl device_wfopen(const wchar_t* filename, const wchar_t* mode) {
    static const bool in_code_page = setlocale(LC_CTYPE, ".1252") != nullptr;
    (void)in_code_page;
    return CECOMPAT_REAL(_wfopen)(filename, mode);
}

}  // namespace

CECOMPAT_WRAP(_wfopen, device_wfopen);
