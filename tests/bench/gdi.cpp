// The GDI's costs, each drawing into a 240 x 320 memory bitmap: a transparent label, a
// button-sized copy, a frame edge and a standard icon (the fills are in fills.cpp).
#include <benchmark/benchmark.h>

#include <windows.h>

#include "resources/Resources.h"
#include "support/ScreenBitmap.h"

namespace {

using test::ScreenBitmap;

void TransparentLabel(benchmark::State& state) {
    ScreenBitmap screen;
    const wchar_t text[] = L"Storage 1234 KB of 32768 KB ok";
    static_assert(sizeof text / sizeof text[0] - 1 == 30);
    SetBkMode(screen.dc(), TRANSPARENT);
    for (auto _ : state) ExtTextOut(screen.dc(), 4, 4, 0, nullptr, text, 30, nullptr);
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

// The program's own 32 x 32 icon, with its transparent and blended edges.
void DrawStandardIcon(benchmark::State& state) {
    ScreenBitmap screen;
    const emu::Module& module = screen.device().install(L"\\Windows\\bench.exe", nullptr, tesselink_resources());
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(const_cast<emu::Module*>(&module));
    HICON icon = LoadIcon(instance, MAKEINTRESOURCE(101));
    if (!icon) state.SkipWithError("icon 101 did not load");
    for (auto _ : state) DrawIconEx(screen.dc(), 100, 100, icon, 0, 0, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
}
BENCHMARK(DrawStandardIcon);

}  // namespace

BENCHMARK_MAIN();
