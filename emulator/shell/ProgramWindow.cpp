// A built-in program: Win32 code that runs on the program's own device thread.
#include "shell/ProgramWindow.h"

#include <shellapi.h>
#include <windows.h>

#include "shell/PushButton.h"
#include "shell/ShellClass.h"

namespace emu {

namespace {

const WCHAR kWindowClass[] = L"ShellProgram";
constexpr RECT kWorkArea{0, 26, 240, 294};  // below the taskbar, above the menu bar
constexpr int kHeaderHeight = 24;
constexpr COLORREF kHeaderColour = RGB(0, 44, 124);

// Each program has one window and one thread, so the window's state lives with the thread.
struct ProgramState {
    const ProgramWindowContent* content = nullptr;
    HICON large_icon = nullptr;
    HICON small_icon = nullptr;
};
thread_local ProgramState t_program;

HICON shell_icon(const std::wstring& path, UINT size_flag) {
    SHFILEINFOW info{};
    SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | size_flag);
    return info.hIcon;
}

void text_centred(HDC dc, const std::wstring& text, int y, int width, COLORREF colour) {
    SIZE size;
    auto length = static_cast<int>(text.size());
    GetTextExtentPoint32W(dc, text.c_str(), length, &size);
    RECT room{4, y, width - 4, y + size.cy};
    SetTextColor(dc, colour);
    ExtTextOutW(dc, (width - size.cx) / 2, y, ETO_CLIPPED, &room, text.c_str(), static_cast<UINT>(length), nullptr);
}

void paint(HWND window) {
    const auto& content = *t_program.content;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    RECT header{0, 0, client.right, kHeaderHeight};
    HBRUSH header_brush = CreateSolidBrush(kHeaderColour);
    FillRect(dc, &header, header_brush);
    DeleteObject(header_brush);
    SetBkMode(dc, TRANSPARENT);
    DrawIconEx(dc, 4, 4, t_program.small_icon, 0, 0, 0, nullptr, DI_NORMAL);
    SetTextColor(dc, RGB(255, 255, 255));
    ExtTextOutW(dc, 26, 5, 0, nullptr, content.title.c_str(), static_cast<UINT>(content.title.size()), nullptr);
    DrawIconEx(dc, (client.right - 32) / 2, 60, t_program.large_icon, 0, 0, 0, nullptr, DI_NORMAL);
    text_centred(dc, content.title, 100, client.right, RGB(0, 0, 0));
    text_centred(dc, content.detail, 122, client.right, RGB(96, 96, 96));
    EndPaint(window, &ps);
}

LRESULT CALLBACK ProgramWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return create_push_button(window, L"OK", IDOK, {85, 220, 155, 246}) ? 0 : -1;
    case WM_PAINT: paint(window); return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) SendMessageW(window, WM_CLOSE, 0, 0);
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

int message_loop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

int run_program_window(const ProgramWindowContent& content) {
    if (HWND running = FindWindowW(kWindowClass, content.title.c_str())) {
        SetForegroundWindow(running);
        ShowWindow(running, SW_SHOW);
        return 0;
    }
    if (!register_shell_class(kWindowClass, ProgramWindowProc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)))) return 1;
    t_program = {&content, shell_icon(content.program_path, SHGFI_LARGEICON),
                 shell_icon(content.program_path, SHGFI_SMALLICON)};
    HWND window = CreateWindowExW(0, kWindowClass, content.title.c_str(), WS_VISIBLE, kWorkArea.left, kWorkArea.top,
                                  kWorkArea.right - kWorkArea.left, kWorkArea.bottom - kWorkArea.top, nullptr,
                                  nullptr, nullptr, nullptr);
    int exit_code = window ? message_loop() : 1;
    DestroyIcon(t_program.large_icon);
    DestroyIcon(t_program.small_icon);
    t_program = {};
    return exit_code;
}

}  // namespace emu
