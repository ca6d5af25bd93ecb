#pragma once
#include <algorithm>
#include <vector>

#include <windef.h>

namespace emu {

// A set of pixels as non-overlapping rectangles (right and bottom exclusive), in whatever
// coordinates its user chooses. Clip regions, visible regions and update regions.
class Region {
public:
    Region() = default;
    explicit Region(const RECT& rect);

    bool empty() const { return rects_.empty(); }
    const std::vector<RECT>& rects() const { return rects_; }
    RECT bounds() const;
    bool contains(LONG x, LONG y) const;

    void add(const RECT& rect);
    void add(const Region& other);
    void subtract(const RECT& rect);
    void subtract(const Region& other);
    void intersect(const RECT& rect);
    void intersect(const Region& other);
    void offset(LONG dx, LONG dy);
    void clear() { rects_.clear(); }

private:
    std::vector<RECT> rects_;
};

// Inline: every fill and copy calls these once for each piece of its clip.
inline bool rect_empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

inline RECT rect_intersection(const RECT& a, const RECT& b) {
    const RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                 std::min(a.bottom, b.bottom)};
    return rect_empty(r) ? RECT{0, 0, 0, 0} : r;
}

}  // namespace emu
