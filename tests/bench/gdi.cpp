// The GDI's text cost, drawing into a 240 x 320 memory bitmap: a transparent label (the fills
// are in fills.cpp).
#include <benchmark/benchmark.h>

#include <windows.h>

#include "support/ScreenBitmap.h"

namespace {

using test::ScreenBitmap;

// A 30-character status label.
void TransparentLabel(benchmark::State& state) {
    ScreenBitmap screen;
    SetBkMode(screen.dc(), TRANSPARENT);
    for (auto _ : state) ExtTextOut(screen.dc(), 4, 4, 0, nullptr, L"Storage 1234 KB of 32768 KB ok", 30, nullptr);
}
BENCHMARK(TransparentLabel);

}  // namespace

BENCHMARK_MAIN();
