// The whole program run headless on the default device through a script: launch from the
// strip, hide, key 4, size, close; then the files and the registry it left behind.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "ProgramDevice.h"
#include "host/HeadlessRun.h"
#include "host/TemporaryFolder.h"

namespace {

std::string Contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The value lines of one key of the registry file.
std::string KeySection(const std::string& registry, const std::string& key) {
    auto start = registry.find("[" + key + "]");
    if (start == std::string::npos) return "";
    auto end = registry.find("\n[", start + 1);
    return registry.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

TEST(HeadlessScenario, LaunchHideKey4SizeAndCloseLeaveTheSettingsBehind) {
    emu::TemporaryFolder folder;
    std::ofstream(folder.path() / "scenario.txt") << "# the strip's first icon\ntap 25 286\n"
                                                     "# the shell brings the bar back\nkey app4\n"
                                                     "# Size: the large bar\ntap 160 308\n"
                                                     "# Close\ntap 228 308\n";
    emu::HeadlessOptions options;
    options.device = folder.path() / "device";
    options.script = folder.path() / "scenario.txt";
    options.screenshot = folder.path() / "end.png";
    options.log = folder.path() / "events.jsonl";
    std::ostringstream out, err;
    int status = emu::run_headless(
        options,
        [](emu::DeviceHost& host) { host.install(test::ProgramDevice::kPath, &WinMain, tesselink_resources()); },
        test::ProgramDevice::kPath, out, err);
    ASSERT_EQ(status, 0) << err.str() << out.str();

    auto events = Contents(options.log);
    EXPECT_NE(events.find("\"event\":\"shell-execute\""), std::string::npos);
    EXPECT_NE(events.find("\"event\":\"process-exit\",\"path\":\"\\\\Windows\\\\Tesselink.exe\",\"code\":0"),
              std::string::npos);

    auto windows = *options.device / "Windows";
    EXPECT_EQ(Contents(windows / "tslink.opt"), "MODE=1\r\nALOAD=0\r\nSOUND=1\r\n");
    auto list = Contents(windows / "tslink.lst");
    EXPECT_NE(list.find("\\Windows\\Start Menu\\"), std::string::npos);
    EXPECT_EQ(list.find("Tesselink.lnk"), std::string::npos);

    auto registry = Contents(*options.device / ".device" / "registry.reg");
    auto key4 = KeySection(registry, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shell\\Keys\\40C4");
    auto reset = key4.substr(key4.find("\"ResetCmd\"=") + 11);
    reset = reset.substr(0, reset.find('\n'));
    EXPECT_NE(key4.find("@=" + reset), std::string::npos) << key4;
}
