// The thread that repeats a held scroll step: after a first pause it sends the step message
// to the scroll bar window again and again, each send waiting until the window's thread has
// handled it, until it is stopped.
#pragma once
#include <windows.h>

class RepeatWorker {
public:
    RepeatWorker() = default;
    // Stops a worker that still runs: it must never send to a window that is gone.
    ~RepeatWorker();
    RepeatWorker(const RepeatWorker&) = delete;
    RepeatWorker& operator=(const RepeatWorker&) = delete;

    // Starts repeating `message` to `window`; does nothing while a worker runs already.
    void Start(HWND window, UINT message);
    // Stops the worker at once. A repetition it was waiting to send is withdrawn unhandled.
    void Stop();
    bool Running() const { return thread_ != nullptr; }

    // The pause before the first repetition, and the shortest time between two.
    static const DWORD kFirstDelay = 300;
    static const DWORD kInterval = 50;

private:
    static DWORD WINAPI Run(LPVOID parameter);

    HANDLE thread_ = nullptr;
    // Read by the worker thread; they do not change while it runs.
    HWND window_ = nullptr;
    UINT message_ = 0;
};
