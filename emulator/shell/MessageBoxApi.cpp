// MessageBox: a modal box drawn by the shell, answered by a tap on one of its buttons.
#include <string>

#include "kernel/Device.h"
#include "kernel/Scheduler.h"
#include "shell/MessageBoxWindow.h"

using namespace emu;

extern "C" {

int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    Device* device = current_device();
    const auto buttons = message_box_buttons(type);
    if (!device || !Scheduler::current() || !buttons) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::wstring shown_text = text ? text : L"", shown_caption = caption ? caption : L"Error";
    const int answer = run_message_box(owner, shown_text, shown_caption, type, *buttons);
    device->log.record("message-box", {{"caption", utf8(shown_caption)},
                                       {"text", utf8(shown_text)},
                                       {"style", static_cast<long long>(type)},
                                       {"answer", static_cast<long long>(answer)}});
    return answer;
}

}  // extern "C"
