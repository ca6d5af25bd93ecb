// Maps a control's window handle to the program object that owns the window, so that a
// window procedure, which only gets the handle, finds its object.
#pragma once
#include <windows.h>

class WindowRegistry {
public:
    explicit WindowRegistry(int capacity);
    virtual ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    // Appends the pair and returns the new count. Grows the table when it is full.
    int add(HWND window, void* object);
    // Removes the first entry for the window, filling its slot with the last entry.
    // Returns the new count, or -1 when no entry matches.
    int remove(HWND window);
    // The object of the first entry for the window, or null.
    void* find(HWND window) const;
    int count() const { return count_; }

private:
    struct Entry {
        HWND window;
        void* object;
    };

    Entry* entries_;
    int count_ = 0;
    int capacity_;
};
