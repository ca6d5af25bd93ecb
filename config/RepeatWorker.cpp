#include "config/RepeatWorker.h"

RepeatWorker::~RepeatWorker() { Stop(); }

void RepeatWorker::Start(HWND window, UINT message) {
    if (thread_) return;
    window_ = window;
    message_ = message;
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

void RepeatWorker::Stop() {
    if (!thread_) return;
    TerminateThread(thread_, 0);
    CloseHandle(thread_);
    thread_ = nullptr;
}

// A step on the device took tens of milliseconds, so the pause after each repetition keeps a
// held arrow at the speed the user knows instead of running the list to its end at once.
DWORD WINAPI RepeatWorker::Run(LPVOID parameter) {
    const auto* worker = static_cast<const RepeatWorker*>(parameter);
    Sleep(kFirstDelay);
    for (;;) {
        SendMessage(worker->window_, worker->message_, 0, 0);
        Sleep(kInterval);
    }
}
