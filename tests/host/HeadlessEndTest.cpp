// How a headless run takes its script and how it ends: SIGTERM or SIGINT stops the script
// and the device shuts down in order, leaving the screenshot, the log and the program's
// files; '#' starts only a comment line; a script must be a readable file.
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sstream>

#include <windows.h>

#include "host/DeviceHost.h"
#include "host/HeadlessRun.h"
#include "host/Script.h"
#include "support/ReadFile.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

int g_signal = 0;

// A program that raises g_signal when tapped and saves a file when asked to close.
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_LBUTTONDOWN) std::raise(g_signal);
    if (message == WM_CLOSE) {
        FILE* file = _wfopen(L"\\Windows\\saved.txt", L"w");
        fputs("saved at the end", file);
        fclose(file);
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProc(window, message, w, l);
}

int WINAPI Program(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    WNDCLASS window_class{};
    window_class.lpfnWndProc = WindowProc;
    window_class.hInstance = instance;
    window_class.lpszClassName = L"Stopper";
    RegisterClass(&window_class);
    CreateWindow(L"Stopper", L"", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr, instance, nullptr);
    MSG message;
    while (GetMessage(&message, nullptr, 0, 0)) DispatchMessage(&message);
    return 0;
}

struct Run {
    int status;
    std::string err;
};

Run run_headless(const test::TempDir& dir, const fs::path& script) {
    emu::HeadlessOptions options;
    options.device = dir.path() / "device";
    options.script = script;
    options.screenshot = dir.path() / "end.png";
    options.log = dir.path() / "log.jsonl";
    std::ostringstream out, err;
    const int status = emu::run_headless(
        options, [](emu::DeviceHost& host) { host.install(L"\\Windows\\stopper.exe", &Program); },
        L"\\Windows\\stopper.exe", out, err);
    return {status, err.str()};
}

TEST(HeadlessEnd, AStopSignalEndsTheScriptAndTheDeviceShutsDownInOrder) {
    for (int signal_number : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal_number);
        test::TempDir dir;
        g_signal = signal_number;
        std::ofstream(dir.path() / "s.txt") << "wait 100\ntap 10 10\nwait 3600000\nscreenshot "
                                            << (dir.path() / "never.png").string() << "\n";
        const auto run = run_headless(dir, dir.path() / "s.txt");
        EXPECT_EQ(run.status, 128 + signal_number) << run.err;
        EXPECT_FALSE(fs::exists(dir.path() / "never.png"));
        EXPECT_GT(fs::file_size(dir.path() / "end.png"), 100u);
        EXPECT_EQ(test::read_file(dir.path() / "device/Windows/saved.txt"), "saved at the end");
        EXPECT_NE(test::read_file(dir.path() / "log.jsonl").find("\"event\":\"process-exit\""), std::string::npos);
    }
    // The handlers are given back: the test process still ends on a signal as before.
    EXPECT_EQ(std::signal(SIGTERM, SIG_DFL), SIG_DFL);
}

TEST(HeadlessEnd, OnlyALineStartingWithAHashIsAComment) {
    std::istringstream in("# a comment\n  # an indented one\nopen \\Windows\\My #1.txt\ntap 1 2 # not a comment\n");
    std::string error;
    EXPECT_FALSE(emu::Script::parse(in, "s.txt", error));
    EXPECT_EQ(error, "s.txt:4: 'tap' takes 2 argument(s)");
    std::istringstream good("# a comment\n  # an indented one\nopen \\Windows\\My #1.txt\n");
    auto script = emu::Script::parse(good, "s.txt", error);
    ASSERT_TRUE(script) << error;
    ASSERT_EQ(script->actions().size(), 1u);
    EXPECT_EQ(script->actions()[0].args, std::vector<std::string>{"\\Windows\\My #1.txt"});
}

TEST(HeadlessEnd, AScriptThatIsNoReadableFileStopsTheRunWithStatusTwo) {
    test::TempDir dir;
    fs::create_directory(dir.path() / "folder");
    for (auto script : {"folder", "missing.txt"}) {
        const auto run = run_headless(dir, dir.path() / script);
        EXPECT_EQ(run.status, 2) << script;
        EXPECT_EQ(run.err, "tesselink: cannot read the script " + (dir.path() / script).string() +
                               " (it must be a readable file)\n");
    }
}

}  // namespace
