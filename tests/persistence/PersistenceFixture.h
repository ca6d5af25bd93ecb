#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "app/ApplicationState.h"
#include "apps/ApplicationItem.h"
#include "apps/RegistryValues.h"
#include "files/FileSystem.h"
#include "kernel/Device.h"
#include "registry/Registry.h"
#include "support/BareDevice.h"
#include "support/ReadFile.h"

// A device with only a registry and a file system, on a temporary image with an empty
// \Windows\Start Menu, bound to the test's thread; the program's state starts fresh with
// empty chosen and Start Menu lists.
class PersistenceTest : public ::testing::Test, protected test::BareDevice {
protected:
    void SetUp() override {
        device.registry = std::make_shared<emu::Registry>(device);
        device.files = std::make_shared<emu::FileSystem>(device);
        std::filesystem::create_directories(host("Windows/Start Menu"));
        appState = ApplicationState{};
        appState.chosen = new ApplicationItem[kMaxApplicationItems];
        appState.startMenu = new ApplicationItem[kMaxApplicationItems];
    }

    void TearDown() override {
        delete[] appState.chosen;
        delete[] appState.startMenu;
        delete[] appState.startMenuDirectory;
        delete[] appState.shortcutCommand;
        for (auto command : appState.resetCommands) delete[] command;
        appState = ApplicationState{};
    }

    std::filesystem::path host(const std::string& relative) const { return image.path() / relative; }

    void put(const std::string& relative, const std::string& bytes = "") const {
        std::filesystem::create_directories(host(relative).parent_path());
        std::ofstream(host(relative), std::ios::binary) << bytes;
    }

    std::string bytes_of(const std::string& relative) const { return test::read_file(host(relative)); }

    void use_start_menu(const std::wstring& directory) {
        delete[] appState.startMenuDirectory;
        appState.startMenuDirectory = NewTextBuffer(directory, MAX_PATH);
    }

    void set_text(HKEY root, const wchar_t* path, const wchar_t* name, const std::wstring& text) {
        HKEY key = OpenOrCreateKey(root, path);
        ASSERT_NE(key, nullptr);
        auto size = static_cast<DWORD>((text.size() + 1) * sizeof(WCHAR));
        RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), size);
        RegCloseKey(key);
    }

    // The text of a value at a full path such as "HKEY_CURRENT_USER\Software", or "<none>".
    std::wstring registry_text(const wchar_t* key_path, const wchar_t* name) const {
        auto key = device.registry->find(key_path);
        auto value = key ? key->value(name) : nullptr;
        return value ? emu::string_of(value->data) : L"<none>";
    }

    static std::vector<std::wstring> paths(const ApplicationItem* list, int count) {
        std::vector<std::wstring> result;
        for (int i = 0; i < count; ++i) result.push_back(list[i].path);
        return result;
    }
    static std::vector<std::wstring> chosen_paths() { return paths(appState.chosen, appState.chosenCount); }
    static std::vector<std::wstring> start_menu_paths() { return paths(appState.startMenu, appState.startMenuCount); }
};
