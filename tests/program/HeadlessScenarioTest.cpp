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
    // The bar's own end is the program's last: key 4 started a second instance, which ended at once.
    const std::string exit = "\"event\":\"process-exit\",\"path\":\"\\\\Windows\\\\Tesselink.exe\",\"code\":";
    const auto last = events.rfind(exit);
    ASSERT_NE(last, std::string::npos);
    EXPECT_EQ(events.substr(last + exit.size(), 2), "0}");

    auto windows = *options.device / "Windows";
    EXPECT_EQ(test::read_file(windows / "tslink.opt"), "MODE=1\r\nALOAD=1\r\nSOUND=0\r\n");
    // The two newly ticked items, then the first start's top-level shortcuts without this
    // program's own, all in Start Menu order: the scan lists the Accessories folder first.
    std::string list;
    for (const char* name : {"Accessories\\Calculator", "Accessories\\File Explorer", "Calendar", "Contacts", "Inbox",
                             "Media Player", "Notes", "Spreadsheet", "Tasks", "Web Browser", "Word Processor"})
        list += std::string("\\Windows\\Start Menu\\") + name + ".lnk\r\n";
    EXPECT_EQ(test::read_file(windows / "tslink.lst"), list);
    EXPECT_NE(test::read_file(*options.device / ".device" / "notifications.txt")
                  .find("11 \"\\Windows\\Start Menu\\Tesselink.lnk\""),
              std::string::npos);

    // Key 4 has its factory command back.
    EXPECT_NE(test::read_file(*options.device / ".device" / "registry.reg")
                  .find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shell\\Keys\\40C4]\n"
                        "@=\"\\\"\\\\Windows\\\\Start Menu\\\\Tasks.lnk\\\"\"\n"),
              std::string::npos);
}
