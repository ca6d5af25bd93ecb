// The colours that recur across the program's drawing, as COLORREF values (0x00BBGGRR).
#pragma once
#include <windows.h>

// The bar's panel, the icon buttons' background and the information dialog's header.
const COLORREF kPanelColour = RGB(240, 237, 227);
// The menu panel and its rows that are not highlighted.
const COLORREF kMenuColour = RGB(228, 228, 228);
// The fill of a highlighted menu row.
const COLORREF kMenuHighlightColour = RGB(27, 36, 111);
// The white frame, the information dialog's panel and a highlighted menu row's text.
const COLORREF kWhiteColour = RGB(255, 255, 255);
// The information dialog's small print.
const COLORREF kGreyTextColour = RGB(153, 153, 153);
// The menu's column divider and an empty gauge's background.
const COLORREF kDividerColour = RGB(200, 200, 200);
// Ordinary text.
const COLORREF kTextColour = RGB(0, 0, 0);
