#include "app/Gauges.h"

#include "app/ApplicationState.h"
#include "app/StatusProbes.h"

namespace {

const COLORREF kTrackColour = 0x00C8C8C8;
const COLORREF kGreen = 0x00009900;
const COLORREF kRed = 0x000000FF;
const COLORREF kBlue = 0x00FF0000;
const int kBarLength = 18;

// The handles drawing the gauges takes; released together once all three are drawn.
struct GaugeResources {
    HICON icons[3] = {};
    HBRUSH brushes[6] = {};
    int iconCount = 0;
    int brushCount = 0;

    ~GaugeResources() {
        for (int i = 0; i < brushCount; ++i) DeleteObject(brushes[i]);
        for (int i = 0; i < iconCount; ++i) DestroyIcon(icons[i]);
    }
};

void FillBar(HDC dc, GaugeResources& resources, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    resources.brushes[resources.brushCount++] = brush;
    FillRect(dc, &rect, brush);
}

void DrawGauge(HDC dc, GaugeResources& resources, int x, int y, WORD icon, int trackLeft, int fill, COLORREF colour) {
    HICON handle = LoadIcon(appState.instance, MAKEINTRESOURCE(icon));
    resources.icons[resources.iconCount++] = handle;
    DrawIconEx(dc, x, y, handle, 0, 0, 0, nullptr, DI_NORMAL);
    RECT track = {trackLeft, y + 8, trackLeft + kBarLength, y + 12};
    FillBar(dc, resources, track, kTrackColour);
    RECT bar = {trackLeft, y + 8, trackLeft + fill, y + 12};
    FillBar(dc, resources, bar, colour);
}

}  // namespace

int BatteryFill(int percent) {
    int fill = percent * kBarLength / 100;
    return fill > kBarLength ? kBarLength : fill;
}

COLORREF BatteryColour(int percent) { return percent >= 50 ? kGreen : kRed; }

int FreeShareFill(int usedPercent) { return (1800 - 18 * usedPercent) / 100; }

COLORREF FreeShareColour(int usedPercent) { return usedPercent <= 65 ? kBlue : kRed; }

void DrawGauges(HDC dc, int bottom) {
    GaugeResources resources;
    int row = bottom - 19;
    ProbePower();
    WORD batteryIcon = appState.acLineStatus == 1 ? 121 : 116;
    DrawGauge(dc, resources, 39, row, batteryIcon, 47, BatteryFill(appState.batteryPercent),
              BatteryColour(appState.batteryPercent));
    ProbeMemoryAndStorage();
    DrawGauge(dc, resources, 68, row, 117, 78, FreeShareFill(appState.memoryLoad), FreeShareColour(appState.memoryLoad));
    DrawGauge(dc, resources, 99, row, 118, 109, FreeShareFill(appState.storageUsed),
              FreeShareColour(appState.storageUsed));
}
