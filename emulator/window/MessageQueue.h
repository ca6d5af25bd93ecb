#pragma once
#include <deque>
#include <memory>

#include <windows.h>

namespace emu {

class DeviceThread;

// A message sent from one thread to a window of another: the sender waits until the
// owner has handled it (done) or it has been withdrawn (its sender was stopped, or the
// window went away).
struct SentMessage {
    HWND window;
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
    DeviceThread* sender = nullptr;
    LRESULT result = 0;
    bool done = false;
};

// The message queue of one device thread.
struct MessageQueue {
    std::deque<std::shared_ptr<SentMessage>> sent;
    std::deque<MSG> posted;
    std::deque<MSG> input;
    bool quit = false;
    int quit_code = 0;
    // The send this thread is waiting on, so that stopping the thread can withdraw it.
    std::shared_ptr<SentMessage> waiting_on;
};

}  // namespace emu
