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

    int storageUsed(DWORD size, DWORD free) {
        EXPECT_TRUE(status().set_store(size, free));
        const int returned = ProbeMemoryAndStorage();
        EXPECT_EQ(returned, appState.storageUsed);
        return returned;
    }

    int ipaqFlag(const wchar_t* oemInfo) {
        status().set_oem_info(oemInfo);
        appState.ipaq = -1;
        TestDeviceModel();
        return appState.ipaq;
    }

    test::TempDir image;
    emu::Device device{image.path(), emu::Clock::Mode::Virtual};
    emu::DeviceBinding bind{device};
};

TEST_F(StatusProbes, PowerStoresMainsAndBattery) {
    const struct {
        emu::AcLine line;
        int battery;
    } cases[] = {
        {emu::AcLine::Online, 100},
        {emu::AcLine::Offline, 80},
        {emu::AcLine::Unknown, 0},
        {emu::AcLine::Offline, BATTERY_PERCENTAGE_UNKNOWN},
    };
    for (const auto& c : cases) {
        status().set_ac_line(c.line);
        ASSERT_TRUE(status().set_battery(c.battery));
        ProbePower();
        EXPECT_EQ(appState.acLineStatus, static_cast<int>(c.line));
        EXPECT_EQ(appState.batteryPercent, c.battery);
    }
}

TEST_F(StatusProbes, MemoryLoadIsStored) {
    ASSERT_TRUE(status().set_memory_load(57));
    ProbeMemoryAndStorage();
    EXPECT_EQ(appState.memoryLoad, 57);
}

TEST_F(StatusProbes, StorageUsedIsTruncatedPercent) {
    EXPECT_EQ(storageUsed(16000000, 5000000), 68);
    EXPECT_EQ(storageUsed(3, 1), 66);
    EXPECT_EQ(storageUsed(1000, 1), 99);
    EXPECT_EQ(storageUsed(0xFFFFFFFF, 0), 100);
}

TEST_F(StatusProbes, StorageUsedEnds) {
    EXPECT_EQ(storageUsed(100, 100), 0);
    EXPECT_EQ(storageUsed(100, 0), 100);
    EXPECT_EQ(storageUsed(0, 0), 0);
}

TEST_F(StatusProbes, DeviceModelTestsTheOemPrefixIgnoringCase) {
    EXPECT_EQ(ipaqFlag(L"Compaq iPAQ H3600"), 1);
    EXPECT_EQ(ipaqFlag(L"Compaq iPAQ"), 1);
    EXPECT_EQ(ipaqFlag(L"COMPAQ IPAQ POCKET PC"), 1);
    EXPECT_EQ(ipaqFlag(L"compaq ipaqx"), 1);
    EXPECT_EQ(ipaqFlag(L"Compaq iPA"), 0);
    EXPECT_EQ(ipaqFlag(L"Compaq"), 0);
    EXPECT_EQ(ipaqFlag(L""), 0);
    EXPECT_EQ(ipaqFlag(L" Compaq iPAQ"), 0);
    EXPECT_EQ(ipaqFlag(L"Compaq Aero 1550"), 0);
}

TEST_F(StatusProbes, OemTextLongerThanTheBufferStillCounts) {
    EXPECT_EQ(ipaqFlag((L"Compaq iPAQ " + std::wstring(500, L'x')).c_str()), 1);
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
