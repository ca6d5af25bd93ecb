#pragma once
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>

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
