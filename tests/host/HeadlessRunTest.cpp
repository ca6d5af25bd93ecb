// The headless runner: a script that is no readable file or holds a bad line stops the run
// with status 2 before the device boots; a run leaves a screenshot and the event log; a
// message box still open at `exit` or at the script's end gets its default button; SIGTERM
// or SIGINT ends the script and the device shuts down in order, keeping what it saves.
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sstream>

#include <windows.h>

#include "host/DeviceHost.h"
#include "host/HeadlessRun.h"
#include "support/ReadFile.h"
#include "support/TempDir.h"
#include "support/TestDevice.h"

namespace {

namespace fs = std::filesystem;

int g_runs = 0;
int g_signal = 0;
int g_answer = 0;

// A program window that raises g_signal when tapped and saves a file when asked to close.
LRESULT CALLBACK StopperProc(HWND window, UINT message, WPARAM w, LPARAM l) {
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

int WINAPI Stopper(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    ++g_runs;
    OutputDebugString(L"hello");
    WNDCLASS window_class{};
    window_class.lpfnWndProc = StopperProc;
    window_class.hInstance = instance;
    window_class.lpszClassName = L"Stopper";
    RegisterClass(&window_class);
    CreateWindow(L"Stopper", L"", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr, instance, nullptr);
    MSG message;
    while (GetMessage(&message, nullptr, 0, 0)) DispatchMessage(&message);
    return 0;
}

int WINAPI Asking(HINSTANCE, HINSTANCE, LPWSTR, int) {
    g_answer = MessageBox(nullptr, L"Keep the new layout?", L"Layout", MB_YESNOCANCEL | MB_DEFBUTTON2);
    return g_answer;
}

struct Run {
    int status;
    std::string out, err;
};

Run run_headless(const test::TempDir& dir, const fs::path& script, emu::EntryFunction program = &Stopper) {
    emu::HeadlessOptions options{dir.path() / "device", script, dir.path() / "end.png", dir.path() / "log.jsonl"};
    std::ostringstream out, err;
    const int status = emu::run_headless(
        options, [program](emu::DeviceHost& host) { host.install(L"\\Windows\\p.exe", program); }, L"\\Windows\\p.exe",
        out, err);
    return {status, out.str(), err.str()};
}

Run run_script(const test::TempDir& dir, const std::string& script, emu::EntryFunction program = &Stopper) {
    std::ofstream(dir.path() / "s.txt") << script;
    return run_headless(dir, dir.path() / "s.txt", program);
}

TEST(HeadlessRun, ABadScriptStopsBeforeTheDeviceRunsAndAGoodOneLeavesAScreenshotAndTheLog) {
    test::TempDir dir;
    fs::create_directory(dir.path() / "folder");
    const auto unreadable = [&](const char* name) {
        return "tesselink: cannot read the script " + (dir.path() / name).string() + " (it must be a readable file)\n";
    };
    EXPECT_EQ(run_headless(dir, dir.path() / "folder").err, unreadable("folder"));
    const auto missing = run_headless(dir, dir.path() / "missing.txt");
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, unreadable("missing.txt"));
    const auto bad = run_script(dir, "wait 10\nbogus\n");
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err, "tesselink: " + (dir.path() / "s.txt").string() + ":2: unknown action 'bogus'\n");
    EXPECT_EQ(g_runs, 0);
    EXPECT_FALSE(fs::exists(dir.path() / "end.png"));

    const auto good = run_script(dir, "wait 10\nscreenshot " + (dir.path() / "mid.png").string() + "\n");
    EXPECT_EQ(good.status, 0) << good.err;
    EXPECT_EQ(g_runs, 1);
    EXPECT_TRUE(fs::exists(dir.path() / "mid.png"));
    EXPECT_GT(fs::file_size(dir.path() / "end.png"), 100u);
    EXPECT_NE(test::read_file(dir.path() / "log.jsonl").find("{\"t\":0,\"event\":\"debug\",\"text\":\"hello\"}"),
              std::string::npos);
    EXPECT_NE(good.out.find("Screenshot: "), std::string::npos);
}

TEST(HeadlessRun, AScriptTapAnswersABoxAndAnOpenBoxGetsItsDefaultAtExitOrAtTheEnd) {
    test::TestDevice probe;
    probe.host().install(L"\\Windows\\ask.exe", &Asking);
    probe.host().start(L"\\Windows\\ask.exe");
    const RECT cancel = probe.host().message_box()->buttons.at(2).screen;
    const auto tap_cancel =
        "tap " + std::to_string((cancel.left + cancel.right) / 2) + " " + std::to_string((cancel.top + cancel.bottom) / 2);
    for (auto [script, answer] : {std::pair{tap_cancel, IDCANCEL}, {std::string("exit"), IDNO}, {"wait 10", IDNO}}) {
        SCOPED_TRACE(script);
        test::TempDir dir;
        g_answer = 0;
        EXPECT_EQ(run_script(dir, script + "\n", &Asking).status, 0);
        EXPECT_EQ(g_answer, answer);
        EXPECT_NE(test::read_file(dir.path() / "log.jsonl")
                      .find("\"event\":\"message-box\",\"caption\":\"Layout\",\"text\":\"Keep the new layout?\","
                            "\"style\":" + std::to_string(MB_YESNOCANCEL | MB_DEFBUTTON2) +
                            ",\"answer\":" + std::to_string(answer)),
                  std::string::npos);
    }
}

TEST(HeadlessRun, AStopSignalEndsTheScriptAndTheDeviceShutsDownInOrder) {
    for (int signal_number : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal_number);
        test::TempDir dir;
        g_signal = signal_number;
        const auto run =
            run_script(dir, "wait 100\ntap 10 10\nwait 3600000\nscreenshot " + (dir.path() / "never.png").string() + "\n");
        EXPECT_EQ(run.status, 128 + signal_number) << run.err;
        EXPECT_FALSE(fs::exists(dir.path() / "never.png"));
        EXPECT_GT(fs::file_size(dir.path() / "end.png"), 100u);
        EXPECT_EQ(test::read_file(dir.path() / "device/Windows/saved.txt"), "saved at the end");
        EXPECT_NE(test::read_file(dir.path() / "log.jsonl").find("\"event\":\"process-exit\""), std::string::npos);
    }
    // The handlers are given back: the test process still ends on a signal as before.
    EXPECT_EQ(std::signal(SIGTERM, SIG_DFL), SIG_DFL);
}

}  // namespace
