// What a scroll bar tells its owner: the first item the owner is to show.
#pragma once

// The code a scroll bar passes with every new position.
const int kScrollNotification = 5032;

class ScrollOwner {
public:
    // Called with kScrollNotification after every change of position, and during a drag
    // after every accepted move even when the position stayed.
    virtual void Scroll(int code, int firstIndex) = 0;

protected:
    ~ScrollOwner() = default;
};
