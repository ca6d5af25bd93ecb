// What the bar does with the program's commands, the keys and taps on its gauges.
#pragma once
#include <windows.h>

// True for the command messages the bar answers (3025 to 3030, 4025 to 4041).
bool IsBarCommand(UINT message);
void HandleBarCommand(UINT command);
void HandleKey(WPARAM wParam);
void HandleBarTap(LPARAM lParam);
