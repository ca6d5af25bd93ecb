// The backlight control: reading the level and writing it through ppcutil.dll, signalling
// the change, the Backlight Button's toggle, and a device without the library or an export.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

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
