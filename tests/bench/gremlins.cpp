// Gremlin events per second on Tesselink: one gremlin of 1,000 events on a fresh built-in
// device, its invariants checked after every event. Run with TMPDIR on tmpfs, where the
// device folder then lives.
#include <benchmark/benchmark.h>

#include <sstream>

#include <windows.h>

#include "host/DeviceHost.h"
#include "host/GremlinRun.h"
#include "resources/Resources.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR command_line, int show);

namespace {

void GremlinEvents(benchmark::State& state) {
    const wchar_t program[] = L"\\Windows\\Tesselink.exe";
    emu::GremlinOptions options;
    options.seed = 4;  // a seed whose gremlin breaks nothing, so that every event is played
    options.events = 1000;
    auto install = [&](emu::DeviceHost& host) { host.install(program, &WinMain, tesselink_resources()); };
    for (auto _ : state) {
        std::ostringstream out, err;
        if (emu::run_gremlins(options, install, program, out, err) != 0) state.SkipWithError(out.str().c_str());
    }
    state.SetItemsProcessed(state.iterations() * options.events);
}
BENCHMARK(GremlinEvents)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
