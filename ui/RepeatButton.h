// An icon button that reports going down and coming up rather than a completed press, so
// that its parent can repeat a step while it is held: it sends its command when it goes
// down and the stop-repeating command each time it comes up again.
#pragma once
#include "ui/IconButton.h"

// Sent to the parent, both parameters 0, each time a repeat button comes up.
const UINT kStopRepeatingCommand = 5029;

class RepeatButton : public IconButton {
public:
    RepeatButton(LPCWSTR windowName, DWORD style, int x, int y, int width, int height, HWND parent,
                 HINSTANCE instance, UINT command);

    // The first paint sends nothing; every later drawing up sends the stop-repeating command.
    void DrawUp() override;
    // Sends the command when it is the first drawing down since the button last came up.
    void DrawDown() override;
    // A completed press has been reported already; coming up is all that is left.
    void Notify() override;

private:
    int firstPaint_ = 1;
    int armed_ = 1;
};
