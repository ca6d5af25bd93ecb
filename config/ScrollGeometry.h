// Where the scroll bar's thumb sits, in pixels of the scroll bar's client area. The track
// runs from the track top to 28 pixels above the bottom, between the arrow buttons; the
// thumb's top moves from the track top to the thumb limit. Divisions truncate toward zero,
// multiplying first.
#pragma once

const int kTrackTop = 14;

// Which items the owner shows and how tall the scroll bar is.
struct ScrollGeometry {
    int itemCount;
    int visibleCount;
    int height;

    // The last position: the first visible item when the list is shown to its end.
    int LastPosition() const { return itemCount - visibleCount; }
    // The visible share of the track, never below 8 pixels.
    int ThumbLength() const;
    // The largest thumb top for a thumb of `thumbLength`.
    int ThumbLimit(int thumbLength) const { return height - 28 - thumbLength; }
    // The thumb top that shows `position`, and the position a thumb top shows.
    int ThumbTopFor(int position, int thumbLimit) const;
    int PositionFor(int thumbTop, int thumbLimit) const;
};
