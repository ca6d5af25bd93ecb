#pragma once
#include <vector>

#include "device/DeviceSettings.h"
#include "frontend/desktop/PanelLayout.h"
#include "frontend/desktop/TextPainter.h"
#include "kernel/EventLog.h"

namespace emu::desktop {

// The values the panel shows, as the sliders set them.
struct PanelValues {
    int battery = 100;  // percent, or BATTERY_PERCENTAGE_UNKNOWN
    bool mains = true;
    int memory = 0;     // percent in use
    int storage = 0;    // percent of the store free
    DWORD store_size = 0;

    bool operator==(const PanelValues&) const = default;
};

PanelValues panel_values(const DeviceSettings& settings);

// Draws the side panel: the device's status controls, the screenshot button and the
// event log, newest last.
class PanelPainter {
public:
    PanelPainter(const PanelLayout& layout, TextPainter& text) : layout_(layout), text_(text) {}

    // `events` end with the newest the log shows; `newer` more were scrolled out below.
    void paint(Pixmap& pixmap, const PanelValues& values, const std::vector<Event>& events, std::size_t newer);

private:
    void paint_controls(Pixmap& pixmap, const PanelValues& values);
    void paint_slider(Pixmap& pixmap, PanelControl slider, int percent, bool known);
    void paint_switch(Pixmap& pixmap, bool on);
    struct LogRow {
        std::wstring time;
        std::wstring name;
        TextStyle name_style;
        std::wstring details;
    };

    void paint_log(Pixmap& pixmap, const std::vector<Event>& events, std::size_t newer);
    std::vector<LogRow> rows_for(const Event& event, int width);
    void paint_row(Pixmap& pixmap, Rect line, const LogRow& row);

    const PanelLayout& layout_;
    TextPainter& text_;
};

}  // namespace emu::desktop
