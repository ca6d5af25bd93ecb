// GAPI over desktop Win32. A desktop has no hardware keys for a program to take and no
// display memory to hand out: GXOpenInput and GXOpenDisplay succeed without taking
// anything, and GXGetDefaultKeys reports the device's keys (the direction pad, application
// keys 1 to 3 and the action button), which desktop keyboards send as the same virtual keys
// where they have them.
#include <gx.h>

extern "C" {

int WINAPI GXOpenDisplay(HWND hWnd, DWORD) { return IsWindow(hWnd) ? 1 : 0; }

int WINAPI GXCloseDisplay(void) { return 1; }

int WINAPI GXOpenInput(void) { return 1; }

int WINAPI GXCloseInput(void) { return 1; }

struct GXKeyList WINAPI GXGetDefaultKeys(int) {
    GXKeyList keys{};
    keys.vkUp = VK_UP;
    keys.vkDown = VK_DOWN;
    keys.vkLeft = VK_LEFT;
    keys.vkRight = VK_RIGHT;
    keys.vkA = VK_APP1;
    keys.vkB = VK_APP2;
    keys.vkC = VK_APP3;
    keys.vkStart = VK_RETURN;
    return keys;
}

}  // extern "C"
