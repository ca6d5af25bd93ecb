// Under a real clock the host moves no time: a device thread waiting with a deadline must
// wake by itself when the deadline passes, and a front-end must hear of what it then did.
#include <gtest/gtest.h>

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

TEST_F(RealClock, SleepEndsWithoutTheHostMovingTime) {
    std::promise<steady_clock::duration> woke;
    auto started = steady_clock::now();
    host_->run(L"\\Windows\\sleeper.exe", [&] {
        Sleep(50);
        woke.set_value(steady_clock::now() - started);
        return 0;
    });
    auto slept = woke.get_future();
    ASSERT_EQ(slept.wait_for(seconds(10)), std::future_status::ready) << "the sleeping thread was never woken";
    EXPECT_GE(slept.get(), milliseconds(50));
}

TEST_F(RealClock, WakeListenerRunsOnceTheWokenThreadIsWaitingAgain) {
    int stage = 0;  // device state: written by the device thread, read under the device lock
    std::vector<int> heard;
    std::promise<void> finished;
    host_->set_wake_listener([&] {
        heard.push_back(stage);
        if (stage == 2) finished.set_value();
    });
    host_->run(L"\\Windows\\stages.exe", [&] {
        Sleep(20);
        stage = 1;
        Sleep(20);
        stage = 2;
        return 0;
    });
    ASSERT_EQ(finished.get_future().wait_for(seconds(10)), std::future_status::ready);
    EXPECT_EQ(host_->inspect([&](emu::Device&) { return heard; }), (std::vector<int>{1, 2}));
}

TEST_F(RealClock, WaitWithTimeOutTimesOut) {
    std::promise<DWORD> result;
    host_->run(L"\\Windows\\waiter.exe", [&] {
        HANDLE never = CreateEvent(nullptr, TRUE, FALSE, nullptr);
        result.set_value(WaitForSingleObject(never, 30));
        CloseHandle(never);
        return 0;
    });
    auto waited = result.get_future();
    ASSERT_EQ(waited.wait_for(seconds(10)), std::future_status::ready);
    EXPECT_EQ(waited.get(), static_cast<DWORD>(WAIT_TIMEOUT));
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
