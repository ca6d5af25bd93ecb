#include <gtest/gtest.h>

#include <windows.h>

#include "device/DeviceStatus.h"
#include "image/DefaultImage.h"
#include "registry/Registry.h"
#include "support/BareDevice.h"
#include "support/ReadFile.h"

namespace emu {
namespace {

namespace fs = std::filesystem;

// The default image, unpacked and booted with its status and registry.
class DefaultImage : public ::testing::Test, protected test::BareDevice {
protected:
    DefaultImage() {
        std::string error;
        EXPECT_TRUE(unpack_default_image(image.path(), error)) << error;
        device.status = std::make_shared<DeviceStatus>(device);
        auto loaded = Registry::load(device);
        EXPECT_TRUE(loaded.registry) << loaded.error;
        device.registry = loaded.registry;
    }

    fs::path host_path(std::wstring device_path) const {
        std::replace(device_path.begin(), device_path.end(), L'\\', L'/');
        return image.path() / fs::path(device_path).relative_path();
    }

    std::wstring string_value(HKEY root, const std::wstring& key_path, const wchar_t* name) {
        HKEY key = nullptr;
        EXPECT_EQ(RegOpenKeyExW(root, key_path.c_str(), 0, 0, &key), ERROR_SUCCESS) << utf8(key_path);
        WCHAR text[MAX_PATH] = {};
        DWORD size = sizeof text, type = 0;
        EXPECT_EQ(RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size), ERROR_SUCCESS);
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
        RegCloseKey(key);
        return text;
    }
};

// The quoted program path at the start of a command.
std::wstring quoted_path(const std::wstring& command) {
    if (command.size() < 2 || command[0] != '"') return {};
    return command.substr(1, command.find('"', 1) - 1);
}

// An iPAQ on battery with a partly used store, whose registry names the Start Menu folder
// and gives each hardware key the same quoted shortcut to run and to reset to.
TEST_F(DefaultImage, SettingsAndRegistry) {
    EXPECT_EQ(device.status->settings_error(), "");
    const auto settings = device.status->current();
    EXPECT_EQ(settings.oem_info.rfind(L"Compaq iPAQ", 0), 0u);
    EXPECT_EQ(settings.ac_line, AcLine::Offline);
    EXPECT_LT(settings.store_free, settings.store_size);

    const auto folder = string_value(HKEY_CURRENT_USER, L"Software\\Amberlow\\TSL", L"SD17");
    EXPECT_EQ(folder, L"\\Windows\\Start Menu");
    EXPECT_TRUE(fs::is_directory(host_path(folder)));
    for (const wchar_t* key : {L"40C1", L"40C2", L"40C3", L"40C4", L"40C5"}) {
        const auto path = std::wstring(L"SOFTWARE\\Microsoft\\Shell\\Keys\\") + key;
        const auto command = string_value(HKEY_LOCAL_MACHINE, path, L"");
        EXPECT_EQ(command, string_value(HKEY_LOCAL_MACHINE, path, L"ResetCmd")) << utf8(key);
        EXPECT_EQ(L"\"" + quoted_path(command) + L"\"", command) << utf8(key);
        EXPECT_TRUE(fs::is_regular_file(host_path(quoted_path(command)))) << utf8(key);
    }
    EXPECT_EQ(string_value(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shell\\Keys\\40C5", L""),
              L"\"\\Windows\\Start Menu\\Notes.lnk\"");
}

// Every shortcut holds the count of its command's characters and runs a program of the
// image, but the bar's own, which is installed later; the control panel is there, a
// separate backlight program is not.
TEST_F(DefaultImage, StartMenuShortcutsAreWellFormedAndReachTheirPrograms) {
    int shortcuts = 0, folders = 0;
    for (const auto& entry : fs::recursive_directory_iterator(image.path() / "Windows" / "Start Menu")) {
        if (entry.is_directory()) {
            ++folders;
            continue;
        }
        ++shortcuts;
        const auto text = test::read_file(entry.path());
        const auto hash = text.find('#');
        ASSERT_NE(hash, std::string::npos) << entry.path();
        EXPECT_EQ(std::stoul(text.substr(0, hash)), text.size() - hash - 1) << entry.path();
        const auto program = quoted_path(widen_utf8(text.substr(hash + 1)));
        if (entry.path().filename() == "Tesselink.lnk") EXPECT_EQ(program, L"\\Windows\\Tesselink.exe");
        else EXPECT_TRUE(fs::is_regular_file(host_path(program))) << entry.path();
    }
    EXPECT_GE(shortcuts, 15);
    EXPECT_LE(shortcuts, 20);
    EXPECT_EQ(folders, 2);
    EXPECT_TRUE(fs::is_regular_file(host_path(L"\\Windows\\Start Menu\\Notes.lnk")));
    EXPECT_TRUE(fs::is_regular_file(host_path(L"\\Windows\\ctlpnl.exe")));
    EXPECT_FALSE(fs::exists(host_path(L"\\Windows\\backlight.exe")));
}

}  // namespace
}  // namespace emu
