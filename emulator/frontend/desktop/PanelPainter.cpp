#include "frontend/desktop/PanelPainter.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "frontend/desktop/EventLine.h"
#include "frontend/desktop/Palette.h"
#include "frontend/desktop/Percent.h"

namespace emu::desktop {

namespace {

constexpr TextStyle kTitle{15, true, palette::kText};
constexpr TextStyle kLabel{13, false, palette::kText};
constexpr TextStyle kTime{11, false, palette::kQuietText};
constexpr TextStyle kDetails{12, false, palette::kText};
constexpr TextStyle kButtonLabel{12, false, palette::kText};
constexpr int kTimeWidth = 52;
constexpr int kGap = 8;
constexpr std::size_t kDetailRows = 2;

Colour kind_colour(EventKind kind) {
    switch (kind) {
    case EventKind::Launch: return 0x2F6DB5;
    case EventKind::Sound: return 0xB5651D;
    case EventKind::Settings: return 0x7B4BA8;
    case EventKind::Display: return 0x8A7A00;
    case EventKind::Problem: return 0xB03030;
    case EventKind::Other: return palette::kText;
    }
    return palette::kText;
}

std::wstring megabytes(DWORD bytes) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%.1f MB", bytes / 1e6);
    return text;
}

}  // namespace

PanelValues panel_values(const DeviceSettings& settings) {
    return {settings.battery_percent, settings.ac_line == AcLine::Online, static_cast<int>(settings.memory_load),
            percent_in(settings.store_free, settings.store_size), settings.store_size};
}

void PanelPainter::paint(Pixmap& pixmap, const PanelValues& values, const std::vector<Event>& events,
                         std::size_t newer) {
    pixmap.fill(layout_.area(), palette::kPanel);
    text_.draw(pixmap, layout_.title(), L"Device", kTitle);
    const auto button = layout_.screenshot_button();
    pixmap.fill_rounded(button, 4, palette::kTrack);
    text_.draw(pixmap, button, L"Screenshot (F12)", kButtonLabel, Align::Centre);
    paint_controls(pixmap, values);
    paint_log(pixmap, events, newer);
}

void PanelPainter::paint_controls(Pixmap& pixmap, const PanelValues& values) {
    const bool battery_known = values.battery <= 100;
    text_.draw(pixmap, layout_.label(PanelControl::Battery), L"Battery", kLabel);
    paint_slider(pixmap, PanelControl::Battery, battery_known ? values.battery : 0, battery_known);
    text_.draw(pixmap, layout_.value(PanelControl::Battery),
               battery_known ? std::to_wstring(values.battery) + L" %" : L"unknown", kLabel, Align::Right);

    text_.draw(pixmap, layout_.label(PanelControl::Mains), L"Mains power", kLabel);
    paint_switch(pixmap, values.mains);
    text_.draw(pixmap, layout_.value(PanelControl::Mains), values.mains ? L"on" : L"off", kLabel, Align::Right);

    text_.draw(pixmap, layout_.label(PanelControl::Memory), L"Memory load", kLabel);
    paint_slider(pixmap, PanelControl::Memory, values.memory, true);
    text_.draw(pixmap, layout_.value(PanelControl::Memory), std::to_wstring(values.memory) + L" %", kLabel,
               Align::Right);

    text_.draw(pixmap, layout_.label(PanelControl::Storage), L"Free storage", kLabel);
    paint_slider(pixmap, PanelControl::Storage, values.storage, true);
    text_.draw(pixmap, layout_.value(PanelControl::Storage), megabytes(percent_of(values.store_size, values.storage)),
               kLabel, Align::Right);
}

void PanelPainter::paint_slider(Pixmap& pixmap, PanelControl slider, int percent, bool known) {
    const auto track = layout_.control(slider);
    const int knob = layout_.knob_x(slider, percent);
    pixmap.fill_rounded(track, track.height / 2, palette::kTrack);
    if (!known) return;
    pixmap.fill_rounded({track.x, track.y, knob - track.x + 1, track.height}, track.height / 2, palette::kAccent);
    const Point centre{knob, track.y + track.height / 2};
    pixmap.fill(Circle{centre, 8}, palette::kAccent);
    pixmap.fill(Circle{centre, 5}, palette::kWhite);
}

void PanelPainter::paint_switch(Pixmap& pixmap, bool on) {
    const auto shape = layout_.control(PanelControl::Mains);
    const int radius = shape.height / 2;
    pixmap.fill_rounded(shape, radius, on ? palette::kAccent : palette::kTrack);
    const int knob_x = on ? shape.right() - radius - 1 : shape.x + radius;
    pixmap.fill(Circle{{knob_x, shape.y + radius}, radius - 3}, palette::kWhite);
}

// An event in the log takes one row when its details fit beside its name, otherwise its
// details go on up to two rows of their own below the name.
std::vector<PanelPainter::LogRow> PanelPainter::rows_for(const Event& event, int width) {
    auto line = event_line(event);
    const TextStyle name_style{12, true, kind_colour(line.kind)};
    const int beside = width - kTimeWidth - text_.width(line.name, name_style) - kGap;
    std::vector<LogRow> rows{{line.time, line.name, name_style, L""}};
    if (text_.width(line.details, kDetails) <= beside) {
        rows.front().details = line.details;
        return rows;
    }
    for (auto& part : text_.wrap(line.details, kDetails, width - kTimeWidth, kDetailRows))
        rows.push_back({L"", L"", name_style, std::move(part)});
    return rows;
}

void PanelPainter::paint_log(Pixmap& pixmap, const std::vector<Event>& events, std::size_t newer) {
    text_.draw(pixmap, layout_.log_title(), L"Event log", kTitle);
    if (newer > 0)
        text_.draw(pixmap, layout_.log_title(), L"\u2193 " + std::to_wstring(newer) + L" newer", kLabel, Align::Right);
    const auto area = layout_.log();
    const auto room = static_cast<std::size_t>(area.height / PanelLayout::kLineHeight);
    // Newest last: rows are gathered from the newest event back until the log is full.
    std::vector<LogRow> rows;
    for (auto event = events.rbegin(); event != events.rend() && rows.size() < room; ++event) {
        auto event_rows = rows_for(*event, area.width);
        rows.insert(rows.begin(), event_rows.begin(), event_rows.end());
    }
    if (rows.size() > room) rows.erase(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(rows.size() - room));
    int y = area.bottom() - static_cast<int>(rows.size()) * PanelLayout::kLineHeight;
    for (const auto& row : rows) {
        paint_row(pixmap, {area.x, y, area.width, PanelLayout::kLineHeight}, row);
        y += PanelLayout::kLineHeight;
    }
}

void PanelPainter::paint_row(Pixmap& pixmap, Rect line, const LogRow& row) {
    text_.draw(pixmap, {line.x, line.y, kTimeWidth - 6, line.height}, row.time, kTime, Align::Right);
    int left = line.x + kTimeWidth;
    const auto rest = [&] { return Rect{left, line.y, line.right() - left, line.height}; };
    if (!row.name.empty()) left += text_.draw(pixmap, rest(), row.name, row.name_style) + kGap;
    if (left < line.right()) text_.draw(pixmap, rest(), row.details, kDetails);
}

}  // namespace emu::desktop
