#pragma once
#include <array>
#include <map>
#include <string>
#include <vector>

#include <windows.h>

#include "kernel/EventLog.h"
#include "support/TestWindow.h"

namespace test {

// What the test windows' procedures saw, in order, as "<window title>:<message>".
struct Recorder {
    static std::vector<std::string>& seen() {
        static std::vector<std::string> lines;
        return lines;
    }
    static void record(HWND window, UINT message) {
        static const std::map<UINT, std::string> names{
            {WM_CREATE, "WM_CREATE"},         {WM_DESTROY, "WM_DESTROY"},         {WM_PAINT, "WM_PAINT"},
            {WM_ERASEBKGND, "WM_ERASEBKGND"}, {WM_SETFOCUS, "WM_SETFOCUS"},       {WM_KILLFOCUS, "WM_KILLFOCUS"},
            {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
            {WM_LBUTTONUP, "WM_LBUTTONUP"},   {WM_MOUSEMOVE, "WM_MOUSEMOVE"}};
        WCHAR title[64] = {};
        GetWindowText(window, title, 64);
        auto name = names.find(message);
        seen().push_back(emu::utf8(title) + ":" + (name == names.end() ? std::to_string(message) : name->second));
    }
    // A window procedure that records everything and answers as the default procedure does.
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        record(window, message);
        return DefWindowProc(window, message, wParam, lParam);
    }
};

// A rectangle's left, top, right and bottom, to compare in one go.
inline std::array<LONG, 4> corners(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// A window of a recording class.
inline HWND RecordedWindow(const wchar_t* title, DWORD style, int x, int y, int w, int h, HWND parent = nullptr,
                       WNDPROC procedure = Recorder::Procedure) {
    return test::MakeWindow(title, style, x, y, w, h, parent, procedure);
}

}  // namespace test
