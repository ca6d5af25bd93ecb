#pragma once
#include <condition_variable>
#include <deque>
#include <mutex>

#include "frontend/desktop/Geometry.h"

namespace emu::web {

// What the page and the device tell the web front-end's thread.
struct PageMessage {
    enum class Kind {
        PointerDown, PointerMove, PointerUp,  // `point`: a canvas pixel
        ButtonDown, ButtonUp,                  // `value`: a DeviceButton, from the keyboard
        SetLevel,                              // `value`: a PanelControl slider, `point.x` its percent
        ToggleMains,
        Zoom,                                  // `value`: the body's new zoom
        LostFocus,
        End,                                   // `value`: 1 to reset the device, 0 to end it in order
        DeviceRan,                             // the device woke by itself (a timer, a Sleep ended)
        LogChanged,
        Beep,
    };
    Kind kind;
    int value = 0;
    desktop::Point point;
};

// The front-end thread's queue: any thread posts, the front-end's thread waits. A device
// signal already waiting is not queued again, so that a busy device cannot flood it.
class PageInbox {
public:
    void post(PageMessage message);
    // Blocks until a message comes.
    PageMessage take();

private:
    bool waiting_signal(PageMessage::Kind kind) const;

    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<PageMessage> messages_;
};

// The page's inbox, which the page's calls (PageCalls.cpp) post to.
PageInbox& page_inbox();

}  // namespace emu::web
