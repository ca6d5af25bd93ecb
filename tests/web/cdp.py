"""Headless Chromium driven through the DevTools protocol over a pipe
(--remote-debugging-pipe: commands on the browser's file descriptor 3, answers and events
on 4, each message JSON ended by a NUL byte), with the standard library only."""
import json
import select
import os
import shutil
import subprocess
import tempfile
import time

# What this machine's Chromium needs to run headless and quiet: no sandbox as root, no
# GPU, and none of the background connections that a closed network refuses.
FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--disable-default-apps", "--mute-audio", "--remote-debugging-pipe"]


def find_chromium():
    return shutil.which("chromium") or shutil.which("chromium-browser")


class Browser:
    def __init__(self, chromium, window=(1000, 800)):
        self.profile = tempfile.mkdtemp(prefix="tesselink-chromium-")
        to_browser_r, self._to_browser = os.pipe()
        self._from_browser, from_browser_w = os.pipe()
        args = FLAGS + [f"--user-data-dir={self.profile}", f"--window-size={window[0]},{window[1]}"]
        self.process = subprocess.Popen(
            ["sh", "-c", f'exec "$0" "$@" 3<&{to_browser_r} 4>&{from_browser_w}', chromium, *args, "about:blank"],
            pass_fds=(to_browser_r, from_browser_w), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_browser_r)
        os.close(from_browser_w)
        self._next_id = 0
        self._buffer = b""
        self.events = []

    def close(self):
        try:
            self.send("Browser.close", timeout=10)
        except Exception:
            pass
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        os.close(self._to_browser)
        os.close(self._from_browser)
        shutil.rmtree(self.profile, ignore_errors=True)

    def _read_message(self, deadline):
        while b"\0" not in self._buffer:
            if time.monotonic() > deadline:
                raise TimeoutError("the browser did not answer in time")
            ready, _, _ = select.select([self._from_browser], [], [], max(0.0, deadline - time.monotonic()))
            if not ready:
                continue
            chunk = os.read(self._from_browser, 1 << 20)
            if not chunk:
                raise ConnectionError("the browser closed its pipe")
            self._buffer += chunk
        message, self._buffer = self._buffer.split(b"\0", 1)
        return json.loads(message)

    def send(self, method, params=None, session=None, timeout=30):
        """Sends a command and returns its result; events that arrive meanwhile are kept."""
        self._next_id += 1
        message = {"id": self._next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self._to_browser, json.dumps(message).encode() + b"\0")
        deadline = time.monotonic() + timeout
        while True:
            answer = self._read_message(deadline)
            if answer.get("id") == self._next_id:
                if "error" in answer:
                    raise RuntimeError(f"{method}: {answer['error']}")
                return answer.get("result", {})
            self.events.append(answer)

    def wait_event(self, method, session=None, timeout=30, where=lambda params: True):
        """The first event `method` (of `session`, whose parameters pass `where`), kept or
        yet to come."""
        deadline = time.monotonic() + timeout
        while True:
            for index, event in enumerate(self.events):
                if (event.get("method") == method and (session is None or event.get("sessionId") == session)
                        and where(event.get("params", {}))):
                    return self.events.pop(index)
            self.events.append(self._read_message(deadline))

    def open_page(self):
        target = self.send("Target.createTarget", {"url": "about:blank"})["targetId"]
        session = self.send("Target.attachToTarget", {"targetId": target, "flatten": True})["sessionId"]
        return Page(self, target, session)


class Page:
    def __init__(self, browser, target, session):
        self.browser = browser
        self.target = target
        self.session = session
        self.send("Page.enable")
        self.send("Page.setLifecycleEventsEnabled", {"enabled": True})
        self.send("Runtime.enable")

    def send(self, method, params=None, timeout=30):
        return self.browser.send(method, params, session=self.session, timeout=timeout)

    def close(self):
        self.browser.send("Target.closeTarget", {"targetId": self.target})

    def navigate(self, url, timeout=30):
        """Loads `url` and waits for its load event (not one of the page it replaces)."""
        loader = self.send("Page.navigate", {"url": url})["loaderId"]
        self.browser.wait_event("Page.lifecycleEvent", self.session, timeout,
                                lambda params: params.get("loaderId") == loader and params.get("name") == "load")

    def evaluate(self, expression, timeout=30):
        """The value of a JavaScript expression; a promise is awaited."""
        result = self.send("Runtime.evaluate", {"expression": expression, "returnByValue": True,
                                                "awaitPromise": True}, timeout=timeout)
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def wait_for(self, expression, timeout=30):
        """Waits until the expression is true in the page, asking it again every 20 ms."""
        return self.evaluate(f"""new Promise((resolve, reject) => {{
            const start = performance.now();
            const check = () => {{
              if ({expression}) resolve(true);
              else if (performance.now() - start > {timeout * 1000}) reject(new Error('timed out: ' + {json.dumps(expression)}));
              else setTimeout(check, 20);
            }};
            check();
        }})""", timeout=timeout + 5)

    def click(self, x, y):
        """A left click at (x, y) in CSS pixels, as the mouse would make it."""
        for kind, buttons in (("mousePressed", 1), ("mouseReleased", 0)):
            self.send("Input.dispatchMouseEvent",
                      {"type": kind, "x": x, "y": y, "button": "left", "buttons": buttons, "clickCount": 1})
