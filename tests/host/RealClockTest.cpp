// Under a real clock the host moves no time: a device thread waiting with a deadline must
// wake by itself when the deadline passes, and a front-end must hear of what it then did.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <future>
#include <vector>

#include <windows.h>

#include "host/DeviceHost.h"
#include "support/TempDir.h"

namespace {

using namespace std::chrono;

class RealClock : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        host_ = emu::DeviceHost::boot({dir_.path(), false, emu::Clock::Mode::Real}, error);
        ASSERT_TRUE(host_) << error;
    }

    test::TempDir dir_;
    std::unique_ptr<emu::DeviceHost> host_;
};

// Sleeps and a wait that times out end on time (within the clock's millisecond steps); the
// wake listener runs after each, once the woken thread waits again: never while a deadline
// it was called for is still pending. Other wakes the device has may reach it too.
TEST_F(RealClock, DeadlinesPassByThemselvesAndTheListenerHearsEachWake) {
    int stage = 0;  // device state: written by the device thread, read under the device lock
    std::vector<int> heard;
    int overdue = 0;  // listener calls that came while a passed deadline had not woken its thread
    std::promise<void> finished;
    DWORD waited = 0;
    steady_clock::duration took{};
    emu::Device& device = host_->device();
    host_->set_wake_listener([&] {
        const auto deadline = device.scheduler.next_deadline();
        if (deadline && *deadline <= device.clock.now_ms()) ++overdue;
        if (stage == 3 && (heard.empty() || heard.back() != 3)) finished.set_value();
        heard.push_back(stage);
    });
    const auto started = steady_clock::now();
    host_->run(L"\\Windows\\stages.exe", [&] {
        Sleep(20);
        stage = 1;
        Sleep(30);
        stage = 2;
        HANDLE never = CreateEvent(nullptr, TRUE, FALSE, nullptr);
        waited = WaitForSingleObject(never, 30);
        CloseHandle(never);
        took = steady_clock::now() - started;
        stage = 3;
        return 0;
    });
    ASSERT_EQ(finished.get_future().wait_for(seconds(10)), std::future_status::ready) << "a deadline never woke";
    std::vector<int> stages = host_->inspect([&](emu::Device&) { return heard; });
    stages.erase(std::unique(stages.begin(), stages.end()), stages.end());
    std::erase(stages, 0);
    EXPECT_EQ(stages, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(host_->inspect([&](emu::Device&) { return overdue; }), 0);
    EXPECT_EQ(waited, static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_GE(took, milliseconds(77));
}

TEST_F(RealClock, EndingTheHostDoesNotWaitForALongSleep) {
    host_->run(L"\\Windows\\sleeper.exe", [] {
        Sleep(600000);
        return 0;
    });
    auto started = steady_clock::now();
    host_.reset();
    EXPECT_LT(steady_clock::now() - started, seconds(5));
}

}  // namespace
