#include <gtest/gtest.h>

#include "app/ApplicationState.h"
#include "app/StatusProbes.h"
#include "device/DeviceStatus.h"
#include "kernel/Device.h"
#include "support/TempDir.h"

ApplicationState appState;

namespace {

class StatusProbes : public ::testing::Test {
protected:
    StatusProbes() {
        device.status = std::make_shared<emu::DeviceStatus>(device);
        appState = ApplicationState();
    }

    emu::DeviceStatus& status() { return *device.status; }

    test::TempDir image;
    emu::Device device{image.path(), emu::Clock::Mode::Virtual};
    emu::DeviceBinding bind{device};
};

TEST_F(StatusProbes, PowerStoresMainsAndBattery) {
    for (auto [line, battery] : {std::pair{emu::AcLine::Online, 100}, {emu::AcLine::Offline, 80},
                                 {emu::AcLine::Unknown, 0}, {emu::AcLine::Offline, BATTERY_PERCENTAGE_UNKNOWN}}) {
        status().set_ac_line(line);
        ASSERT_TRUE(status().set_battery(battery));
        ProbePower();
        EXPECT_EQ(appState.acLineStatus, static_cast<int>(line));
        EXPECT_EQ(appState.batteryPercent, battery);
    }
}

TEST_F(StatusProbes, MemoryLoadIsStoredAndStorageUsedIsATruncatedPercent) {
    ASSERT_TRUE(status().set_memory_load(57));
    const struct {
        DWORD size, free;
        int used;
    } cases[] = {{16000000, 5000000, 68}, {3, 1, 66}, {1000, 1, 99}, {0xFFFFFFFF, 0, 100}, {100, 100, 0}, {0, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.size) + " " + std::to_string(c.free));
        ASSERT_TRUE(status().set_store(c.size, c.free));
        EXPECT_EQ(ProbeMemoryAndStorage(), c.used);
        EXPECT_EQ(appState.storageUsed, c.used);
        EXPECT_EQ(appState.memoryLoad, 57);
    }
}

TEST_F(StatusProbes, DeviceModelTestsTheOemPrefixIgnoringCase) {
    const std::pair<std::wstring, int> cases[] = {
        {L"Compaq iPAQ H3600", 1}, {L"COMPAQ IPAQ POCKET PC", 1}, {L"Compaq iPA", 0}, {L"", 0}, {L" Compaq iPAQ", 0},
        {L"Compaq iPAQ " + std::wstring(500, L'x'), 1}};  // longer than the buffer
    for (const auto& [oem, ipaq] : cases) {
        SCOPED_TRACE(oem.size());
        status().set_oem_info(oem.c_str());
        appState.ipaq = -1;
        TestDeviceModel();
        EXPECT_EQ(appState.ipaq, ipaq);
    }
}

TEST(StatusProbesWithoutStatus, FailedCallsLeaveValuesInRange) {
    appState = ApplicationState();
    appState.ipaq = 1;
    ProbePower();
    EXPECT_EQ(appState.acLineStatus, AC_LINE_UNKNOWN);
    EXPECT_EQ(appState.batteryPercent, BATTERY_PERCENTAGE_UNKNOWN);
    EXPECT_EQ(ProbeMemoryAndStorage(), 0);
    EXPECT_EQ(appState.memoryLoad, 0);
    TestDeviceModel();
    EXPECT_EQ(appState.ipaq, 0);
}

}  // namespace
