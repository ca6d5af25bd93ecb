#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "kernel/Device.h"
#include "shell/OpenMessageBox.h"

namespace emu {

class DeviceFolderLock;
class RealTimeWaker;

struct BootOptions {
    std::filesystem::path image;          // the device folder
    bool unpack_default_image = true;      // fill a missing or empty folder with the built-in image
    Clock::Mode clock = Clock::Mode::Virtual;
};

// The device interface of the front-ends and tests: boots a device, runs programs on it,
// feeds it stylus and key input, and reads its screen and state. Thread-safe: every call
// takes the device mutex; calls that inject input wait until the device is idle again,
// so that what a call caused is visible when it returns.
class DeviceHost {
public:
    // Boots a device on the image; null with `error` set when the image cannot be used or
    // another emulator runs on it.
    static std::unique_ptr<DeviceHost> boot(const BootOptions& options, std::string& error);
    ~DeviceHost();

    Device& device() { return *device_; }

    void install(std::wstring path, EntryFunction entry, std::span<const ResourceBlob> resources = {});
    // Starts an installed program; false when the device knows no such program.
    bool start(std::wstring_view path, std::wstring command_line = L"");

    // Runs `body` as a process named `path` on the device, until the device is idle.
    void run(std::wstring path, std::function<int()> body);

    void stylus_down(int x, int y);
    void stylus_move(int x, int y);
    void stylus_up(int x, int y);
    void tap(int x, int y);
    void key(UINT virtual_key);  // press and release
    // The power button: switches the device off, or on (see Shell::press_power_button).
    void press_power_button();

    void wait_idle();
    // Virtual clocks: lets `ms` of device time pass, waking sleepers in order.
    void advance(std::uint64_t ms);
    // What to do with a message box that waits for an answer while programs are to end.
    enum class OpenBoxes { Wait, AnswerWithDefault };
    // Waits until every process has ended, letting at most `max_ms` of device time pass.
    bool wait_for_exit(std::uint64_t max_ms = 2000, OpenBoxes boxes = OpenBoxes::Wait);

    // The newest message box on the screen, if any.
    std::optional<OpenMessageBox> message_box();
    // Answers the newest message box as a tap on its button `id` would, or with its
    // default button; false when no box is open or it has no such button.
    bool answer_message_box(std::optional<int> id = std::nullopt);
    // Answers every open message box with its default button, the newest first, until
    // none is left; a program that opens one box after another is given up on after
    // `limit`. Answers how many it answered.
    int answer_message_boxes(int limit = 100);
    // The exit code of the last ended process of that program.
    std::optional<int> exit_code(std::wstring_view path);

    std::vector<std::uint32_t> screen();  // 240 x 320, 0x00RRGGBB, as the eye sees it
    COLORREF pixel(int x, int y);
    bool screenshot(const std::filesystem::path& file);

    // Runs `action` on the device's state under its lock, once the device is idle.
    template <class Action>
    auto inspect(Action&& action) {
        std::unique_lock lock(device_->scheduler.mutex());
        settle(lock);
        return action(*device_);
    }

    // Real clocks: `listener` is called each time the device is idle again after threads
    // whose deadline passed were woken (a Sleep ended, a timer fired), so that a front-end
    // learns of changes no input of its own caused. It runs on a host thread of its own,
    // holding the device lock, and must not call back into the host.
    void set_wake_listener(std::function<void()> listener);

    // The orderly end: WM_CLOSE to every top-level window, programs given `max_ms` of
    // device time to end, then power off.
    void shutdown(std::uint64_t max_ms = 2000);
    // Power off at once: programs are stopped without their shutdown.
    void reset();

private:
    DeviceHost(std::unique_ptr<DeviceFolderLock> lock, std::unique_ptr<Device> device);
    void inject(const std::function<void(Device&)>& action);
    // Posts the answer to the newest box as its button would send it. Caller holds the mutex.
    bool post_answer(std::optional<int> id);
    // Waits until the device is idle; what ran may have set new deadlines.
    void settle(std::unique_lock<std::mutex>& lock);

    std::unique_ptr<DeviceFolderLock> lock_;  // released only after the device has gone
    std::unique_ptr<Device> device_;
    std::unique_ptr<RealTimeWaker> waker_;  // real clocks only
};

}  // namespace emu
