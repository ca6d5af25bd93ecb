// A message box: Win32 code of the shell, run on the thread of the program that asked.
#include "shell/MessageBoxWindow.h"

#include <algorithm>
#include <string>
#include <vector>

#include "shell/MessageBoxLayout.h"
#include "shell/PushButton.h"
#include "shell/ShellClass.h"
#include "shell/Shell.h"

namespace emu {

namespace {

const WCHAR kBoxClass[] = L"ShellMessageBox";
constexpr COLORREF kCaptionColour = RGB(0, 44, 124);

struct Box {
    std::wstring caption;
    const MessageBoxButtons* buttons = nullptr;
    MessageBoxLayout layout;
    HWND window = nullptr;
    int answer = 0;
};

// The boxes open on this thread, the innermost last (a box's loop may run code that
// opens another).
thread_local std::vector<Box*> t_boxes;

Box* box_of(HWND window) {
    for (Box* box : t_boxes)
        if (box->window == window) return box;
    return nullptr;
}

void paint(HWND window, const Box& box) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    HBRUSH band = CreateSolidBrush(kCaptionColour);
    FillRect(dc, &box.layout.caption, band);
    DeleteObject(band);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    RECT caption_room = box.layout.caption;
    caption_room.right -= 4;
    ExtTextOutW(dc, 6, 4, ETO_CLIPPED, &caption_room, box.caption.c_str(), static_cast<UINT>(box.caption.size()),
                nullptr);
    SetTextColor(dc, RGB(0, 0, 0));
    int y = box.layout.text_top;
    for (const auto& line : box.layout.lines) {
        ExtTextOutW(dc, box.layout.text_left, y, 0, nullptr, line.c_str(), static_cast<UINT>(line.size()), nullptr);
        y += box.layout.line_height;
    }
    EndPaint(window, &ps);
}

bool create_buttons(HWND window, const Box& box) {
    const auto& ids = box.buttons->ids;
    for (std::size_t i = 0; i < ids.size(); ++i)
        if (!create_push_button(window, message_box_button_label(ids[i]), ids[i], box.layout.buttons[i],
                                ids[i] == box.buttons->default_id))
            return false;
    return true;
}

void answer(Box& box, int id) {
    const auto& ids = box.buttons->ids;
    if (id != 0 && std::find(ids.begin(), ids.end(), id) != ids.end()) box.answer = id;
}

LRESULT CALLBACK MessageBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        Box& box = *static_cast<Box*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        box.window = window;
        return create_buttons(window, box) ? 0 : -1;
    }
    Box* box = box_of(window);
    if (!box) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_PAINT: paint(window, *box); return 0;
    case WM_COMMAND: answer(*box, LOWORD(wParam)); return 0;
    case WM_CLOSE: answer(*box, box->buttons->close_id); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

MessageBoxLayout lay_out(std::wstring_view text, std::size_t button_count) {
    HDC dc = CreateCompatibleDC(nullptr);
    MessageBoxLayout layout = lay_out_message_box(dc, text, button_count);
    DeleteDC(dc);
    return layout;
}

HWND top_level_of(HWND window) {
    while (HWND parent = GetParent(window)) window = parent;
    return window;
}

// What the host sees of the box while it is open.
OpenMessageBox describe(const Box& box, std::wstring_view text, UINT style) {
    OpenMessageBox open{box.window, box.caption, std::wstring(text), style, {}, box.buttons->default_id};
    const RECT& frame = box.layout.window;
    const LONG x = frame.left + 1, y = frame.top + 1;  // inside the frame
    for (std::size_t i = 0; i < box.buttons->ids.size(); ++i) {
        const RECT& at = box.layout.buttons[i];
        open.buttons.push_back({box.buttons->ids[i], {at.left + x, at.top + y, at.right + x, at.bottom + y}});
    }
    return open;
}

// Keeps the box known to its thread and to the shell while it is open, however its run
// ends (a stopped thread unwinds through here too).
class OpenBox {
public:
    explicit OpenBox(Box& box) : box_(box) { t_boxes.push_back(&box); }
    ~OpenBox() {
        std::erase(t_boxes, &box_);
        if (Shell* shell = current_shell())
            std::erase_if(shell->message_boxes(), [&](const auto& open) { return open.window == box_.window; });
    }
    OpenBox(const OpenBox&) = delete;
    OpenBox& operator=(const OpenBox&) = delete;

private:
    Box& box_;
};

int message_loop(Box& box) {
    MSG msg;
    while (!box.answer) {
        if (!GetMessageW(&msg, nullptr, 0, 0)) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return box.buttons->default_id;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return box.answer;
}

}  // namespace

int run_message_box(HWND owner, std::wstring_view text, std::wstring_view caption, UINT style,
                    const MessageBoxButtons& buttons) {
    if (!register_shell_class(kBoxClass, MessageBoxProc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)))) return 0;
    Box box{std::wstring(caption), &buttons, lay_out(text, buttons.ids.size())};
    OpenBox open(box);
    const RECT& frame = box.layout.window;
    if (!CreateWindowExW(WS_EX_TOPMOST, kBoxClass, box.caption.c_str(), WS_POPUP | WS_BORDER | WS_VISIBLE, frame.left,
                         frame.top, frame.right - frame.left, frame.bottom - frame.top, owner, nullptr, nullptr, &box))
        return 0;
    if (Shell* shell = current_shell()) shell->message_boxes().push_back(describe(box, text, style));
    HWND disabled = owner && IsWindow(owner) ? top_level_of(owner) : nullptr;
    if (disabled && !IsWindowEnabled(disabled)) disabled = nullptr;
    if (disabled) EnableWindow(disabled, FALSE);
    const int result = message_loop(box);
    if (disabled) EnableWindow(disabled, TRUE);
    DestroyWindow(box.window);
    if (disabled) SetForegroundWindow(disabled);
    return result;
}

}  // namespace emu
