#pragma once
#include <optional>
#include <vector>

#include <windef.h>

namespace emu {

// The buttons a MessageBox style asks for, left to right, by the ID each answers with.
struct MessageBoxButtons {
    std::vector<int> ids;
    int default_id = 0;  // the MB_DEFBUTTONn one; the first when the style names one it lacks
    int close_id = 0;    // what closing the box answers: Cancel, or OK alone; 0 when it cannot be closed
};

// Null for a style whose set of buttons the device does not have.
std::optional<MessageBoxButtons> message_box_buttons(UINT style);

// The label of the button answering `id`.
const wchar_t* message_box_button_label(int id);

}  // namespace emu
