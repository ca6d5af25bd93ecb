#pragma once
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

bool rect_empty(const RECT& r);
RECT rect_intersection(const RECT& a, const RECT& b);

}  // namespace emu
