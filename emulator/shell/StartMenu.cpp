// The Start menu: Win32 code of the shell, run on a device thread of its own.
#include "shell/StartMenu.h"

#include <shellapi.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace emu {

namespace {

const WCHAR kMenuClass[] = L"ShellStartMenu";
const WCHAR kStartMenuFolder[] = L"\\Windows\\Start Menu";
constexpr int kTop = 26;  // below the taskbar
constexpr int kWidth = 150;
constexpr int kItemHeight = 20;
constexpr int kScreenWidth = 240, kScreenHeight = 320;
constexpr COLORREF kHighlight = RGB(0, 44, 124);

struct Item {
    std::wstring name;
    std::wstring path;
    bool folder = false;
    HICON icon = nullptr;
};

struct Menu {
    HWND window = nullptr;
    std::vector<Item> items;
    int marked = -1;  // the item pressed, or the folder open beside the menu
};

// The open menus of this thread's Start menu: the first one, then each open submenu.
thread_local std::vector<Menu> t_menus;

Menu& menu_at(int index) { return t_menus[static_cast<std::size_t>(index)]; }

bool is_shortcut(const std::wstring& name) {
    return name.size() > 4 && _wcsicmp(name.c_str() + name.size() - 4, L".lnk") == 0;
}

HICON small_icon(const std::wstring& path) {
    SHFILEINFOW info{};
    SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON);
    return info.hIcon;
}

// The shortcuts and folders of `folder`, in the listing's order.
std::vector<Item> read_items(const std::wstring& folder) {
    std::vector<Item> items;
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return items;
    do {
        std::wstring name = found.cFileName;
        const bool is_folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (name == L"." || name == L".." || (!is_folder && !is_shortcut(name))) continue;
        const std::wstring path = folder + L"\\" + name;
        items.push_back({is_folder ? name : name.substr(0, name.size() - 4), path, is_folder, small_icon(path)});
    } while (FindNextFileW(find, &found));
    FindClose(find);
    return items;
}

void fill(HDC dc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

// A small triangle pointing right: a folder opens beside its menu.
void paint_arrow(HDC dc, int right, int top, COLORREF colour) {
    for (int i = 0; i < 4; ++i) fill(dc, {right - 8 + i, top + 6 + i, right - 7 + i, top + 13 - i}, colour);
}

void paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    fill(dc, client, RGB(0, 0, 0));
    fill(dc, {1, 1, client.right - 1, client.bottom - 1}, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    for (const auto& menu : t_menus) {
        if (menu.window != window) continue;
        for (int i = 0; i < static_cast<int>(menu.items.size()); ++i) {
            const auto& item = menu.items[static_cast<std::size_t>(i)];
            const int top = 1 + i * kItemHeight;
            const bool marked = i == menu.marked;
            if (marked) fill(dc, {1, top, client.right - 1, top + kItemHeight}, kHighlight);
            const COLORREF text = marked ? RGB(255, 255, 255) : RGB(0, 0, 0);
            DrawIconEx(dc, 4, top + 2, item.icon, 0, 0, 0, nullptr, DI_NORMAL);
            SetTextColor(dc, text);
            RECT room{24, top, client.right - (item.folder ? 12 : 4), top + kItemHeight};
            ExtTextOutW(dc, 24, top + 3, ETO_CLIPPED, &room, item.name.c_str(), static_cast<UINT>(item.name.size()),
                        nullptr);
            if (item.folder) paint_arrow(dc, client.right - 2, top, text);
        }
    }
    EndPaint(window, &ps);
}

// Opens a menu of `folder` with its top-left corner at `x`, `y`, kept on the screen.
bool open_menu(const std::wstring& folder, int x, int y) {
    Menu menu{nullptr, read_items(folder)};
    const int height = 2 + static_cast<int>(menu.items.size()) * kItemHeight;
    x = std::max(0, std::min(x, kScreenWidth - kWidth));
    y = std::max(kTop, std::min(y, kScreenHeight - height));
    t_menus.push_back(std::move(menu));
    HWND window = CreateWindowExW(0, kMenuClass, L"Start", WS_POPUP | WS_VISIBLE, x, y, kWidth, height, nullptr,
                                  nullptr, nullptr, nullptr);
    if (!window) {
        t_menus.pop_back();
        return false;
    }
    t_menus.back().window = window;
    return true;
}

// Closes the menus after the first `keep`.
void close_menus_after(std::size_t keep) {
    while (t_menus.size() > keep) {
        HWND window = t_menus.back().window;
        for (auto& item : t_menus.back().items) DestroyIcon(item.icon);
        t_menus.pop_back();
        DestroyWindow(window);
    }
}

struct Hit {
    int menu = -1;
    int item = -1;
};

// The menu and item under a point of the first menu's client area, the newest menu first.
Hit hit(LPARAM point) {
    POINT at{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    ClientToScreen(t_menus.front().window, &at);
    for (int m = static_cast<int>(t_menus.size()) - 1; m >= 0; --m) {
        RECT rect;
        GetWindowRect(menu_at(m).window, &rect);
        if (at.x < rect.left || at.x >= rect.right || at.y < rect.top || at.y >= rect.bottom) continue;
        const int item = (at.y - rect.top - 1) / kItemHeight;
        const auto count = static_cast<int>(menu_at(m).items.size());
        return {m, at.y - rect.top >= 1 && item < count ? item : -1};
    }
    return {};
}

void mark(int menu, int item) {
    if (menu_at(menu).marked == item) return;
    menu_at(menu).marked = item;
    InvalidateRect(menu_at(menu).window, nullptr, FALSE);
}

// A tap outside every menu closes them; a tap on a folder opens it beside its menu; a tap
// on a shortcut closes the menus and opens it.
void pressed(LPARAM point) {
    const Hit at = hit(point);
    if (at.menu < 0) return close_menus_after(0);
    if (at.item >= 0) mark(at.menu, at.item);
}

void released(LPARAM point) {
    const Hit at = hit(point);
    if (at.menu < 0 || at.item < 0 || menu_at(at.menu).marked != at.item) return;
    const Item item = menu_at(at.menu).items[static_cast<std::size_t>(at.item)];
    close_menus_after(static_cast<std::size_t>(at.menu) + 1);
    if (item.folder) {
        RECT rect;
        GetWindowRect(menu_at(at.menu).window, &rect);
        open_menu(item.path, rect.right - 8, rect.top + at.item * kItemHeight);
        return;
    }
    close_menus_after(0);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.lpFile = item.path.c_str();
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteExW(&info);
}

LRESULT CALLBACK StartMenuProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool first = !t_menus.empty() && t_menus.front().window == window;
    switch (message) {
    case WM_PAINT: paint(window); return 0;
    // The first menu holds the stylus: every tap, on a submenu or outside, comes to it.
    case WM_LBUTTONDOWN:
        if (first) pressed(lParam);
        return 0;
    case WM_LBUTTONUP:
        if (first) released(lParam);
        return 0;
    // Closing any of the menus (the device's shutdown closes every window) closes them all.
    case WM_CLOSE: close_menus_after(0); return 0;
    case WM_DESTROY:
        if (t_menus.empty()) PostQuitMessage(0);
        return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

bool register_class() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = StartMenuProc;
    wc.lpszClassName = kMenuClass;
    return RegisterClassW(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

int run_start_menu() {
    if (!register_class() || !open_menu(kStartMenuFolder, 0, kTop)) return 1;
    SetCapture(t_menus.front().window);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0)) DispatchMessageW(&msg);
    close_menus_after(0);
    return static_cast<int>(msg.wParam);
}

}  // namespace emu
