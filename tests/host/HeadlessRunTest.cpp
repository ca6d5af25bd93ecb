// The headless runner: a malformed script stops the run with status 2 before the device
// boots; a good one leaves a screenshot and an event log.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <windows.h>

#include "host/DeviceHost.h"
#include "host/HeadlessRun.h"
#include "host/TemporaryFolder.h"
#include "support/ReadFile.h"

namespace {

int g_runs = 0;

int WINAPI Program(HINSTANCE, HINSTANCE, LPWSTR, int) {
    ++g_runs;
    OutputDebugString(L"hello");
    return 0;
}

TEST(HeadlessRun, AMalformedScriptStopsBeforeTheDeviceRunsAndAGoodOneLeavesAScreenshotAndTheLog) {
    emu::TemporaryFolder folder;
    const auto run = [&](const std::string& script, std::string& out, std::string& err) {
        std::ofstream(folder.path() / "s.txt") << script;
        emu::HeadlessOptions options{folder.path() / "device", folder.path() / "s.txt", folder.path() / "shot.png",
                                     folder.path() / "log.jsonl"};
        std::ostringstream out_stream, err_stream;
        const int status = emu::run_headless(
            options, [](emu::DeviceHost& host) { host.install(L"\\Windows\\p.exe", &Program); }, L"\\Windows\\p.exe",
            out_stream, err_stream);
        out = out_stream.str(), err = err_stream.str();
        return status;
    };
    std::string out, err;
    EXPECT_EQ(run("wait 10\nbogus\n", out, err), 2);
    EXPECT_NE(err.find("s.txt:2: unknown action 'bogus'"), std::string::npos);
    EXPECT_EQ(g_runs, 0);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "shot.png"));

    EXPECT_EQ(run("wait 10\nscreenshot " + (folder.path() / "mid.png").string() + "\n", out, err), 0) << err;
    EXPECT_EQ(g_runs, 1);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "mid.png"));
    EXPECT_GT(std::filesystem::file_size(folder.path() / "shot.png"), 100u);
    EXPECT_NE(test::read_file(folder.path() / "log.jsonl").find("{\"t\":0,\"event\":\"debug\",\"text\":\"hello\"}"),
              std::string::npos);
    EXPECT_NE(out.find("Screenshot: "), std::string::npos);
}

}  // namespace
