// The backlight control: reading the level, writing it through ppcutil.dll and signalling
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
    void Set(LPCWSTR name, Dword value) {
        device.run([&] {
            HKEY key;
            RegCreateKeyEx(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
            if (value)
                RegSetValueEx(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*value), sizeof(DWORD));
            else
                RegDeleteValue(key, name);
            RegCloseKey(key);
        });
    }
    Dword Get(LPCWSTR name) {
        Dword result;
        device.run([&] {
            HKEY key;
            if (RegOpenKeyEx(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
            DWORD value = 0, size = sizeof value, type = 0;
            if (RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS)
                result = value;
            RegCloseKey(key);
        });
        return result;
    }
    void SetBoth(Dword onOff, Dword brightness) {
        Set(L"OnOff", onOff);
        Set(L"Brightness", brightness);
    }
    int Read() {
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
    // Libraries still loaded and kernel handles still open: both must come back to where
    // they were after every operation.
    std::pair<std::size_t, std::size_t> Resources() {
        return device.host().inspect(
            [](emu::Device& d) { return std::make_pair(d.libraries->loaded(), d.objects.handles.size()); });
    }
    void Change(std::function<void(emu::Libraries&)> change) {
        device.host().inspect([&](emu::Device& d) {
            change(*d.libraries);
            return 0;
        });
    }

    test::TestDevice device;
};

struct ToggleCase {
    Dword onOff, brightness;
    int level;                        // what ReadBacklightLevel gives
    DWORD brightnessAfter, onOffAfter;  // after the Backlight Button
};

}  // namespace

TEST_F(BacklightTest, TheButtonLightsADarkDisplayFullyAndDarkensALitOne) {
    const ToggleCase cases[] = {
        {0, 3, 0, 4, 1},                          // off, whatever the brightness
        {1, 0, 0, 4, 1},                          // on at brightness 0 is dark too
        {1, 2, 2, 0, 0},                          //
        {std::nullopt, 3, 3, 0, 0},               // no OnOff: the brightness decides
        {0, std::nullopt, 0, 4, 1},               //
        {std::nullopt, std::nullopt, -1, 0, 0},   // unreadable: turned off
    };
    const auto resources = Resources();
    for (const ToggleCase& c : cases) {
        SCOPED_TRACE("OnOff " + (c.onOff ? std::to_string(*c.onOff) : "missing") + ", Brightness " +
                     (c.brightness ? std::to_string(*c.brightness) : "missing"));
        SetBoth(c.onOff, c.brightness);
        EXPECT_EQ(Read(), c.level);
        const std::size_t signals = Signals();
        Toggle();
        EXPECT_EQ(Get(L"Brightness"), Dword(c.brightnessAfter));
        EXPECT_EQ(Get(L"OnOff"), Dword(c.onOffAfter));
        EXPECT_EQ(Signals(), signals + 1);
        EXPECT_EQ(Resources(), resources);
    }
}

TEST_F(BacklightTest, ALevelOutOfRangeWritesAndSignalsNothing) {
    SetBoth(1, 2);
    EXPECT_EQ(Write(5), 0);
    EXPECT_EQ(Write(-1), 0);
    EXPECT_EQ(Get(L"Brightness"), Dword(2));
    EXPECT_EQ(Get(L"OnOff"), Dword(1));
    EXPECT_EQ(Signals(), 0u);
    EXPECT_NE(Write(3), 0);
    EXPECT_EQ(Get(L"Brightness"), Dword(3));
    EXPECT_EQ(Signals(), 1u);
}

TEST_F(BacklightTest, WithoutTheLibraryNothingIsReadWrittenOrSignalled) {
    SetBoth(1, 2);
    std::filesystem::remove(device.folder() / "Windows" / "ppcutil.dll");
    EXPECT_EQ(Read(), -1);
    EXPECT_EQ(Write(4), 0);
    Toggle();
    EXPECT_EQ(Get(L"Brightness"), Dword(2));
    EXPECT_EQ(Get(L"OnOff"), Dword(1));
    EXPECT_EQ(Signals(), 0u);
}

TEST_F(BacklightTest, WithoutTheWriteExportNothingChanges) {
    SetBoth(0, 3);
    Change([](emu::Libraries& libraries) { libraries.hide_export(L"ppcutil.dll", L"WriteREGDW"); });
    const auto resources = Resources();
    Toggle();
    EXPECT_EQ(Get(L"Brightness"), Dword(3));
    EXPECT_EQ(Get(L"OnOff"), Dword(0));
    EXPECT_EQ(Signals(), 0u);
    EXPECT_EQ(Resources(), resources);
}

TEST_F(BacklightTest, WithoutTheReadExportTheLevelIsUnreadableAndTheButtonTurnsTheLightOff) {
    SetBoth(0, 3);
    Change([](emu::Libraries& libraries) { libraries.hide_export(L"ppcutil.dll", L"ReadREGDW"); });
    EXPECT_EQ(Read(), -1);
    Toggle();
    EXPECT_EQ(Get(L"Brightness"), Dword(0));
    EXPECT_EQ(Get(L"OnOff"), Dword(0));
    EXPECT_EQ(Signals(), 1u);
}

namespace {

std::vector<std::wstring> g_writes;

// A library whose writes of `Failing` fail; other writes succeed without writing.
template <const wchar_t* Failing>
BOOL WINAPI FailingWrite(HKEY, LPCWSTR, LPCWSTR name, DWORD) {
    g_writes.push_back(name);
    return std::wstring(name) != Failing;
}
constexpr wchar_t kBrightnessName[] = L"Brightness";
constexpr wchar_t kOnOffName[] = L"OnOff";

}  // namespace

TEST_F(BacklightTest, AFailedBrightnessWriteLeavesOnOffAloneAndSignalsNothing) {
    g_writes.clear();
    Change([](emu::Libraries& l) { l.replace_export(L"ppcutil.dll", L"WriteREGDW", emu::as_export(&FailingWrite<kBrightnessName>)); });
    EXPECT_EQ(Write(4), 0);
    EXPECT_EQ(g_writes, std::vector<std::wstring>{L"Brightness"});
    EXPECT_EQ(Signals(), 0u);
}

TEST_F(BacklightTest, AFailedOnOffWriteIsAFailureButTheChangeIsStillSignalled) {
    g_writes.clear();
    Change([](emu::Libraries& l) { l.replace_export(L"ppcutil.dll", L"WriteREGDW", emu::as_export(&FailingWrite<kOnOffName>)); });
    EXPECT_EQ(Write(4), 0);
    EXPECT_EQ(g_writes, (std::vector<std::wstring>{L"Brightness", L"OnOff"}));
    EXPECT_EQ(Signals(), 1u);
}
