#include <gtest/gtest.h>

#include <fstream>
#include <windows.h>

#include "device/DeviceStatus.h"
#include "image/DefaultImage.h"
#include "kernel/Device.h"
#include "registry/Registry.h"
#include "support/ReadFile.h"
#include "support/TempDir.h"

namespace emu {
namespace {

namespace fs = std::filesystem;

// The default image, unpacked and booted with its status and registry.
class DefaultImage : public ::testing::Test {
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

    fs::path start_menu() const { return image.path() / "Windows" / "Start Menu"; }

    std::wstring string_value(const wchar_t* key_path, HKEY root, const wchar_t* name) {
        HKEY key = nullptr;
        EXPECT_EQ(RegOpenKeyExW(root, key_path, 0, 0, &key), ERROR_SUCCESS) << key_path;
        WCHAR text[MAX_PATH] = {};
        DWORD size = sizeof text;
        DWORD type = 0;
        EXPECT_EQ(RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size), ERROR_SUCCESS);
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
        RegCloseKey(key);
        return text;
    }

    test::TempDir image;
    Device device{image.path(), Clock::Mode::Virtual};
    DeviceBinding bind{device};
};

// The command of a shortcut, checked against the count before its '#'.
std::string shortcut_command(const fs::path& shortcut) {
    const auto text = test::read_file(shortcut);
    const auto hash = text.find('#');
    if (hash == std::string::npos || std::stoul(text.substr(0, hash)) != text.size() - hash - 1) return {};
    return text.substr(hash + 1);
}

// The quoted program path at the start of a command.
std::wstring quoted_path(const std::string& command) {
    if (command.size() < 2 || command[0] != '"') return {};
    return widen_utf8(command.substr(1, command.find('"', 1) - 1));
}

TEST_F(DefaultImage, SettingsDescribeAnIpaqOnBatteryWithAPartlyUsedStore) {
    EXPECT_EQ(device.status->settings_error(), "");
    const auto settings = device.status->current();
    EXPECT_EQ(settings.oem_info.rfind(L"Compaq iPAQ", 0), 0u);
    EXPECT_EQ(settings.ac_line, AcLine::Offline);
    EXPECT_LT(settings.store_free, settings.store_size);
}

TEST_F(DefaultImage, StartMenuShortcutsAreWellFormedAndReachTheirPrograms) {
    int shortcuts = 0;
    int folders = 0;
    for (const auto& entry : fs::recursive_directory_iterator(start_menu())) {
        if (entry.is_directory()) {
            ++folders;
            continue;
        }
        ++shortcuts;
        const auto command = shortcut_command(entry.path());
        ASSERT_FALSE(command.empty()) << entry.path();
        const auto program = quoted_path(command);
        if (entry.path().filename() == "Tesselink.lnk") {
            EXPECT_EQ(program, L"\\Windows\\Tesselink.exe");
            continue;
        }
        EXPECT_TRUE(fs::is_regular_file(host_path(program))) << entry.path();
    }
    EXPECT_GE(shortcuts, 15);
    EXPECT_LE(shortcuts, 20);
    EXPECT_EQ(folders, 2);
    EXPECT_TRUE(fs::is_regular_file(start_menu() / "Notes.lnk"));
}

TEST_F(DefaultImage, OptionalProgramsAsAnIpaqHasThem) {
    EXPECT_TRUE(fs::is_regular_file(host_path(L"\\Windows\\ctlpnl.exe")));
    EXPECT_FALSE(fs::exists(host_path(L"\\Windows\\backlight.exe")));
}

TEST_F(DefaultImage, RegistryNamesTheStartMenuFolder) {
    const auto folder = string_value(L"Software\\Amberlow\\TSL", HKEY_CURRENT_USER, L"SD17");
    EXPECT_EQ(folder, L"\\Windows\\Start Menu");
    EXPECT_TRUE(fs::is_directory(host_path(folder)));
}

TEST_F(DefaultImage, HardwareKeysRunQuotedShortcutsThatExist) {
    for (const wchar_t* key : {L"40C1", L"40C2", L"40C3", L"40C4", L"40C5"}) {
        const auto path = std::wstring(L"SOFTWARE\\Microsoft\\Shell\\Keys\\") + key;
        const auto command = string_value(path.c_str(), HKEY_LOCAL_MACHINE, L"");
        EXPECT_EQ(command, string_value(path.c_str(), HKEY_LOCAL_MACHINE, L"ResetCmd")) << key;
        const auto target = quoted_path(utf8(command));
        EXPECT_EQ(L"\"" + target + L"\"", command) << key;
        EXPECT_TRUE(fs::is_regular_file(host_path(target))) << key;
    }
    EXPECT_EQ(string_value(L"SOFTWARE\\Microsoft\\Shell\\Keys\\40C5", HKEY_LOCAL_MACHINE, L""),
              L"\"\\Windows\\Start Menu\\Notes.lnk\"");
}

}  // namespace
}  // namespace emu
