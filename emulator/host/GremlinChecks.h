#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

#include "host/Script.h"

namespace emu {

class Device;
class DeviceHost;

// Counts of what a program must give back: GDI objects, DCs, icons, registry keys and
// find handles.
struct LiveObjects {
    std::size_t gdi_objects = 0, dcs = 0, icons = 0, registry_keys = 0, find_handles = 0;
    bool operator==(const LiveObjects&) const = default;
    std::string describe() const;
};

// The invariants a gremlin checks after each of its events; each check answers "" when the
// invariant holds, else what broke.
class GremlinChecks {
public:
    // Takes the device as the program left it at its start as the program's rest: the
    // same visible top-level windows in the same places, and no message box.
    explicit GremlinChecks(DeviceHost& host);

    // A program may read the device status afresh on every paint and not otherwise
    // notice a change (the device tells no one), so that an event changing the status
    // (battery, mains, memory, storage, power) would make a later repaint differ. Such an
    // event is checked for a screen a repaint keeps before it, and followed by a repaint.
    std::string before_event(const std::vector<ScriptAction>& event);
    // Every event: no handle refused, live objects at rest as at the first rest,
    // top-level windows answering, nothing new beside the device folder or in the working
    // folder, the registry file readable; every 100th event the screen unchanged by a
    // full repaint.
    std::string after_event(int number, const std::vector<ScriptAction>& event);
    // After the orderly end (the device shut down): the registry file reads whole.
    std::string at_end();
    // The screen as it was before the repaint that changed it, when that broke; else empty.
    const std::vector<std::uint32_t>& screen_before_repaint() const { return screen_before_repaint_; }

private:
    std::string refused_handles();
    std::string live_objects_at_rest();
    std::string windows_answer();
    std::string nothing_written_outside();
    std::string registry_parses(bool always);
    std::string repaint_keeps_screen();
    void repaint_all();

    DeviceHost& host_;
    std::vector<std::pair<HWND, RECT>> rest_layout_;
    std::optional<LiveObjects> rest_objects_;
    std::vector<std::pair<std::filesystem::path, std::filesystem::file_time_type>> outside_;
    std::filesystem::path registry_file_;
    std::filesystem::file_time_type registry_written_{};
    std::vector<std::uint32_t> screen_before_repaint_;
};

}  // namespace emu
