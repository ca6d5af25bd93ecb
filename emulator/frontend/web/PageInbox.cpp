#include "frontend/web/PageInbox.h"

#include <algorithm>

namespace emu::web {

namespace {

bool is_signal(PageMessage::Kind kind) {
    return kind == PageMessage::Kind::DeviceRan || kind == PageMessage::Kind::LogChanged ||
           kind == PageMessage::Kind::Beep;
}

}  // namespace

bool PageInbox::waiting_signal(PageMessage::Kind kind) const {
    return std::any_of(messages_.begin(), messages_.end(), [kind](const PageMessage& m) { return m.kind == kind; });
}

void PageInbox::post(PageMessage message) {
    {
        std::lock_guard lock(mutex_);
        if (is_signal(message.kind) && waiting_signal(message.kind)) return;
        messages_.push_back(message);
    }
    arrived_.notify_one();
}

PageMessage PageInbox::take() {
    std::unique_lock lock(mutex_);
    arrived_.wait(lock, [this] { return !messages_.empty(); });
    auto message = messages_.front();
    messages_.pop_front();
    return message;
}

PageInbox& page_inbox() {
    static PageInbox inbox;
    return inbox;
}

}  // namespace emu::web
