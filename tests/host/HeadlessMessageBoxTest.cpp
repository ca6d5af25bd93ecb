// Message boxes in headless runs: a script taps their buttons like any window's; a box
// still open at `exit` or when the script ends gets its default button.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <windows.h>

#include "host/DeviceHost.h"
#include "host/HeadlessRun.h"
#include "host/TemporaryFolder.h"

namespace {

int g_answer = 0;

int WINAPI Asking(HINSTANCE, HINSTANCE, LPWSTR, int) {
    g_answer = MessageBox(nullptr, L"Keep the new layout?", L"Layout", MB_YESNOCANCEL | MB_DEFBUTTON2);
    return g_answer;
}

// The screen point at the middle of the box's Cancel button, as a script names it.
std::string CancelButtonPoint() {
    emu::TemporaryFolder folder;
    std::string error;
    auto host = emu::DeviceHost::boot(emu::BootOptions{folder.path()}, error);
    host->install(L"\\Windows\\ask.exe", &Asking);
    host->start(L"\\Windows\\ask.exe");
    const RECT cancel = host->message_box()->buttons.at(2).screen;
    return std::to_string((cancel.left + cancel.right) / 2) + " " + std::to_string((cancel.top + cancel.bottom) / 2);
}

struct RunResult {
    int status;
    std::string log;
};

RunResult RunWith(const std::string& script) {
    emu::TemporaryFolder folder;
    std::ofstream(folder.path() / "s.txt") << script;
    emu::HeadlessOptions options;
    options.script = folder.path() / "s.txt";
    options.screenshot = folder.path() / "shot.png";
    options.log = folder.path() / "log.jsonl";
    std::ostringstream out, err;
    g_answer = 0;
    const int status = emu::run_headless(
        options, [](emu::DeviceHost& host) { host.install(L"\\Windows\\ask.exe", &Asking); }, L"\\Windows\\ask.exe",
        out, err);
    std::ifstream log(options.log);
    return {status, std::string(std::istreambuf_iterator<char>(log), std::istreambuf_iterator<char>())};
}

}  // namespace

TEST(HeadlessMessageBox, AScriptTapAnswersItAndAnOpenBoxGetsItsDefaultAtExitOrAtTheEnd) {
    const struct {
        std::string script;
        int answer;
    } cases[] = {{"tap " + CancelButtonPoint() + "\n", IDCANCEL}, {"exit\n", IDNO}, {"wait 10\n", IDNO}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        const RunResult run = RunWith(c.script);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(g_answer, c.answer);
        EXPECT_NE(run.log.find("\"event\":\"message-box\",\"caption\":\"Layout\",\"text\":\"Keep the new layout?\","
                               "\"style\":" + std::to_string(MB_YESNOCANCEL | MB_DEFBUTTON2) +
                               ",\"answer\":" + std::to_string(c.answer)),
                  std::string::npos)
            << run.log;
    }
}
