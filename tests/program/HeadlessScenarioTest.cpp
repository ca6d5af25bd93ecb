// The whole program run headless on the default device through a script: launch from the
// strip, key 4, the configuration (two more items ticked, autoload on, sound off), size,
// close; then the event log and the files, registry and wake-up registration it left.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "ProgramDevice.h"
#include "host/HeadlessRun.h"
#include "host/TemporaryFolder.h"
#include "support/ReadFile.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The value lines of one key of the registry file.
std::string KeySection(const std::string& registry, const std::string& key) {
    auto start = registry.find("[" + key + "]");
    if (start == std::string::npos) return "";
    auto end = registry.find("\n[", start + 1);
    return registry.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

TEST(HeadlessScenario, TheRunLeavesItsChoicesInTheFilesRegistryAndWakeUpRegistration) {
    emu::TemporaryFolder folder;
    std::ofstream(folder.path() / "scenario.txt") << "# the strip's first icon\ntap 25 286\n"
                                                     "# the shell brings the bar back\nkey app4\n"
                                                     "# Config Button\ntap 194 308\n"
                                                     "# the table's first row\ntap 100 75\n"
                                                     "# its second row\ntap 100 93\n"
                                                     "# autoload on\ntap 25 205\n"
                                                     "# sound off\ntap 25 235\n"
                                                     "# the dialog's close button\ntap 228 260\n"
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

    auto events = test::read_file(options.log);
    EXPECT_NE(events.find("\"event\":\"shell-execute\""), std::string::npos);
    // The bar's own end is the program's last: key 4 started a second instance, which ended at once.
    const std::string exit = "\"event\":\"process-exit\",\"path\":\"\\\\Windows\\\\Tesselink.exe\",\"code\":";
    const auto last = events.rfind(exit);
    ASSERT_NE(last, std::string::npos);
    EXPECT_EQ(events.substr(last + exit.size(), 2), "0}");

    auto windows = *options.device / "Windows";
    EXPECT_EQ(test::read_file(windows / "tslink.opt"), "MODE=1\r\nALOAD=1\r\nSOUND=0\r\n");
    auto list = Lines(test::read_file(windows / "tslink.lst"));
    ASSERT_GE(list.size(), 3u);
    // The two newly ticked items come first, in Start Menu order: the scan lists the
    // Accessories folder before the top folder's shortcuts, which follow, this program's own
    // shortcut not among them.
    EXPECT_EQ(list[0].rfind("\\Windows\\Start Menu\\Accessories\\", 0), 0u) << list[0];
    EXPECT_EQ(list[1].rfind("\\Windows\\Start Menu\\Accessories\\", 0), 0u) << list[1];
    EXPECT_LT(list[0], list[1]);
    for (std::size_t i = 2; i < list.size(); ++i) {
        EXPECT_EQ(list[i].find('\\', std::string("\\Windows\\Start Menu\\").size()), std::string::npos) << list[i];
        EXPECT_EQ(list[i].find("Tesselink.lnk"), std::string::npos);
    }
    EXPECT_NE(test::read_file(*options.device / ".device" / "notifications.txt")
                  .find("11 \"\\Windows\\Start Menu\\Tesselink.lnk\""),
              std::string::npos);

    auto registry = test::read_file(*options.device / ".device" / "registry.reg");
    auto key4 = KeySection(registry, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shell\\Keys\\40C4");
    auto reset = key4.substr(key4.find("\"ResetCmd\"=") + 11);
    reset = reset.substr(0, reset.find('\n'));
    EXPECT_NE(key4.find("@=" + reset), std::string::npos) << key4;
}
