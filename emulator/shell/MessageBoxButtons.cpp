#include "shell/MessageBoxButtons.h"

#include <algorithm>

#include <winuser.h>

namespace emu {

std::optional<MessageBoxButtons> message_box_buttons(UINT style) {
    MessageBoxButtons buttons;
    switch (style & MB_TYPEMASK) {
    case MB_OK: buttons.ids = {IDOK}; break;
    case MB_OKCANCEL: buttons.ids = {IDOK, IDCANCEL}; break;
    case MB_ABORTRETRYIGNORE: buttons.ids = {IDABORT, IDRETRY, IDIGNORE}; break;
    case MB_YESNOCANCEL: buttons.ids = {IDYES, IDNO, IDCANCEL}; break;
    case MB_YESNO: buttons.ids = {IDYES, IDNO}; break;
    case MB_RETRYCANCEL: buttons.ids = {IDRETRY, IDCANCEL}; break;
    default: return std::nullopt;
    }
    const std::size_t default_index = (style & MB_DEFMASK) >> 8;
    buttons.default_id = buttons.ids[default_index < buttons.ids.size() ? default_index : 0];
    if (std::find(buttons.ids.begin(), buttons.ids.end(), IDCANCEL) != buttons.ids.end()) buttons.close_id = IDCANCEL;
    else if (buttons.ids == std::vector<int>{IDOK}) buttons.close_id = IDOK;
    return buttons;
}

const wchar_t* message_box_button_label(int id) {
    switch (id) {
    case IDOK: return L"OK";
    case IDCANCEL: return L"Cancel";
    case IDABORT: return L"Abort";
    case IDRETRY: return L"Retry";
    case IDIGNORE: return L"Ignore";
    case IDYES: return L"Yes";
    case IDNO: return L"No";
    default: return L"";
    }
}

}  // namespace emu
