#include "ui/WindowRegistry.h"

WindowRegistry::WindowRegistry(int capacity) : entries_(new Entry[capacity]), capacity_(capacity) {}

WindowRegistry::~WindowRegistry() { delete[] entries_; }

int WindowRegistry::add(HWND window, void* object) {
    if (count_ == capacity_) {
        int grown = capacity_ * 2;
        Entry* larger = new Entry[grown];
        for (int i = 0; i < count_; ++i) larger[i] = entries_[i];
        delete[] entries_;
        entries_ = larger;
        capacity_ = grown;
    }
    entries_[count_] = Entry{window, object};
    return ++count_;
}

int WindowRegistry::remove(HWND window) {
    if (count_ < 1) return -1;
    for (int i = 0; i < count_; ++i) {
        if (entries_[i].window != window) continue;
        if (i + 1 != count_) entries_[i] = entries_[count_ - 1];
        return --count_;
    }
    return -1;
}

void* WindowRegistry::find(HWND window) const {
    for (int i = 0; i < count_; ++i)
        if (entries_[i].window == window) return entries_[i].object;
    return nullptr;
}
