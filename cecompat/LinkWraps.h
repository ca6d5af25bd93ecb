// Link-time wraps of desktop Win32 calls that Windows CE gives another meaning. The
// program calls an imported function through its import slot __imp_<name>; linking with
// -Wl,--wrap=__imp_<name> sends those calls to __wrap___imp_<name>, which CECOMPAT_WRAP
// points at the CE version, while __real___imp_<name> stays the real import, reached as
// CECOMPAT_REAL(name) once CECOMPAT_REAL_IMPORT(name) has declared it.
// cecompat/CMakeLists.txt lists the wrapped names.
#pragma once
#include <windows.h>

#define CECOMPAT_REAL(name) __real___imp_##name

#define CECOMPAT_REAL_IMPORT(name) extern "C" decltype(&::name) __real___imp_##name

#define CECOMPAT_WRAP(name, replacement)                 \
    extern "C" {                                         \
    decltype(&::name) __wrap___imp_##name = replacement; \
    }                                                    \
    static_assert(true, "")
