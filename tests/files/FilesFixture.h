#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include <windows.h>

#include "files/FileSystem.h"
#include "kernel/Device.h"
#include "support/TempDir.h"

// A device with only a file system, on a temporary image, bound to the test's thread.
class FilesTest : public ::testing::Test {
protected:
    test::TempDir image;
    emu::Device device{image.path(), emu::Clock::Mode::Virtual};
    emu::DeviceBinding binding{device};

    void SetUp() override { device.files = std::make_shared<emu::FileSystem>(device); }

    std::filesystem::path host(const std::string& relative) const { return image.path() / relative; }

    void put(const std::string& relative, const std::string& bytes = "") const {
        std::filesystem::create_directories(host(relative).parent_path());
        std::ofstream(host(relative), std::ios::binary) << bytes;
    }

    std::string bytes_of(const std::string& relative) const {
        std::ifstream in(host(relative), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    DWORD attributes(const wchar_t* path) const { return GetFileAttributes(path); }
};
