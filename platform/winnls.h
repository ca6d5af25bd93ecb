// National language support: the device's default language.
#pragma once
#include <windef.h>

#ifdef __cplusplus
extern "C" {
#endif

#define MAKELANGID(p, s) ((((WORD)(s)) << 10) | (WORD)(p))
#define PRIMARYLANGID(lgid) ((WORD)(lgid) & 0x3ff)
#define SUBLANGID(lgid) ((WORD)(lgid) >> 10)
#define LANG_NEUTRAL 0x00
#define LANG_CHINESE 0x04
#define LANG_ENGLISH 0x09
#define LANG_GERMAN 0x07
#define LANG_FRENCH 0x0c
#define LANG_JAPANESE 0x11
#define LANG_KOREAN 0x12
#define SUBLANG_DEFAULT 0x01
#define SUBLANG_ENGLISH_US 0x01

LANGID WINAPI GetSystemDefaultLangID(void);
LANGID WINAPI GetUserDefaultLangID(void);

#ifdef __cplusplus
}
#endif
