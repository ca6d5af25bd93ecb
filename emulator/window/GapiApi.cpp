// GAPI: a full-screen program takes the display and the hardware keys.
#include <gx.h>

#include "window/ApiSupport.h"

using namespace emu;

namespace {

POINT no_point() { return POINT{0, 0}; }

}  // namespace

extern "C" {

int WINAPI GXOpenDisplay(HWND window, DWORD) { return window_of(window) ? 1 : 0; }

int WINAPI GXCloseDisplay(void) { return 1; }

int WINAPI GXOpenInput(void) {
    auto manager = window_manager();
    auto self = Scheduler::current();
    if (!manager || !self || !self->process) return 0;
    manager->input_owner = self->process;
    return 1;
}

int WINAPI GXCloseInput(void) {
    auto manager = window_manager();
    auto self = Scheduler::current();
    if (!manager || !self) return 0;
    if (manager->input_owner == self->process) manager->input_owner = nullptr;
    return 1;
}

struct GXKeyList WINAPI GXGetDefaultKeys(int) {
    GXKeyList keys{};
    keys.vkUp = VK_UP, keys.ptUp = no_point();
    keys.vkDown = VK_DOWN, keys.ptDown = no_point();
    keys.vkLeft = VK_LEFT, keys.ptLeft = no_point();
    keys.vkRight = VK_RIGHT, keys.ptRight = no_point();
    keys.vkA = VK_APP1, keys.ptA = no_point();
    keys.vkB = VK_APP2, keys.ptB = no_point();
    keys.vkC = VK_APP3, keys.ptC = no_point();
    keys.vkStart = VK_RETURN, keys.ptStart = no_point();
    return keys;
}

}  // extern "C"
