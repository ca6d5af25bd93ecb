// The shell's icon look-up as the strip makes it on every paint: a shortcut read and
// followed to its program, a new icon handle on the drawn picture, and its release.
#include <benchmark/benchmark.h>

#include <windows.h>
#include <shellapi.h>

#include "support/TestDevice.h"

namespace {

void IconOf(benchmark::State& state, const wchar_t* path) {
    test::TestDevice device;
    device.run([&] {
        for (auto _ : state) {
            SHFILEINFO info{};
            benchmark::DoNotOptimize(SHGetFileInfo(path, 0, &info, sizeof info, SHGFI_ICON | SHGFI_SYSICONINDEX |
                                                                                     SHGFI_SMALLICON));
            DestroyIcon(info.hIcon);
        }
    });
}
BENCHMARK_CAPTURE(IconOf, Shortcut, L"\\Windows\\Start Menu\\Calendar.lnk");
BENCHMARK_CAPTURE(IconOf, Program, L"\\Windows\\calendar.exe");

}  // namespace

BENCHMARK_MAIN();
