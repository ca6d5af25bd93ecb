// The GDI's fills against the memory they write: a plain memset of the screen's 300 KB
// (the floor, measured in the same run), FillRect of the whole screen on a memory bitmap
// and on the screen through a clip region of many rectangles, and the bar panel's
// rounded rectangle.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "support/ScreenBitmap.h"

namespace {

using test::ScreenBitmap;
constexpr RECT kScreen{0, 0, emu::Gdi::kScreenWidth, emu::Gdi::kScreenHeight};

void MemsetOfTheScreen(benchmark::State& state) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(kScreen.right) * kScreen.bottom);
    for (auto _ : state) {
        std::memset(pixels.data(), 0x5A, pixels.size() * sizeof pixels[0]);
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(MemsetOfTheScreen);

void FillRectOfTheScreen(benchmark::State& state) {
    ScreenBitmap screen;
    HBRUSH brush = CreateSolidBrush(RGB(240, 237, 227));
    for (auto _ : state) FillRect(screen.dc(), &kScreen, brush);
    DeleteObject(brush);
}
BENCHMARK(FillRectOfTheScreen);

// The screen less a row of seven buttons and a strip of ten icons: the clip of a parent
// window painting around its children.
void FillRectThroughAClipRegion(benchmark::State& state) {
    ScreenBitmap screen;
    emu::Region visible(kScreen);
    for (LONG i = 0; i < 7; ++i) visible.subtract(RECT{2 + 34 * i, 4, 2 + 34 * i + 30, 34});
    for (LONG i = 0; i < 10; ++i) visible.subtract(RECT{4 + 23 * i, 290, 4 + 23 * i + 20, 310});
    emu::Gdi& gdi = screen.gdi();
    HDC dc = gdi.create_screen_dc({0, 0}, visible);
    HBRUSH brush = CreateSolidBrush(RGB(240, 237, 227));
    for (auto _ : state) FillRect(dc, &kScreen, brush);
    DeleteObject(brush);
    gdi.release_dc(dc);
    state.counters["rectangles"] = static_cast<double>(visible.rects().size());
}
BENCHMARK(FillRectThroughAClipRegion);

// 238 x 47 with 9 x 9 corners, a solid brush and the black pen.
void RoundRectPanel(benchmark::State& state) {
    ScreenBitmap screen;
    HBRUSH brush = CreateSolidBrush(RGB(240, 237, 227));
    HGDIOBJ previous = SelectObject(screen.dc(), brush);
    for (auto _ : state) RoundRect(screen.dc(), 1, 1, 239, 48, 9, 9);
    SelectObject(screen.dc(), previous);
    DeleteObject(brush);
}
BENCHMARK(RoundRectPanel);

}  // namespace

BENCHMARK_MAIN();
