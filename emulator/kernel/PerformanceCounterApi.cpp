// The high-resolution counter counts the host's steady clock in nanoseconds, whatever the
// device clock's mode: programs time real work with it, while GetTickCount follows the
// device's (possibly virtual) time.
#include <chrono>

#include <windows.h>

extern "C" {

BOOL WINAPI QueryPerformanceCounter(LARGE_INTEGER* count) {
    if (!count) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const auto since_epoch = std::chrono::steady_clock::now().time_since_epoch();
    count->QuadPart = std::chrono::duration_cast<std::chrono::nanoseconds>(since_epoch).count();
    return TRUE;
}

BOOL WINAPI QueryPerformanceFrequency(LARGE_INTEGER* frequency) {
    if (!frequency) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    frequency->QuadPart = 1000000000;
    return TRUE;
}

}  // extern "C"
