#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "files/FileSystem.h"
#include "support/BareDevice.h"
#include "support/ReadFile.h"

// A device with only a file system.
class FilesTest : public ::testing::Test, protected test::BareDevice {
protected:
    void SetUp() override { device.files = std::make_shared<emu::FileSystem>(device); }

    std::filesystem::path host(const std::string& relative) const { return image.path() / relative; }

    void put(const std::string& relative, const std::string& bytes = "") const {
        std::filesystem::create_directories(host(relative).parent_path());
        std::ofstream(host(relative), std::ios::binary) << bytes;
    }

    std::string bytes_of(const std::string& relative) const { return test::read_file(host(relative)); }

    // The names a search finds, in its order.
    static std::vector<std::wstring> names_found(const wchar_t* pattern) {
        std::vector<std::wstring> names;
        WIN32_FIND_DATA data;
        HANDLE search = FindFirstFile(pattern, &data);
        if (search == INVALID_HANDLE_VALUE) return names;
        do names.push_back(data.cFileName);
        while (FindNextFile(search, &data));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
        FindClose(search);
        return names;
    }
};
