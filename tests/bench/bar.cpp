// A full repaint of the bar on the default device: panel, gauges, seven buttons and a
// strip of ten icons.
#include <benchmark/benchmark.h>

#include "app/ApplicationState.h"
#include "app/BarPlacement.h"
#include "app/BarWindow.h"
#include "apps/ApplicationItem.h"
#include "apps/ApplicationStrip.h"
#include "apps/OptionsFile.h"
#include "apps/StartupRegistration.h"
#include "program/ProgramDevice.h"
#include "ui/IconButton.h"

namespace {

void Repaint(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
}

// Brings the bar up on the calling thread as the program's start-up does, so that the
// repaints below are the bar's own, without sends between threads.
void StartBar(HINSTANCE instance) {
    appState.instance = instance;
    WNDCLASS wc = {};
    wc.lpfnWndProc = BarWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kBarClassName;
    RegisterClass(&wc);
    appState.bar = CreateWindowEx(0, kBarClassName, kBarClassName, WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    ReadOptions();
    ReadStartMenuDirectory();
    DockInitially();
    UpdateWindow(appState.bar);
}

void FullBarRepaint(benchmark::State& state) {
    test::ProgramDevice device;
    HINSTANCE instance = device.instance_with(tesselink_resources());
    device.run([&] {
        StartBar(instance);
        while (appState.chosenCount < 10) appState.chosen[appState.chosenCount++] = appState.chosen[0];
        appState.strip->SetItems(appState.chosen, appState.chosenCount);
        IconButton* buttons[] = {appState.closeButton, appState.infoButton,      appState.configButton,
                                 appState.hideButton,  appState.sizeButton,      appState.backlightButton,
                                 appState.settingsButton};
        for (auto _ : state) {
            Repaint(appState.bar);
            for (IconButton* button : buttons) Repaint(button->Window());
            Repaint(appState.stripWindow);
        }
    });
}
BENCHMARK(FullBarRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
