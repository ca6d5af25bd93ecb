// The configuration end to end, headless on the default device: tick two more items, turn
// autoload on and sound off, close the dialog and the program; then the strip's list,
// the options and the wake-up registration on the device.
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

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

TEST(ConfigurationScenario, TheChoicesReachTheStripTheFilesAndTheWakeUpRegistration) {
    emu::TemporaryFolder folder;
    std::ofstream(folder.path() / "scenario.txt") << "# Config Button\ntap 194 308\n"
                                                     "# the table's first row\ntap 100 75\n"
                                                     "# its second row\ntap 100 93\n"
                                                     "# autoload on\ntap 25 205\n"
                                                     "# sound off\ntap 25 235\n"
                                                     "# the dialog's close button\ntap 228 260\n"
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
    ASSERT_EQ(status, 0) << err.str();

    auto windows = *options.device / "Windows";
    EXPECT_EQ(Contents(windows / "tslink.opt"), "MODE=0\r\nALOAD=1\r\nSOUND=0\r\n");
    auto list = Lines(Contents(windows / "tslink.lst"));
    ASSERT_GE(list.size(), 3u);
    // The two newly ticked items come first, in Start Menu order: the scan lists the
    // Accessories folder before the top folder's shortcuts.
    EXPECT_EQ(list[0].rfind("\\Windows\\Start Menu\\Accessories\\", 0), 0u) << list[0];
    EXPECT_EQ(list[1].rfind("\\Windows\\Start Menu\\Accessories\\", 0), 0u) << list[1];
    EXPECT_LT(list[0], list[1]);
    for (std::size_t i = 2; i < list.size(); ++i)
        EXPECT_EQ(list[i].find('\\', std::string("\\Windows\\Start Menu\\").size()), std::string::npos) << list[i];
    EXPECT_NE(Contents(*options.device / ".device" / "notifications.txt")
                  .find("11 \"\\Windows\\Start Menu\\Tesselink.lnk\""),
              std::string::npos);
}
