// The GDI's costs, each drawing into a 240 x 320 memory bitmap: filling the screen, a
// bar panel's rounded rectangle, a transparent label, a button-sized copy and a frame edge.
#include <benchmark/benchmark.h>

#include <memory>

#include <windows.h>

#include "gdi/Gdi.h"
#include "support/BareDevice.h"

namespace {

// A device with only its GDI, and a memory DC on a bitmap the size of the screen.
class ScreenBitmap {
public:
    ScreenBitmap() {
        bare_.device.gdi = std::make_shared<emu::Gdi>(bare_.device);
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateCompatibleBitmap(dc_, emu::Gdi::kScreenWidth, emu::Gdi::kScreenHeight);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~ScreenBitmap() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }

    HDC dc() const { return dc_; }

private:
    test::BareDevice bare_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

void FillWholeScreen(benchmark::State& state) {
    ScreenBitmap screen;
    HBRUSH brush = CreateSolidBrush(RGB(240, 237, 227));
    const RECT all{0, 0, emu::Gdi::kScreenWidth, emu::Gdi::kScreenHeight};
    for (auto _ : state) FillRect(screen.dc(), &all, brush);
    DeleteObject(brush);
}
BENCHMARK(FillWholeScreen);

void RoundRectPanel(benchmark::State& state) {
    ScreenBitmap screen;
    HBRUSH brush = CreateSolidBrush(RGB(240, 237, 227));
    HGDIOBJ previous = SelectObject(screen.dc(), brush);
    for (auto _ : state) RoundRect(screen.dc(), 1, 1, 239, 48, 9, 9);
    DeleteObject(SelectObject(screen.dc(), previous));
}
BENCHMARK(RoundRectPanel);

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
