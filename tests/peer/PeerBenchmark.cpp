// The peer benchmark: the Win32 operations the bar leans on, timed by the host's clock. The
// same source runs on the emulated device and, built with mingw-w64, under Wine, so that the
// two can be compared side by side (scripts/peer-benchmark.sh). Prints one line an operation:
// its name, a tab, and nanoseconds a call.
#include <stdio.h>
#include <string.h>
#include <wchar.h>

#include <windows.h>

namespace {

const UINT kPing = WM_USER + 1;
const WCHAR kClass[] = L"PeerBenchmark";
const RECT kScreen = {0, 0, 240, 320};

HINSTANCE g_instance;
HBRUSH g_panel;
HWND g_worker;

// Calls `body` in batches, doubling the batch until one lasts at least 200 ms of the host's
// clock, and prints that batch's time a call.
template <class Body>
void Time(const char* name, Body body) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    for (long calls = 1;; calls *= 2) {
        QueryPerformanceCounter(&start);
        for (long i = 0; i < calls; ++i) body();
        QueryPerformanceCounter(&end);
        const double seconds = static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
        if (seconds >= 0.2) {
            printf("%s\t%.0f\n", name, seconds * 1e9 / static_cast<double>(calls));
            fflush(stdout);
            return;
        }
    }
}

// Answers kPing; paints a bar panel: its background and a rounded rectangle.
LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kPing: return static_cast<LRESULT>(wParam) + 1;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        RECT client;
        GetClientRect(window, &client);
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        HGDIOBJ previous = SelectObject(dc, g_panel);
        RoundRect(dc, 1, 1, client.right - 1, client.bottom - 1, 9, 9);
        SelectObject(dc, previous);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_DESTROY:
        if (window == g_worker) PostQuitMessage(0);
        return 0;
    }
    return DefWindowProc(window, message, wParam, lParam);
}

HWND Make(DWORD style, int x, int y, int width, int height, HWND parent) {
    return CreateWindowEx(0, kClass, L"", style | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, x, y, width, height,
                          parent, nullptr, g_instance, nullptr);
}

void Pump() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
}

// A hidden window on a thread of its own: shown, it would take the activation from the main
// thread's window, which does not answer while it waits for the thread to be ready.
DWORD WINAPI Worker(LPVOID ready) {
    g_worker = CreateWindowEx(0, kClass, L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, g_instance, nullptr);
    SetEvent(static_cast<HANDLE>(ready));
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0)) DispatchMessage(&msg);
    return 0;
}

void WindowOperations() {
    HWND bar = Make(WS_POPUP, 0, 271, 240, 49, nullptr);
    Pump();
    WPARAM n = 0;
    Time("SendMessage, same thread", [&] { n = static_cast<WPARAM>(SendMessage(bar, kPing, n, 0)); });

    HANDLE ready = CreateEvent(nullptr, FALSE, FALSE, nullptr);
    HANDLE worker = CreateThread(nullptr, 0, Worker, ready, 0, nullptr);
    WaitForSingleObject(ready, INFINITE);
    Time("SendMessage, across threads", [&] { n = static_cast<WPARAM>(SendMessage(g_worker, kPing, n, 0)); });
    SendMessage(g_worker, WM_CLOSE, 0, 0);
    WaitForSingleObject(worker, INFINITE);
    CloseHandle(worker);
    CloseHandle(ready);

    Time("Create + destroy a child window", [&] { DestroyWindow(Make(WS_CHILD, 10, 10, 30, 30, bar)); });
    Pump();
    Time("InvalidateRect + UpdateWindow, 240 x 49", [&] {
        InvalidateRect(bar, nullptr, FALSE);
        UpdateWindow(bar);
    });

    // A parent painting around a row of seven buttons and a strip of ten icons.
    HWND parent = Make(WS_POPUP, 0, 0, 240, 320, nullptr);
    for (int i = 0; i < 7; ++i) Make(WS_CHILD, 2 + 34 * i, 4, 30, 30, parent);
    for (int i = 0; i < 10; ++i) Make(WS_CHILD, 4 + 23 * i, 290, 20, 20, parent);
    Pump();
    HDC clipped = GetDC(parent);
    Time("FillRect 240 x 320 around 17 child windows", [&] { FillRect(clipped, &kScreen, g_panel); });
    ReleaseDC(parent, clipped);
    DestroyWindow(parent);
    DestroyWindow(bar);
}

void DrawingOperations() {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen), source = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 240, 320), source_bitmap = CreateCompatibleBitmap(screen, 240, 320);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(dc, bitmap), previous_source = SelectObject(source, source_bitmap);

    Time("FillRect 240 x 320, memory bitmap", [&] { FillRect(dc, &kScreen, g_panel); });
    SelectObject(dc, g_panel);
    Time("RoundRect 238 x 47", [&] { RoundRect(dc, 1, 1, 239, 48, 9, 9); });

    LOGFONT face;
    memset(&face, 0, sizeof face);
    face.lfHeight = -11;
    face.lfWeight = FW_NORMAL;
    wcscpy(face.lfFaceName, L"Tahoma");
    HFONT font = CreateFontIndirect(&face);
    HGDIOBJ previous_font = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    Time("ExtTextOut, 30 characters", [&] { ExtTextOut(dc, 4, 4, 0, nullptr, L"Storage 1234 KB of 32768 KB ok", 30, nullptr); });
    DeleteObject(SelectObject(dc, previous_font));

    Time("BitBlt 15 x 124", [&] { BitBlt(dc, 100, 100, 15, 124, source, 10, 10, SRCCOPY); });
    const POINT frame[] = {{1, 1}, {238, 1}, {238, 47}, {1, 47}, {1, 1}};
    Time("Polyline, a 238 x 47 frame", [&] { Polyline(dc, frame, 5); });

    HICON icon = LoadIcon(g_instance, MAKEINTRESOURCE(101));
    if (!icon) fprintf(stderr, "the icon did not load\n");
    Time("DrawIconEx 32 x 32", [&] { DrawIconEx(dc, 100, 100, icon, 0, 0, 0, nullptr, DI_NORMAL); });
    DestroyIcon(icon);

    SelectObject(dc, previous);
    SelectObject(source, previous_source);
    DeleteObject(bitmap);
    DeleteObject(source_bitmap);
    DeleteDC(dc);
    DeleteDC(source);
}

}  // namespace

// Windows CE's WinMain takes the command line as wide text; desktop Windows calls that form wWinMain.
#ifdef __MINGW32__
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
#else
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
#endif
{
    g_instance = instance;
    WNDCLASS wc;
    memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.lpszClassName = kClass;
    RegisterClass(&wc);
    g_panel = CreateSolidBrush(RGB(240, 237, 227));

    WindowOperations();
    DrawingOperations();

    DeleteObject(g_panel);
    return 0;
}
