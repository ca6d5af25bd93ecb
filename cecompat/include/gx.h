// GAPI: direct display and hardware-key access for full-screen programs.
#pragma once
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

#define GX_FULLSCREEN 0x01
#define GX_NORMALKEYS 0x02
#define GX_LANDSCAPEKEYS 0x03

struct GXKeyList {
    short vkUp;
    POINT ptUp;
    short vkDown;
    POINT ptDown;
    short vkLeft;
    POINT ptLeft;
    short vkRight;
    POINT ptRight;
    short vkA;
    POINT ptA;
    short vkB;
    POINT ptB;
    short vkC;
    POINT ptC;
    short vkStart;
    POINT ptStart;
};

int WINAPI GXOpenDisplay(HWND hWnd, DWORD dwFlags);
int WINAPI GXCloseDisplay(void);
int WINAPI GXOpenInput(void);
int WINAPI GXCloseInput(void);
struct GXKeyList WINAPI GXGetDefaultKeys(int iOptions);

#ifdef __cplusplus
}
#endif
