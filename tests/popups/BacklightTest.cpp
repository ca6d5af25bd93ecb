// The backlight: the program's control, reading the level and writing it through
// ppcutil.dll, signalling the change, the Backlight Button's toggle, and a device without the
// library or an export; and the device applying the change to what the screen shows.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

#include "gdi/Gdi.h"
#include "host/TemporaryFolder.h"
#include "library/Libraries.h"
#include "support/TestDevice.h"
#include "system/Backlight.h"

namespace {

using Dword = std::optional<DWORD>;
using Setting = std::pair<Dword, Dword>;  // OnOff and Brightness
const WCHAR kKey[] = L"ControlPanel\\Backlight";

// Writes (or with no value deletes) OnOff and Brightness.
void Store(emu::DeviceHost& host, Setting setting) {
    host.run(L"\\Windows\\settings.exe", [setting] {
        HKEY key;
        RegCreateKeyEx(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        for (auto [name, value] : {std::pair{L"OnOff", setting.first}, {L"Brightness", setting.second}}) {
            if (value) RegSetValueEx(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*value), sizeof(DWORD));
            else RegDeleteValue(key, name);
        }
        RegCloseKey(key);
        return 0;
    });
}

// Paints the screen's corner white; answers a function telling how bright it shows.
std::function<int()> WhiteCorner(emu::DeviceHost& host) {
    host.run(L"\\Windows\\paint.exe", [] {
        HDC screen = GetDC(nullptr);
        RECT corner = {0, 0, 4, 4};
        FillRect(screen, &corner, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        ReleaseDC(nullptr, screen);
        return 0;
    });
    return [&host] { return GetRValue(host.pixel(1, 1)); };
}

class BacklightTest : public ::testing::Test {
protected:
    Setting Stored() {
        Setting values;
        device.run([&] {
            HKEY key;
            RegOpenKeyEx(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key);
            DWORD value = 0, size = sizeof value;
            if (!RegQueryValueEx(key, L"OnOff", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size))
                values.first = value;
            if (!RegQueryValueEx(key, L"Brightness", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size))
                values.second = value;
            RegCloseKey(key);
        });
        return values;
    }
    int Level() {
        int level = 0;
        device.run([&] { level = ReadBacklightLevel(); });
        return level;
    }
    int Write(int level) {
        int result = 0;
        device.run([&] { result = WriteBacklightLevel(level); });
        return result;
    }
    void Toggle() {
        device.run([] { ToggleBacklight(); });
    }
    std::size_t Signals() { return device.device().log.events("backlight").size(); }
    void Signal(LPCWSTR name) {  // as the utility library's callers do
        device.run([=] {
            HANDLE event = CreateEvent(nullptr, FALSE, FALSE, name);
            SetEvent(event);
            CloseHandle(event);
        });
    }
    // Libraries loaded and kernel handles open: every operation gives both back.
    std::pair<std::size_t, std::size_t> Held() {
        return device.host().inspect(
            [](emu::Device& d) { return std::pair(d.libraries->loaded(), d.objects.handles.size()); });
    }
    void ReplaceExport(LPCWSTR name, FARPROC function) {
        device.host().inspect([&](emu::Device& d) {
            d.libraries->replace_export(L"ppcutil.dll", name, function);
            return 0;
        });
    }

    test::TestDevice device;
};

std::vector<std::wstring> g_writes;

// A write export that fails for the value named `Failing` and pretends to write the others.
template <const wchar_t* Failing>
BOOL WINAPI FailingWrite(HKEY, LPCWSTR, LPCWSTR name, DWORD) {
    g_writes.push_back(name);
    return std::wstring(name) != Failing;
}
constexpr wchar_t kBrightness[] = L"Brightness", kOnOff[] = L"OnOff";

}  // namespace

TEST_F(BacklightTest, TheButtonLightsADarkDisplayFullyAndDarkensALitOne) {
    const struct {
        Setting before;
        int level;  // what ReadBacklightLevel gives
        Setting after;
    } cases[] = {
        {{0, 3}, 0, {1, 4}},
        {{1, 0}, 0, {1, 4}},
        {{1, 2}, 2, {0, 0}},
        {{std::nullopt, 3}, 3, {0, 0}},
        {{0, std::nullopt}, 0, {1, 4}},
        {{std::nullopt, std::nullopt}, -1, {0, 0}},  // unreadable: turned off
    };
    const auto held = Held();
    for (const auto& c : cases) {
        SCOPED_TRACE("OnOff " + std::to_string(c.before.first.value_or(99)) + ", Brightness " +
                     std::to_string(c.before.second.value_or(99)));
        Store(device.host(), c.before);
        EXPECT_EQ(Level(), c.level);
        const std::size_t signals = Signals();
        Toggle();
        EXPECT_EQ(Stored(), c.after);
        EXPECT_EQ(Signals(), signals + 1);
        EXPECT_EQ(Held(), held);
    }
}

TEST_F(BacklightTest, ALevelOutOfRangeOrAMissingLibraryOrExportWritesNothingOrOnlyWhatItCould) {
    Store(device.host(), {0, 3});
    EXPECT_EQ(Write(5), 0);
    EXPECT_EQ(Write(-1), 0);
    const auto library = device.folder() / "Windows" / "ppcutil.dll", away = device.folder() / "ppcutil.dll";
    std::filesystem::rename(library, away);
    EXPECT_EQ(Level(), -1);
    EXPECT_EQ(Write(4), 0);
    std::filesystem::rename(away, library);
    EXPECT_EQ(Stored(), Setting(0, 3));
    EXPECT_EQ(Signals(), 0u);

    // Without the read export the level is unreadable, so the button turns the light off.
    ReplaceExport(L"ReadREGDW", nullptr);
    EXPECT_EQ(Level(), -1);
    Toggle();
    EXPECT_EQ(Stored(), Setting(0, 0));
    EXPECT_EQ(Signals(), 1u);

    // A failed Brightness write stops there; a failed OnOff write is still signalled.
    g_writes.clear();
    ReplaceExport(L"WriteREGDW", emu::as_export(&FailingWrite<kBrightness>));
    EXPECT_EQ(Write(4), 0);
    EXPECT_EQ(g_writes, std::vector<std::wstring>{L"Brightness"});
    EXPECT_EQ(Signals(), 1u);
    ReplaceExport(L"WriteREGDW", emu::as_export(&FailingWrite<kOnOff>));
    EXPECT_EQ(Write(4), 0);
    EXPECT_EQ(g_writes, (std::vector<std::wstring>{L"Brightness", L"Brightness", L"OnOff"}));
    EXPECT_EQ(Signals(), 2u);

    ReplaceExport(L"WriteREGDW", nullptr);
    Toggle();
    EXPECT_EQ(Signals(), 2u);
    EXPECT_EQ(Held().first, 0u);
}

TEST_F(BacklightTest, TheChangeEventDimsWhatTheScreenShowsButNotTheFramebuffer) {
    auto shown = WhiteCorner(device.host());
    Store(device.host(), {1, 0});  // without the event nothing changes
    Signal(L"SomeOtherEvent");
    EXPECT_EQ(shown(), 255);
    std::vector<int> levels;
    for (Setting setting : {Setting{1, 2}, {1, 0}, {0, 4}, {1, 4}}) {
        Store(device.host(), setting);
        Signal(L"BackLightChangeEvent");
        levels.push_back(shown());
    }
    EXPECT_LT(levels[0], 255);
    EXPECT_LT(levels[1], levels[0]);
    EXPECT_EQ(levels[2], levels[1]);  // OnOff 0 is off at any brightness
    EXPECT_GT(levels[2], 0);          // a reflective screen stays faintly readable
    EXPECT_EQ(levels[3], 255);
    EXPECT_EQ(device.host().inspect([](emu::Device& d) { return d.gdi->framebuffer()[241] & 0xFFFFFF; }), 0xFFFFFFu);
    auto changes = device.device().log.events("backlight");
    ASSERT_EQ(changes.size(), 4u);
    EXPECT_EQ(std::get<bool>(*changes[2].field("on")), false);
    EXPECT_EQ(changes[2].number("level"), 4);
}

TEST(BacklightAtBoot, ADeviceBootsWithTheBacklightItsRegistrySays) {
    emu::TemporaryFolder folder;
    std::string error;
    auto host = emu::DeviceHost::boot(emu::BootOptions{folder.path()}, error);
    ASSERT_TRUE(host) << error;
    Store(*host, {0, 4});
    host.reset();  // one emulator at a time on a device folder
    host = emu::DeviceHost::boot(emu::BootOptions{folder.path()}, error);
    ASSERT_TRUE(host) << error;
    EXPECT_LT(WhiteCorner(*host)(), 255);
    EXPECT_TRUE(host->device().log.events("backlight").empty());
}
