// Messages: a send to a window of the same thread is a nested call; a send to another
// thread's window is handled on that thread while the sender waits, handling what is sent to
// it meanwhile; posted messages come in order, before WM_QUIT and before WM_PAINT; GetMessage
// and PeekMessage filter by window and range; PeekMessage can leave a message in place.
#include "MessageLog.h"

namespace {

const UINT kOuter = WM_USER + 1, kInner = WM_USER + 2, kAsk = WM_USER + 3, kCallback = WM_USER + 4;
const UINT kFirst = WM_USER + 10;

HINSTANCE g_instance;
HWND g_main;    // the main thread's window
HWND g_worker;  // the worker thread's window
DWORD g_handler_thread;
HANDLE g_worker_ready;
int g_worker_returned_sent;  // sent messages GetMessage handed back to the worker's loop

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kOuter: {
        message_log::Add(window, "outer");
        LRESULT inner = SendMessage(window, kInner, 0, 0);
        message_log::Add(window, "outer-end");
        return inner + 1;
    }
    case kInner: message_log::Add(window, "inner"); return 41;
    case kAsk: {
        message_log::Add(window, "ask");
        g_handler_thread = GetCurrentThreadId();
        LRESULT back = SendMessage(g_main, kCallback, 0, 0);
        message_log::Add(window, "ask-end");
        return back * 2;
    }
    case kCallback: message_log::Add(window, "callback"); return 21;
    case WM_PAINT: message_log::Add(window, "paint"); break;
    case WM_DESTROY:
        if (window == g_worker) PostQuitMessage(0);
        return 0;
    default:
        if (message >= kFirst && message < kFirst + 10) {
            char word[16];
            snprintf(word, sizeof word, "%u", message - kFirst);
            message_log::Add(window, word);
            return 0;
        }
    }
    return DefWindowProc(window, message, wParam, lParam);
}

HWND Make(const WCHAR* title, DWORD style) {
    return CreateWindowEx(0, L"Messages", title, WS_POPUP | style, 20, 60, 50, 50, nullptr, nullptr, g_instance,
                          nullptr);
}

DWORD WINAPI Worker(LPVOID) {
    g_worker = Make(L"W", 0);
    SetEvent(g_worker_ready);
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0)) {
        if (msg.message == kAsk) g_worker_returned_sent++;
        DispatchMessage(&msg);
    }
    return 7;
}

void SendingOnOneThread() {
    HWND window = Make(L"N", 0);
    message_log::Clear();
    check::Equal("a nested send returns its own result", SendMessage(window, kOuter, 0, 0), 42);
    message_log::Check("... inside the outer call", "N:outer N:inner N:outer-end");
    DestroyWindow(window);
}

void SendingBetweenThreads() {
    g_main = Make(L"M", 0);
    g_worker_ready = CreateEvent(nullptr, TRUE, FALSE, nullptr);
    DWORD worker_id = 0;
    HANDLE worker = CreateThread(nullptr, 0, Worker, nullptr, 0, &worker_id);
    WaitForSingleObject(g_worker_ready, 5000);
    message_log::Clear();
    check::Equal("a send to another thread's window returns its result", SendMessage(g_worker, kAsk, 0, 0), 42);
    message_log::Check("... and the sender handles a send back while it waits", "W:ask M:callback W:ask-end");
    check::True("the window's own thread handles it", g_handler_thread == worker_id);
    check::Equal("GetMessage never hands a sent message back", g_worker_returned_sent, 0);
    check::True("the window belongs to the thread that created it",
                GetWindowThreadProcessId(g_worker, nullptr) == worker_id);
    check::Fails("another thread cannot destroy the window", DestroyWindow(g_worker) == FALSE, ERROR_ACCESS_DENIED);

    PostMessage(g_worker, WM_CLOSE, 0, 0);
    check::Equal("the thread ends when its window closes", WaitForSingleObject(worker, 5000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeThread(worker, &code);
    check::Equal("... with its own exit code", code, 7);
    CloseHandle(worker);
    CloseHandle(g_worker_ready);
    DestroyWindow(g_main);
}

void QueueOrder() {
    HWND window = Make(L"Q", WS_VISIBLE);
    HWND other = Make(L"O", 0);
    Pump();

    InvalidateRect(window, nullptr, FALSE);
    PostQuitMessage(3);
    for (UINT i = 0; i < 3; ++i) PostMessage(window, kFirst + i, 0, 0);
    PostMessage(other, kFirst + 5, 0, 0);
    message_log::Clear();
    MSG msg;
    check::True("PeekMessage without PM_REMOVE leaves the message",
                PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message == kFirst);
    check::True("a window filter skips other windows' messages",
                PeekMessage(&msg, other, 0, 0, PM_REMOVE) && msg.message == kFirst + 5);
    check::True("a range filter skips messages outside it",
                PeekMessage(&msg, nullptr, kFirst + 2, kFirst + 2, PM_REMOVE) && msg.message == kFirst + 2);
    while (GetMessage(&msg, nullptr, 0, 0)) DispatchMessage(&msg);
    message_log::Check("posted messages come in order before WM_QUIT", "Q:0 Q:1");
    check::Equal("WM_QUIT carries the exit code", msg.wParam, 3);
    check::True("WM_QUIT is taken once", PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message == WM_PAINT);

    message_log::Clear();
    InvalidateRect(window, nullptr, FALSE);
    PostMessage(window, kFirst, 0, 0);
    Pump();
    message_log::Check("WM_PAINT comes after posted messages", "Q:0 Q:paint");
    check::True("nothing is left once the window is valid", !PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    DestroyWindow(other);
    DestroyWindow(window);
}

}  // namespace

int RunChecks(HINSTANCE instance, LPWSTR) {
    g_instance = instance;
    RegisterWindowClass(instance, L"Messages", Procedure);
    SendingOnOneThread();
    SendingBetweenThreads();
    QueueOrder();
    return check::Finish();
}
