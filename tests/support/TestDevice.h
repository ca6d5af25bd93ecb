#pragma once
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/DeviceHost.h"
#include "host/TemporaryFolder.h"

namespace test {

// A device booted on a fresh temporary image, for tests that drive it like a front-end.
class TestDevice {
public:
    TestDevice() {
        std::string error;
        host_ = emu::DeviceHost::boot(emu::BootOptions{folder_.path()}, error);
        if (!host_) throw std::runtime_error(error);
    }

    emu::DeviceHost& host() { return *host_; }
    emu::Device& device() { return host_->device(); }
    const std::filesystem::path& folder() const { return folder_.path(); }

    // Runs `body` on the device as a program, until the device is idle.
    void run(std::function<void()> body) {
        host_->run(L"\\Windows\\test.exe", [body = std::move(body)] {
            body();
            return 0;
        });
    }

    // The screen's pixels in a rectangle as COLORREF values, row by row, read in one go
    // (a read per pixel would wait for the device each time).
    std::vector<COLORREF> screen_area(int left, int top, int width, int height) {
        const std::vector<std::uint32_t> screen = host_->screen();
        std::vector<COLORREF> pixels;
        for (int y = top; y < top + height; ++y)
            for (int x = left; x < left + width; ++x) {
                const std::uint32_t rgb = screen[static_cast<std::size_t>(y) * 240 + x];
                pixels.push_back(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
            }
        return pixels;
    }

    // An instance handle whose module holds `resources`, for LoadIcon and LoadImage.
    HINSTANCE instance_with(std::span<const emu::ResourceBlob> resources) {
        return host_->inspect([&](emu::Device& d) {
            auto& module = d.install(L"\\Windows\\resources.dll", nullptr, resources);
            return reinterpret_cast<HINSTANCE>(const_cast<emu::Module*>(&module));
        });
    }

private:
    emu::TemporaryFolder folder_;
    std::unique_ptr<emu::DeviceHost> host_;
};

}  // namespace test
