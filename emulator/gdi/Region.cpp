#include "gdi/Region.h"

#include <algorithm>

namespace emu {

Region::Region(const RECT& rect) {
    if (!rect_empty(rect)) rects_.push_back(rect);
}

RECT Region::bounds() const {
    if (rects_.empty()) return {0, 0, 0, 0};
    RECT b = rects_.front();
    for (const auto& r : rects_) {
        b.left = std::min(b.left, r.left);
        b.top = std::min(b.top, r.top);
        b.right = std::max(b.right, r.right);
        b.bottom = std::max(b.bottom, r.bottom);
    }
    return b;
}

bool Region::contains(LONG x, LONG y) const {
    for (const auto& r : rects_)
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
    return false;
}

void Region::add(const RECT& rect) {
    if (rect_empty(rect)) return;
    Region extra(rect);
    for (const auto& r : rects_) extra.subtract(r);
    rects_.insert(rects_.end(), extra.rects_.begin(), extra.rects_.end());
}

void Region::add(const Region& other) {
    for (const auto& r : other.rects_) add(r);
}

void Region::subtract(const RECT& cut) {
    if (rect_empty(cut)) return;
    std::vector<RECT> kept;
    for (const auto& r : rects_) {
        RECT overlap = rect_intersection(r, cut);
        if (rect_empty(overlap)) {
            kept.push_back(r);
            continue;
        }
        // Up to four pieces: the bands above and below the cut, and the parts left and right of it.
        if (r.top < overlap.top) kept.push_back({r.left, r.top, r.right, overlap.top});
        if (overlap.bottom < r.bottom) kept.push_back({r.left, overlap.bottom, r.right, r.bottom});
        if (r.left < overlap.left) kept.push_back({r.left, overlap.top, overlap.left, overlap.bottom});
        if (overlap.right < r.right) kept.push_back({overlap.right, overlap.top, r.right, overlap.bottom});
    }
    rects_ = std::move(kept);
}

void Region::subtract(const Region& other) {
    for (const auto& r : other.rects_) subtract(r);
}

void Region::intersect(const RECT& rect) {
    std::vector<RECT> kept;
    for (const auto& r : rects_) {
        RECT overlap = rect_intersection(r, rect);
        if (!rect_empty(overlap)) kept.push_back(overlap);
    }
    rects_ = std::move(kept);
}

void Region::intersect(const Region& other) {
    std::vector<RECT> kept;
    for (const auto& a : rects_)
        for (const auto& b : other.rects_) {
            RECT overlap = rect_intersection(a, b);
            if (!rect_empty(overlap)) kept.push_back(overlap);
        }
    rects_ = std::move(kept);
}

void Region::offset(LONG dx, LONG dy) {
    for (auto& r : rects_) {
        r.left += dx;
        r.right += dx;
        r.top += dy;
        r.bottom += dy;
    }
}

}  // namespace emu
