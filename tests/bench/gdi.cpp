// The GDI's fills and text, each drawing into a 240 x 320 memory bitmap: filling the screen,
// a bar panel's rounded rectangle and a transparent label.
#include <benchmark/benchmark.h>

#include <memory>

#include <windows.h>

#include "gdi/Gdi.h"
#include "support/BareDevice.h"

namespace {

// A device with only its GDI, and a memory DC on a bitmap the size of the screen; the
// device frees them at the end.
class ScreenBitmap : test::BareDevice {
public:
    ScreenBitmap() {
        device.gdi = std::make_shared<emu::Gdi>(device);
        dc_ = CreateCompatibleDC(nullptr);
        SelectObject(dc_, CreateCompatibleBitmap(dc_, emu::Gdi::kScreenWidth, emu::Gdi::kScreenHeight));
    }
    HDC dc() const { return dc_; }

private:
    HDC dc_ = nullptr;
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

}  // namespace

BENCHMARK_MAIN();
