// Beeps: logged, and sounded by the front-ends that can.
#include "window/ApiSupport.h"

using namespace emu;

extern "C" {

BOOL WINAPI MessageBeep(UINT type) {
    auto device = current_device();
    if (!device) return FALSE;
    device->log.record("beep", {{"type", static_cast<long long>(type)}});
    return TRUE;
}

}  // extern "C"
