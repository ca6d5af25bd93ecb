"""The web build's page in headless Chromium, against the native build.

Usage: page_test.py TESSELINK SITE_FOLDER

- the page loads and shows the bar (its load-to-first-frame time is reported);
- a tap on the bar's Info button through the page's own input path (a pointer on the
  canvas) shows the same 240 x 320 pixels as the native headless run of the same tap;
- the page idle for 5 s uses next to no CPU (the DevTools protocol's task time of the
  page, and the CPU time of the browser's processes, workers included);
- the tap's time to the next frame is reported, and the median of nine more taps on
  the same button;
- a second page of the device in the same browser refuses to run a second device on
  its storage;
- the Size button's change of the options survives the device's orderly end and a
  reload: the options file in the browser's storage says so, and the bar comes back in
  the same size;
- the Reset device button brings back the built-in image: no options file, and the
  native run's first screen.
Exits 77 (skipped) when there is no Chromium or no web build."""
import base64
import os
import socket
import statistics
import subprocess
import sys
import tempfile
import time

import cdp

INFO_BUTTON = (211, 308)
SIZE_BUTTON = (160, 308)
IDLE_SECONDS = 5
TIMED_TAPS = 9
# The page's own main thread, and every process of the browser, workers included.
MAX_IDLE_TASK_SECONDS = 0.05
MAX_IDLE_CPU_SECONDS = 0.1
OPTIONS_FILE = "/storage/device/Windows/tslink.opt"


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def native_screenshot(tesselink, folder, name, actions):
    script = os.path.join(folder, f"{name}.script")
    with open(script, "w") as out:
        out.write("".join(f"tap {x} {y}\n" for x, y in actions))
    picture = os.path.join(folder, f"{name}.png")
    subprocess.run([tesselink, "--headless", "--script", script, "--screenshot", picture,
                    "--log", os.path.join(folder, f"{name}-events.jsonl")],
                   check=True, stdout=subprocess.DEVNULL, timeout=60)
    with open(picture, "rb") as png:
        return base64.b64encode(png.read()).decode()


def process_tree_cpu_seconds(root):
    """User plus system CPU time of `root` and its descendants, from /proc."""
    children = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open(f"/proc/{entry}/stat") as stat:
                    fields = stat.read().rsplit(")", 1)[1].split()
                children.setdefault(int(fields[1]), []).append((int(entry), int(fields[11]) + int(fields[12])))
            except (OSError, IndexError):
                pass
    ticks, pending = 0, [root]
    while pending:
        for pid, used in children.get(pending.pop(), []):
            ticks += used
            pending.append(pid)
    return ticks / os.sysconf("SC_CLK_TCK")


class DevicePage:
    def __init__(self, page, url):
        self.page = page
        self.url = url

    def load(self):
        self.page.navigate(self.url)
        self.page.wait_for("tesselink.state.frames > 0 || tesselink.state.error", timeout=60)
        error = self.page.evaluate("tesselink.state.error")
        if error:
            raise AssertionError(f"the device did not start: {error}")
        return self.page.evaluate("tesselink.state.firstFrameAt")

    def tap(self, point):
        """Taps a screen pixel through the canvas and waits for the frame that shows it."""
        x, y = self.page.evaluate(f"tesselink.screenPointOnPage({point[0]}, {point[1]})")
        before = self.page.evaluate("tesselink.state.inputsSent")
        self.page.click(x, y)
        self.page.wait_for(f"tesselink.state.inputsSent >= {before + 2} && "
                           "tesselink.state.inputs.at(-1).frameAt !== null")
        last = self.page.evaluate("tesselink.state.inputs.at(-1)")
        return last["frameAt"] - last["at"]

    def reset(self):
        """Resets the device with the page's button, its question answered yes, and waits
        for the page to load again and show the device."""
        self.page.browser.events.clear()
        self.page.evaluate("window.confirm = () => true; document.getElementById('reset').click(); true")
        self.page.browser.wait_event("Page.loadEventFired", self.page.session, timeout=60)
        self.page.wait_for("window.tesselink && tesselink.state.frames > 0", timeout=60)

    def differing_pixels(self, png_base64):
        return self.page.evaluate(f"tesselink.differingPixels('data:image/png;base64,{png_base64}')")

    def screen_data_url(self):
        return self.page.evaluate("tesselink.screenPicture().toDataURL('image/png')")


def check(condition, message, failures):
    print(("ok   " if condition else "FAIL ") + message)
    if not condition:
        failures.append(message)


def main():
    tesselink, site = sys.argv[1], sys.argv[2]
    chromium = cdp.find_chromium()
    if not chromium:
        print("skipped: no chromium")
        return 77
    if not os.path.isfile(os.path.join(site, "tesselink.js")):
        print(f"skipped: no web build in {site}")
        return 77
    failures = []
    with tempfile.TemporaryDirectory(prefix="tesselink-web-") as folder:
        native_start = native_screenshot(tesselink, folder, "start", [])
        native_info = native_screenshot(tesselink, folder, "info", [INFO_BUTTON])
        port = free_port()
        serve = os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "serve-web.sh")
        server = subprocess.Popen([serve, str(port), site], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        if not server.stdout.readline().startswith("Serving"):
            raise RuntimeError("scripts/serve-web.sh did not start")
        browser = None
        try:
            browser = cdp.Browser(chromium)
            device = DevicePage(browser.open_page(), f"http://127.0.0.1:{port}/?clock=virtual")
            first_frame = device.load()
            print(f"load to the first frame of the bar: {first_frame:.0f} ms")

            # A new device's files go to the browser's storage a second after it starts; that
            # first store, of the whole unpacked image, holds the page's thread for a while.
            device.page.wait_for("tesselink.state.storedAt > tesselink.state.lastFrameAt")
            first_tap_ms = device.tap(INFO_BUTTON)
            differing = device.differing_pixels(native_info)
            check(differing == 0, f"the Info screen matches the native one ({differing} pixels differ)", failures)

            # The page stores the device folder a second after a change: idle is after that.
            device.page.wait_for("tesselink.state.storedAt > tesselink.state.lastFrameAt")
            device.page.send("Performance.enable")
            task_before = task_seconds(device.page)
            cpu_before = process_tree_cpu_seconds(browser.process.pid)
            browser_idle(device.page, IDLE_SECONDS)
            task = task_seconds(device.page) - task_before
            cpu = process_tree_cpu_seconds(browser.process.pid) - cpu_before
            check(task <= MAX_IDLE_TASK_SECONDS, f"idle {IDLE_SECONDS} s: the page's tasks took {task:.3f} s", failures)
            check(cpu <= MAX_IDLE_CPU_SECONDS, f"idle {IDLE_SECONDS} s: the browser used {cpu:.2f} s of CPU", failures)

            # The first tap runs the dialog's code for the first time; the taps after it
            # close and open the dialog as a person does again and again.
            taps_ms = [device.tap(INFO_BUTTON) for _ in range(TIMED_TAPS)]  # the dialog ends closed
            print(f"tap to the next frame: {first_tap_ms:.1f} ms the first time, then a median of "
                  f"{statistics.median(taps_ms):.1f} ms over {TIMED_TAPS} taps (slowest {max(taps_ms):.1f} ms)")

            second = browser.open_page()
            second.navigate(device.url)
            second.wait_for("!document.getElementById('message').hidden")
            check(second.evaluate("tesselink.state.frames === 0 && "
                                  "document.getElementById('message').textContent.includes('another tab')"),
                  "a second page of the device in the same browser does not start another", failures)
            second.close()

            device.tap(SIZE_BUTTON)
            resized = device.screen_data_url()
            device.page.evaluate("tesselink.end()", timeout=30)
            device.load()
            options_after = device.page.evaluate(f"tesselink.readFile('{OPTIONS_FILE}')")
            check((options_after or "").startswith("MODE=1"),
                  f"the small bar's mode survived the reload in the options file ({options_after!r})", failures)
            differing = device.differing_pixels(resized.split(",", 1)[1])
            check(differing == 0, f"the bar came back in its new size ({differing} pixels differ)", failures)

            device.reset()
            check(device.page.evaluate(f"tesselink.readFile('{OPTIONS_FILE}')") is None,
                  "a reset device has no options file", failures)
            differing = device.differing_pixels(native_start)
            check(differing == 0, f"a reset device starts as the native one ({differing} pixels differ)", failures)
        finally:
            if browser:
                browser.close()
            server.terminate()
            server.wait(timeout=10)
    return 1 if failures else 0


def task_seconds(page):
    metrics = page.send("Performance.getMetrics")["metrics"]
    return next(m["value"] for m in metrics if m["name"] == "TaskDuration")


def browser_idle(page, seconds):
    """Lets the page be for `seconds` of wall-clock time, measured by the browser."""
    page.evaluate(f"new Promise(resolve => setTimeout(resolve, {seconds * 1000}))", timeout=seconds + 10)


if __name__ == "__main__":
    sys.exit(main())
