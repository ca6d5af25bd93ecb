#include "config/ScrollGeometry.h"

namespace {

const int kShortestThumb = 8;
// The arrow buttons above and below the track take this much of the height.
const int kButtonsLength = 42;

}  // namespace

int ScrollGeometry::ThumbLength() const {
    if (itemCount <= 0) return kShortestThumb;
    int length = visibleCount * (height - kButtonsLength) / itemCount;
    return length < kShortestThumb ? kShortestThumb : length;
}

// A list that fits, or a track shorter than the thumb, leaves the thumb at the track top and
// the position at 0 rather than dividing by nothing.
int ScrollGeometry::ThumbTopFor(int position, int thumbLimit) const {
    if (LastPosition() <= 0) return kTrackTop;
    return kTrackTop + (thumbLimit - kTrackTop) * position / LastPosition();
}

int ScrollGeometry::PositionFor(int thumbTop, int thumbLimit) const {
    if (thumbLimit <= kTrackTop) return 0;
    return LastPosition() * (thumbTop - kTrackTop) / (thumbLimit - kTrackTop);
}
