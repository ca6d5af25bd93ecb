// Fills cut into spans: each shape drawn on the screen through a clip of several rectangles,
// and over the screen's edges, is the shape drawn unclipped on a bitmap with room around the
// screen, cut to the clip; empty and reversed boxes cover what they should.
#include <vector>

#include "GdiTest.h"
#include "gdi/Pixel.h"

namespace gdi_test {
namespace {

constexpr int kWidth = emu::Gdi::kScreenWidth, kHeight = emu::Gdi::kScreenHeight, kMargin = 40;

void Black(HDC dc, RECT rect) { FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))); }
void NoPen(HDC dc) { SelectObject(dc, GetStockObject(NULL_PEN)); }

// A shape drawn moved by (x, y) with the DC's default black pen and white brush, and the
// pixels it covers unclipped (-1: not counted).
struct Shape {
    const char* name;
    int covers;
    void (*draw)(HDC dc, int x, int y);
};
const Shape kShapes[] = {
    {"FillRect over every edge", (kWidth + 60) * (kHeight + 60),
     [](HDC dc, int x, int y) { Black(dc, {x - 30, y - 30, x + kWidth + 30, y + kHeight + 30}); }},
    {"Rectangle over the top-left corner", 80 * 65,
     [](HDC dc, int x, int y) { Rectangle(dc, x - 20, y - 20, x + 60, y + 45); }},
    {"Rectangle without a pen over the bottom-right corner", 64 * 54,
     [](HDC dc, int x, int y) { NoPen(dc), Rectangle(dc, x + 200, y + 290, x + 265, y + 345); }},
    {"RoundRect panel", -1, [](HDC dc, int x, int y) { RoundRect(dc, x + 1, y + 1, x + 239, y + 48, 9, 9); }},
    {"RoundRect over the left and right edges", -1,
     [](HDC dc, int x, int y) { RoundRect(dc, x - 15, y + 60, x + kWidth + 15, y + 140, 50, 30); }},
    {"RoundRect without a pen over the bottom edge", -1,
     [](HDC dc, int x, int y) { NoPen(dc), RoundRect(dc, x + 30, y + 250, x + 130, y + kHeight + 30, 50, 50); }},
    {"FillRect of no width", 0, [](HDC dc, int x, int y) { Black(dc, {x + 3, y + 1, x + 3, y + 5}); }},
    {"Rectangle one wide is its outline", 4, [](HDC dc, int x, int y) { Rectangle(dc, x + 2, y + 1, x + 3, y + 5); }},
    {"Rectangle without a pen, corners reversed", 4 * 3,
     [](HDC dc, int x, int y) { NoPen(dc), Rectangle(dc, x + 6, y + 5, x + 1, y + 1); }},
};

// A DC's clip region on the screen: rectangles added, then rectangles cut; and its origin.
struct Clip {
    const char* name;
    std::vector<RECT> added, cut;
    POINT origin;
};
const Clip kClips[] = {
    {"the screen, origin above and left of it", {{0, 0, kWidth, kHeight}}, {}, {-7, -3}},
    {"a window less three children, and a disjoint piece", {{10, 5, 230, 300}, {0, 310, 240, 320}},
     {{20, 20, 50, 40}, {100, 0, 120, 320}, {150, 250, 300, 270}}, {4, 2}},
    {"rows of the screen's width", {{0, 0, kWidth, 27}, {0, 54, kWidth, 81}, {0, 300, kWidth, kHeight}}, {}, {0, 0}},
    {"columns", {{0, 0, 20, kHeight}, {40, 0, 60, kHeight}, {220, 0, kWidth, kHeight}}, {}, {3, 5}},
    {"the four corner pixels", {{0, 0, 1, 1}, {239, 0, 240, 1}, {0, 319, 1, 320}, {239, 319, 240, 320}}, {}, {0, 0}},
};

class SpanClipping : public GdiTest {};

TEST_F(SpanClipping, ShapesThroughAClipAreTheUnclippedShapesCutToIt) {
    for (const Shape& shape : kShapes) {
        HDC reference = surface(kWidth + 2 * kMargin, kHeight + 2 * kMargin, kGrey);
        shape.draw(reference, kMargin, kMargin);
        const emu::Surface& unclipped = gdi().dc(reference)->surface();
        int covered = 0;
        for (int y = 0; y < unclipped.height; ++y)
            for (int x = 0; x < unclipped.width; ++x) covered += unclipped.row(y)[x] != emu::pixel_of(kGrey);
        if (shape.covers >= 0) {
            EXPECT_EQ(covered, shape.covers) << shape.name;
        }

        for (const Clip& clip : kClips) {
            emu::Region region;
            for (const RECT& rect : clip.added) region.add(rect);
            for (const RECT& rect : clip.cut) region.subtract(rect);
            gdi().fill_screen(emu::Region(RECT{0, 0, kWidth, kHeight}), kGrey);
            HDC dc = gdi().create_screen_dc(clip.origin, region);
            shape.draw(dc, 0, 0);
            gdi().release_dc(dc);
            auto expected = [&](int x, int y) {
                if (!region.contains(x, y)) return emu::pixel_of(kGrey);
                return unclipped.row(y - clip.origin.y + kMargin)[x - clip.origin.x + kMargin];
            };
            int wrong = 0;
            for (int y = 0; y < kHeight; ++y)
                for (int x = 0; x < kWidth; ++x) wrong += screen(x, y) != expected(x, y);
            EXPECT_EQ(wrong, 0) << shape.name << " through " << clip.name;
        }
    }
}

}  // namespace
}  // namespace gdi_test
