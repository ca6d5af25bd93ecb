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
const WCHAR kKey[] = L"ControlPanel\\Backlight";

class BacklightTest : public ::testing::Test {
protected:
    // Writes (or with no value deletes) OnOff and Brightness.
    void Store(Dword onOff, Dword brightness) {
        device.run([&] {
            HKEY key;
            RegCreateKeyEx(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
            for (auto [name, value] : {std::pair{L"OnOff", onOff}, std::pair{L"Brightness", brightness}}) {
                if (value)
                    RegSetValueEx(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*value), sizeof(DWORD));
                else
                    RegDeleteValue(key, name);
            }
            RegCloseKey(key);
        });
    }
    // OnOff and Brightness as stored now.
    std::pair<Dword, Dword> Stored() {
        std::pair<Dword, Dword> values;
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
    template <class Result>
    Result Run(Result (*operation)()) {
        Result result{};
        device.run([&] { result = operation(); });
        return result;
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
    // Signals the change event, as the utility library's callers do.
    void Signal(LPCWSTR name) {
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
    void Change(std::function<void(emu::Libraries&)> change) {
        device.host().inspect([&](emu::Device& d) {
            change(*d.libraries);
            return 0;
        });
    }

    test::TestDevice device;
};

}  // namespace

TEST_F(BacklightTest, TheButtonLightsADarkDisplayFullyAndDarkensALitOne) {
    const struct {
        Dword onOff, brightness;
        int level;  // what ReadBacklightLevel gives
        DWORD onOffAfter, brightnessAfter;
    } cases[] = {
        {0, 3, 0, 1, 4},
        {1, 0, 0, 1, 4},
        {1, 2, 2, 0, 0},
        {std::nullopt, 3, 3, 0, 0},
        {0, std::nullopt, 0, 1, 4},
        {std::nullopt, std::nullopt, -1, 0, 0},  // unreadable: turned off
    };
    const auto held = Held();
    for (const auto& c : cases) {
        SCOPED_TRACE("OnOff " + std::to_string(c.onOff.value_or(99)) + ", Brightness " +
                     std::to_string(c.brightness.value_or(99)));
        Store(c.onOff, c.brightness);
        EXPECT_EQ(Run(&ReadBacklightLevel), c.level);
        const std::size_t signals = Signals();
        Toggle();
        EXPECT_EQ(Stored(), std::pair(Dword(c.onOffAfter), Dword(c.brightnessAfter)));
        EXPECT_EQ(Signals(), signals + 1);
        EXPECT_EQ(Held(), held);
    }
}

TEST_F(BacklightTest, ALevelOutOfRangeOrAMissingLibraryOrWriteExportChangesNothing) {
    Store(0, 3);
    EXPECT_EQ(Write(5), 0);
    EXPECT_EQ(Write(-1), 0);
    Change([](emu::Libraries& libraries) { libraries.hide_export(L"ppcutil.dll", L"WriteREGDW"); });
    Toggle();
    EXPECT_EQ(Held().first, 0u);
    std::filesystem::remove(device.folder() / "Windows" / "ppcutil.dll");
    EXPECT_EQ(Run(&ReadBacklightLevel), -1);
    EXPECT_EQ(Write(4), 0);
    EXPECT_EQ(Stored(), std::pair(Dword(0), Dword(3)));
    EXPECT_EQ(Signals(), 0u);
}

TEST_F(BacklightTest, WithoutTheReadExportTheLevelIsUnreadableSoTheButtonTurnsTheLightOff) {
    Store(0, 3);
    Change([](emu::Libraries& libraries) { libraries.hide_export(L"ppcutil.dll", L"ReadREGDW"); });
    EXPECT_EQ(Run(&ReadBacklightLevel), -1);
    Toggle();
    EXPECT_EQ(Stored(), std::pair(Dword(0), Dword(0)));
    EXPECT_EQ(Signals(), 1u);
}

namespace {

std::vector<std::wstring> g_writes;

// A write export that fails for the value named `Failing` and pretends to write the others.
template <const wchar_t* Failing>
BOOL WINAPI FailingWrite(HKEY, LPCWSTR, LPCWSTR name, DWORD) {
    g_writes.push_back(name);
    return std::wstring(name) != Failing;
}
constexpr wchar_t kBrightness[] = L"Brightness", kOnOff[] = L"OnOff";

}  // namespace

TEST_F(BacklightTest, AFailedBrightnessWriteStopsThereButAFailedOnOffWriteIsStillSignalled) {
    g_writes.clear();
    Change([](emu::Libraries& l) {
        l.replace_export(L"ppcutil.dll", L"WriteREGDW", emu::as_export(&FailingWrite<kBrightness>));
    });
    EXPECT_EQ(Write(4), 0);
    EXPECT_EQ(g_writes, std::vector<std::wstring>{L"Brightness"});
    EXPECT_EQ(Signals(), 0u);

    Change([](emu::Libraries& l) {
        l.replace_export(L"ppcutil.dll", L"WriteREGDW", emu::as_export(&FailingWrite<kOnOff>));
    });
    EXPECT_EQ(Write(4), 0);
    EXPECT_EQ(g_writes, (std::vector<std::wstring>{L"Brightness", L"Brightness", L"OnOff"}));
    EXPECT_EQ(Signals(), 1u);
}

namespace {

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

TEST_F(BacklightTest, TheChangeEventDimsWhatTheScreenShowsButNotTheFramebuffer) {
    auto shown = WhiteCorner(device.host());
    EXPECT_EQ(shown(), 255);
    Store(1, 0);  // without the event nothing changes
    Signal(L"SomeOtherEvent");
    EXPECT_EQ(shown(), 255);
    std::vector<int> levels;
    for (auto [onOff, brightness] : {std::pair{1u, 2u}, {1u, 1u}, {1u, 0u}, {0u, 4u}}) {
        Store(onOff, brightness);
        Signal(L"BackLightChangeEvent");
        levels.push_back(shown());
    }
    EXPECT_LT(levels[0], 255);
    EXPECT_LT(levels[1], levels[0]);
    EXPECT_LT(levels[2], levels[1]);
    EXPECT_EQ(levels[3], levels[2]);  // OnOff 0 is off at any brightness
    EXPECT_GT(levels[3], 0);          // a reflective screen stays faintly readable
    EXPECT_EQ(device.host().inspect([](emu::Device& d) { return d.gdi->framebuffer()[241] & 0xFFFFFF; }), 0xFFFFFFu);
    Store(1, 4);
    Signal(L"BackLightChangeEvent");
    EXPECT_EQ(shown(), 255);

    auto changes = device.device().log.events("backlight");
    ASSERT_EQ(changes.size(), 5u);
    EXPECT_EQ(std::get<bool>(*changes[3].field("on")), false);
    EXPECT_EQ(changes[3].number("level"), 4);
    EXPECT_EQ(std::get<bool>(*changes[4].field("on")), true);
}

TEST(BacklightAtBoot, ADeviceBootsWithTheBacklightItsRegistrySays) {
    emu::TemporaryFolder folder;
    std::string error;
    auto host = emu::DeviceHost::boot(emu::BootOptions{folder.path()}, error);
    ASSERT_TRUE(host) << error;
    host->run(L"\\Windows\\settings.exe", [] {
        HKEY key;
        RegCreateKeyEx(HKEY_CURRENT_USER, L"ControlPanel\\Backlight", 0, nullptr, 0, 0, nullptr, &key, nullptr);
        const DWORD off = 0;
        RegSetValueEx(key, L"OnOff", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&off), sizeof off);
        RegCloseKey(key);
        return 0;
    });
    host.reset();  // one emulator at a time on a device folder
    host = emu::DeviceHost::boot(emu::BootOptions{folder.path()}, error);
    ASSERT_TRUE(host) << error;
    EXPECT_LT(WhiteCorner(*host)(), 255);
    EXPECT_TRUE(host->device().log.events("backlight").empty());
}

}  // namespace
