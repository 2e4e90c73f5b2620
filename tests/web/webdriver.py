"""Drives WebKitGTK's MiniBrowser through WebKitWebDriver, a classic W3C
WebDriver server spoken to over HTTP, on an Xvfb display of its own, at the
device scale GDK_SCALE (1 or 2). Every request has a deadline."""

import base64
import json
import os
import shutil
import signal
import subprocess
import time
import urllib.error
import urllib.request

import w3c

MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
# Room on the display for the widest window at the largest scale.
SCREEN = "4000x2400x24"


class ProtocolError(Exception):
    pass


def _start_display(log):
    """An Xvfb display chosen by Xvfb itself; returns its process and name."""
    read, write = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write), "-screen", "0", SCREEN, "-nolisten", "tcp"],
        pass_fds=[write], stdout=log, stderr=subprocess.STDOUT, start_new_session=True,
    )
    os.close(write)
    with os.fdopen(read) as answer:
        number = answer.readline().strip()
    if not number:
        raise ProtocolError("Xvfb started no display")
    return xvfb, f":{number}"


def _stop(process, timeout):
    if process.poll() is None:
        os.killpg(process.pid, signal.SIGTERM)
        try:
            process.wait(timeout)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()


# The page's size once a resize of its window has reached it: the same over
# two frames in a row.
_SETTLED_SIZE = """new Promise((resolve) => {
  let last = "";
  (function frame() {
    const size = [innerWidth, innerHeight];
    if (String(size) === last) resolve(size);
    else { last = String(size); requestAnimationFrame(() => requestAnimationFrame(frame)); }
  })();
})"""


class WebKit(w3c.Input):
    """MiniBrowser in one window under WebKitWebDriver; what they print goes
    to the file LOG."""

    name = "webkit"
    touch = False

    def __init__(self, timeout, log, scale=1):
        self.timeout = timeout
        self.scale = scale
        self._log = open(log, "w", encoding="utf-8")
        if not shutil.which("WebKitWebDriver") or not os.access(MINIBROWSER, os.X_OK):
            raise ProtocolError("no WebKitWebDriver or MiniBrowser: install webkit2gtk-driver")
        self._xvfb, self._display = _start_display(self._log)
        self._driver = None
        self._session = None
        try:
            self._start()
        except Exception:
            self.close()
            raise

    def _start(self):
        port = w3c.free_port()
        environment = {**os.environ, "DISPLAY": self._display, "GDK_SCALE": str(self.scale)}
        self._driver = subprocess.Popen(
            ["WebKitWebDriver", f"--port={port}"], env=environment,
            stdout=self._log, stderr=subprocess.STDOUT, start_new_session=True,
        )
        self._base = f"http://127.0.0.1:{port}"
        deadline = time.monotonic() + self.timeout
        options = {"binary": MINIBROWSER, "args": ["--automation"]}
        while True:
            try:
                session = self._request("POST", "/session", {
                    "capabilities": {"alwaysMatch": {"webkitgtk:browserOptions": options}}
                })
                break
            except (ConnectionError, urllib.error.URLError):
                if time.monotonic() > deadline:
                    raise ProtocolError("WebKitWebDriver never answered") from None
                time.sleep(0.1)
        self._session = f"/session/{session['sessionId']}"
        self.call("POST", "/timeouts", {"script": self.timeout * 1000})

    def _request(self, method, path, body=None):
        data = json.dumps(body).encode() if body is not None else None
        request = urllib.request.Request(
            self._base + path, data=data, method=method,
            headers={"Content-Type": "application/json; charset=utf-8"},
        )
        try:
            with urllib.request.urlopen(request, timeout=self.timeout) as answer:
                return json.loads(answer.read())["value"]
        except urllib.error.HTTPError as error:
            value = json.loads(error.read()).get("value", {})
            raise ProtocolError(f"{method} {path}: {value.get('error')}: {value.get('message')}")

    def call(self, method, path, body=None):
        return self._request(method, self._session + path, body)

    def set_viewport(self, width, height, touch=False):
        """The window sized so that its page is WIDTH x HEIGHT CSS pixels."""
        if touch:
            raise ProtocolError("WebKitWebDriver has no touch emulation")
        wanted = (width, height)
        size = list(wanted)
        for _ in range(5):
            self.call("POST", "/window/rect", {"x": 0, "y": 0, "width": size[0], "height": size[1]})
            inner = self.evaluate(_SETTLED_SIZE)
            if tuple(inner) == wanted:
                return
            size = [s + w - i for s, w, i in zip(size, wanted, inner)]
        raise ProtocolError(f"the page is {inner[0]} x {inner[1]}, not {width} x {height}")

    def navigate(self, url):
        self.call("POST", "/url", {"url": url})

    def reload(self):
        self.call("POST", "/refresh", {})

    def evaluate(self, expression):
        """The expression's value, a promise's once it settles."""
        answer = self.call("POST", "/execute/async", {
            "script": "const done = arguments[1];"
                      " Promise.resolve().then(() => (0, eval)(arguments[0]))"
                      ".then((value) => done({value}), (error) => done({error: String(error)}));",
            "args": [expression],
        })
        if "error" in answer:
            raise ProtocolError(f"the page threw: {answer['error']}")
        return answer.get("value")

    def _perform(self, actions):
        self.call("POST", "/actions", {"actions": actions})
        self.call("DELETE", "/actions")

    def screenshot(self):
        """The page as shown: WebKit may hand back the frame before the last,
        so two more frames are drawn first."""
        self.evaluate("new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done)))")
        return base64.b64decode(self.call("GET", "/screenshot"))

    def close(self):
        if self._session:
            try:
                self.call("DELETE", "")
            except (ProtocolError, OSError):
                pass
        if self._driver:
            _stop(self._driver, self.timeout)
        _stop(self._xvfb, self.timeout)
        self._log.close()
