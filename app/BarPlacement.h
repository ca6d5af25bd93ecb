// Where the bar sits: docked at the bottom of the screen in one of two sizes, or over the
// whole screen while a pop-up is open; and where its children sit inside it.
#pragma once

// At start-up, before the children exist: keeps the default window's bottom edge.
void DockInitially();
// Docks in the small (49 pixels) or the large (63 pixels) size at the bar's bottom edge,
// re-places the children and sets the small-mode flag.
void DockSmall();
void DockLarge();
// Docks in the current size.
void Dock();
void GoFullScreen();
// Moves every child to its place in the bar's current client rectangle.
void ReplaceChildren();
