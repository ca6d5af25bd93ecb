// Loading a registry file of 50,000 sibling keys, which must take at most 200 ms.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>

#include "kernel/Device.h"
#include "registry/Registry.h"
#include "support/TempDir.h"

namespace {

// A registry file of `keys` sibling keys with one value each.
void write_registry(const std::filesystem::path& image, int keys) {
    std::filesystem::create_directories(image / ".device");
    std::ofstream out(image / ".device/registry.reg");
    out << "Windows Registry Editor Version 5.00\n";
    char line[96];
    for (int i = 0; i < keys; ++i) {
        std::snprintf(line, sizeof line, "\n[HKEY_CURRENT_USER\\Software\\Bench\\Key%05d]\n\"Value\"=dword:%08x\n", i, i);
        out << line;
    }
}

void BM_RegistryLoad(benchmark::State& state) {
    test::TempDir image;
    write_registry(image.path(), static_cast<int>(state.range(0)));
    emu::Device device{image.path(), emu::Clock::Mode::Virtual};
    for (auto _ : state) {
        auto loaded = emu::Registry::load(device);
        if (!loaded.registry) state.SkipWithError(loaded.error.c_str());
        benchmark::DoNotOptimize(loaded);
    }
}
BENCHMARK(BM_RegistryLoad)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
