// Fills cut into spans: by clip regions of several rectangles, by the screen's edges, and
// boxes that are empty, one pixel thin or given in reverse order.
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "GdiTest.h"
#include "gdi/Pixel.h"

namespace gdi_test {
namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr int kWidth = emu::Gdi::kScreenWidth, kHeight = emu::Gdi::kScreenHeight;
// The reference drawing's margin around the screen: every shape below stays inside it.
constexpr int kMargin = 40;

// A shape drawn with its coordinates moved by `by`, with the DC's pen and brush as they are.
struct Shape {
    const char* name;
    void (*draw)(HDC dc, POINT by);
};

const Shape kShapes[] = {
    {"FillRect across the clip",
     [](HDC dc, POINT by) {
         const RECT rect{by.x + 5, by.y + 10, by.x + 200, by.y + 150};
         FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
     }},
    {"FillRect wider and taller than the screen",
     [](HDC dc, POINT by) {
         const RECT rect{by.x - 30, by.y - 30, by.x + kWidth + 30, by.y + kHeight + 30};
         FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
     }},
    {"Rectangle over the top-left corner", [](HDC dc, POINT by) { Rectangle(dc, by.x - 20, by.y - 20, by.x + 60, by.y + 45); }},
    {"Rectangle over the bottom-right corner",
     [](HDC dc, POINT by) { Rectangle(dc, by.x + 200, by.y + 290, by.x + kWidth + 25, by.y + kHeight + 25); }},
    {"RoundRect panel", [](HDC dc, POINT by) { RoundRect(dc, by.x + 1, by.y + 1, by.x + 239, by.y + 48, 9, 9); }},
    {"RoundRect over the left and right edges",
     [](HDC dc, POINT by) { RoundRect(dc, by.x - 15, by.y + 60, by.x + kWidth + 15, by.y + 140, 50, 30); }},
    {"RoundRect over the bottom edge, corners of half its size",
     [](HDC dc, POINT by) { RoundRect(dc, by.x + 30, by.y + 250, by.x + 130, by.y + kHeight + 30, 50, 50); }},
};

// Where the clipped drawing is done: a DC's clip region (screen coordinates) and origin.
struct Clip {
    const char* name;
    std::vector<RECT> added, cut;
    POINT origin;

    emu::Region region() const {
        emu::Region result;
        for (const RECT& rect : added) result.add(rect);
        for (const RECT& rect : cut) result.subtract(rect);
        return result;
    }
};

std::vector<RECT> Stripes(bool across) {
    std::vector<RECT> stripes;
    for (LONG i = 0; i < 12; i += 2)
        stripes.push_back(across ? RECT{0, i * 27, kWidth, i * 27 + 27} : RECT{i * 20, 0, i * 20 + 20, kHeight});
    return stripes;
}

const Clip kClips[] = {
    {"the whole screen", {{0, 0, kWidth, kHeight}}, {}, {0, 0}},
    {"the whole screen, origin above and left of it", {{0, 0, kWidth, kHeight}}, {}, {-7, -3}},
    {"a window less three children and a disjoint piece",
     {{10, 5, 230, 300}, {0, 310, 240, 320}},
     {{20, 20, 50, 40}, {100, 0, 120, 320}, {150, 250, 300, 270}},
     {4, 2}},
    {"rows of full width", Stripes(true), {}, {0, 0}},
    {"columns", Stripes(false), {}, {3, 5}},
    {"single pixels at the four corners",
     {{0, 0, 1, 1}, {239, 0, 240, 1}, {0, 319, 1, 320}, {239, 319, 240, 320}},
     {},
     {0, 0}},
};

class SpanClipping : public GdiTest {
protected:
    // The first screen pixel that differs from `shape` drawn unclipped on a bitmap with room
    // around the screen, kept where `clip` allows and grey elsewhere; empty when none does.
    std::string FirstDifference(const Shape& shape, const Clip& clip, bool outlined, bool filled) {
        HDC reference = surface(kWidth + 2 * kMargin, kHeight + 2 * kMargin, kGrey);
        Prepare(reference, outlined, filled);
        shape.draw(reference, {kMargin, kMargin});
        const emu::Surface& unclipped = gdi().dc(reference)->surface();

        const emu::Region region = clip.region();
        gdi().fill_screen(emu::Region(RECT{0, 0, kWidth, kHeight}), kGrey);
        HDC dc = gdi().create_screen_dc(clip.origin, region);
        Prepare(dc, outlined, filled);
        shape.draw(dc, {0, 0});
        gdi().release_dc(dc);

        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const std::uint32_t expected = region.contains(x, y)
                                                   ? unclipped.row(y - clip.origin.y + kMargin)[x - clip.origin.x + kMargin]
                                                   : emu::pixel_of(kGrey);
                const std::uint32_t got = gdi().framebuffer()[y * kWidth + x];
                if (got != expected) {
                    std::ostringstream difference;
                    difference << std::hex << "(" << x << ", " << y << "): " << got << ", expected " << expected;
                    return difference.str();
                }
            }
        return "";
    }

    static void Prepare(HDC dc, bool outlined, bool filled) {
        SelectObject(dc, GetStockObject(outlined ? BLACK_PEN : NULL_PEN));
        SelectObject(dc, GetStockObject(filled ? WHITE_BRUSH : NULL_BRUSH));
    }
};

TEST_F(SpanClipping, ClippedShapesAreTheUnclippedOnesCutToTheClip) {
    for (const Clip& clip : kClips)
        for (const Shape& shape : kShapes)
            for (const auto& [outlined, filled] : {std::pair{true, true}, {false, true}, {true, false}})
                EXPECT_EQ(FirstDifference(shape, clip, outlined, filled), "")
                    << shape.name << " through " << clip.name << (outlined ? "" : ", no pen")
                    << (filled ? "" : ", no brush");
}

void BlackFill(HDC dc, RECT rect) { FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))); }

void NoPenBlackBrush(HDC dc) {
    SelectObject(dc, GetStockObject(NULL_PEN));
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
}

// Thin, empty and reversed boxes, as Wine draws them too.
TEST_F(SpanClipping, DegenerateBoxesDrawOnlyWhatTheyCover) {
    struct Case {
        const char* name;
        void (*draw)(HDC dc);
        Picture expected;
    };
    const Picture nothing{"......", "......", "......", "......", "......"};
    const Case cases[] = {
        {"FillRect no wide", [](HDC dc) { BlackFill(dc, {3, 1, 3, 5}); }, nothing},
        {"FillRect no tall", [](HDC dc) { BlackFill(dc, {1, 2, 5, 2}); }, nothing},
        {"FillRect one pixel", [](HDC dc) { BlackFill(dc, {5, 4, 6, 5}); },
         {"......", "......", "......", "......", ".....#"}},
        {"Rectangle one wide is its outline", [](HDC dc) { Rectangle(dc, 2, 1, 3, 5); },
         {"......", "..#...", "..#...", "..#...", "..#..."}},
        {"Rectangle one tall is its outline", [](HDC dc) { Rectangle(dc, 1, 2, 6, 3); },
         {"......", "......", ".#####", "......", "......"}},
        {"Rectangle no wide", [](HDC dc) { Rectangle(dc, 2, 1, 2, 5); }, nothing},
        {"Rectangle without a pen, one wide",
         [](HDC dc) {
             NoPenBlackBrush(dc);
             Rectangle(dc, 1, 1, 2, 5);
         },
         nothing},
        {"Rectangle without a pen, corners reversed",
         [](HDC dc) {
             NoPenBlackBrush(dc);
             Rectangle(dc, 6, 5, 1, 1);
         },
         {"......", ".####.", ".####.", ".####.", "......"}},
    };
    for (const Case& c : cases) {
        HDC dc = surface(6, 5);
        c.draw(dc);
        EXPECT_EQ(picture(dc, 6, 5), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace gdi_test
