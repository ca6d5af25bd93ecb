// The GDI's fills against the memory they write: a plain memset of the screen's 300 KB
// (the floor, measured in the same run), FillRect of the whole screen on a memory bitmap,
// and the bar panel's rounded rectangle. The fill through a window's clip region, text and
// message sends are timed beside Wine by the peer benchmark (tests/peer).
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
