// The headless runner: a malformed script stops the run with status 2 before the device
// boots; a good one leaves a screenshot and an event log.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <windows.h>

#include "host/DeviceHost.h"
#include "host/HeadlessRun.h"
#include "host/TemporaryFolder.h"

namespace {

int g_runs = 0;

int WINAPI Program(HINSTANCE, HINSTANCE, LPWSTR, int) {
    ++g_runs;
    OutputDebugString(L"hello");
    return 0;
}

struct Run {
    int status;
    std::string out, err;
};

Run RunWith(const emu::TemporaryFolder& folder, const std::string& script) {
    std::ofstream(folder.path() / "s.txt") << script;
    emu::HeadlessOptions options;
    options.device = folder.path() / "device";
    options.script = folder.path() / "s.txt";
    options.screenshot = folder.path() / "shot.png";
    options.log = folder.path() / "log.jsonl";
    std::ostringstream out, err;
    int status = emu::run_headless(
        options, [](emu::DeviceHost& host) { host.install(L"\\Windows\\p.exe", &Program); }, L"\\Windows\\p.exe", out,
        err);
    return {status, out.str(), err.str()};
}

}  // namespace

TEST(HeadlessRun, AMalformedScriptStopsWithStatusTwoBeforeTheDeviceRuns) {
    emu::TemporaryFolder folder;
    g_runs = 0;
    auto run = RunWith(folder, "wait 10\nbogus\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("s.txt:2: unknown action 'bogus'"), std::string::npos);
    EXPECT_EQ(g_runs, 0);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "shot.png"));
}

TEST(HeadlessRun, AGoodScriptLeavesAScreenshotAndTheEventLog) {
    emu::TemporaryFolder folder;
    g_runs = 0;
    auto run = RunWith(folder, "wait 10\nscreenshot " + (folder.path() / "mid.png").string() + "\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(g_runs, 1);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "mid.png"));
    EXPECT_GT(std::filesystem::file_size(folder.path() / "shot.png"), 100u);
    std::ifstream log(folder.path() / "log.jsonl");
    std::string all((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    EXPECT_NE(all.find("{\"t\":0,\"event\":\"debug\",\"text\":\"hello\"}"), std::string::npos);
    EXPECT_NE(run.out.find("Screenshot: "), std::string::npos);
}
