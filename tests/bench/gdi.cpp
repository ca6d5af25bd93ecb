// The GDI's costs, each drawing into a 240 x 320 memory bitmap: a transparent label, a
// button-sized copy and a frame edge (the fills are in fills.cpp).
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

void CopyButtonSizedBlock(benchmark::State& state) {
    ScreenBitmap screen;
    HDC source = CreateCompatibleDC(screen.dc());
    HBITMAP bitmap = CreateCompatibleBitmap(screen.dc(), emu::Gdi::kScreenWidth, emu::Gdi::kScreenHeight);
    HGDIOBJ previous = SelectObject(source, bitmap);
    for (auto _ : state) BitBlt(screen.dc(), 100, 100, 15, 124, source, 10, 10, SRCCOPY);
    SelectObject(source, previous);
    DeleteObject(bitmap);
    DeleteDC(source);
}
BENCHMARK(CopyButtonSizedBlock);

void FrameEdgePolyline(benchmark::State& state) {
    ScreenBitmap screen;
    const POINT edge[] = {{4, 0}, {236, 0}};
    for (auto _ : state) Polyline(screen.dc(), edge, 2);
}
BENCHMARK(FrameEdgePolyline);

}  // namespace

BENCHMARK_MAIN();
