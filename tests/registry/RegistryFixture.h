#pragma once
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include <windows.h>

#include "registry/Registry.h"
#include "support/BareDevice.h"

// A device with only a registry.
class RegistryTest : public ::testing::Test, protected test::BareDevice {
protected:
    void SetUp() override { device.registry = std::make_shared<emu::Registry>(device); }

    HKEY create(HKEY root, const wchar_t* path, DWORD* disposition = nullptr) {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyEx(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, disposition),
                  ERROR_SUCCESS);
        return key;
    }

    void set_text(HKEY key, const wchar_t* name, const std::wstring& text) {
        auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(WCHAR));
        ASSERT_EQ(RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes),
                  ERROR_SUCCESS);
    }

    std::wstring read_text(HKEY key, const wchar_t* name) {
        WCHAR buffer[512] = {};
        DWORD size = sizeof buffer, type = 0;
        EXPECT_EQ(RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size), ERROR_SUCCESS);
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
        return buffer;
    }
};
