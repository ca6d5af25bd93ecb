#pragma once
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "files/FileSystem.h"
#include "kernel/Device.h"
#include "registry/Registry.h"
#include "support/TempDir.h"

// One device with a registry and a file system for the whole fuzzing run, bound to the
// fuzzing thread, with a small Start Menu for the list reader's fallback scan.
class FuzzDevice {
public:
    static FuzzDevice& instance() {
        static FuzzDevice device;
        return device;
    }

    // Replaces a file below the image root with the input's bytes.
    void put(const std::string& relative, const std::uint8_t* data, std::size_t size) {
        std::ofstream(folder_.path() / relative, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    std::uintmax_t size_of(const std::string& relative) const { return std::filesystem::file_size(folder_.path() / relative); }

private:
    FuzzDevice() {
        device_.registry = std::make_shared<emu::Registry>(device_);
        device_.files = std::make_shared<emu::FileSystem>(device_);
        std::filesystem::create_directories(folder_.path() / "Windows/Start Menu/Games");
        for (auto name : {"Notes.lnk", "Calc.exe", "Games/Solitaire.lnk", "Tesselink.lnk"})
            std::ofstream(folder_.path() / "Windows/Start Menu" / name) << "x";
    }

    test::TempDir folder_;
    emu::Device device_{folder_.path(), emu::Clock::Mode::Virtual};
    emu::DeviceBinding binding_{device_};
};
