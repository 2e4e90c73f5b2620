"""Drives headless Chromium through the DevTools protocol on its debugging pipe.

With --remote-debugging-pipe Chromium reads commands on its fd 3 and writes
answers and events on its fd 4, each one JSON object ended by a NUL byte.
Every wait has a deadline, so that a page that stops answering ends the
test instead of hanging it.
"""

import base64
import fcntl
import json
import os
import select
import shutil
import signal
import tempfile
import time


class ProtocolError(Exception):
    pass


def _child_end(fd):
    """A copy of one end of a pipe above the fds the child is given, so
    that placing one of them at 3 or 4 cannot overwrite the other."""
    high = fcntl.fcntl(fd, fcntl.F_DUPFD_CLOEXEC, 10)
    os.close(fd)
    return high


class Browser:
    """One headless Chromium with a profile of its own, gone on close();
    what it prints goes to the file LOG."""

    def __init__(self, timeout, log, flags=()):
        self.timeout = timeout
        self.profile = tempfile.mkdtemp(prefix="vidad-web-chromium.")
        self.log = log
        self._next_id = 0
        self._buffer = b""
        self._events = []
        # Events handed to a function as they come instead of being kept.
        self.listeners = {}
        commands_read, self._commands = os.pipe()
        self._answers, answers_write = os.pipe()
        commands_read = _child_end(commands_read)
        answers_write = _child_end(answers_write)
        program = shutil.which("chromium")
        if not program:
            raise ProtocolError("no chromium on PATH")
        argv = [
            program,
            "--headless=new",
            "--no-sandbox",
            "--remote-debugging-pipe",
            f"--user-data-dir={self.profile}",
            "--no-first-run",
            "--no-default-browser-check",
            "--disable-background-networking",
            "--disable-component-update",
            "--disable-sync",
            *flags,
            "about:blank",
        ]
        actions = [
            (os.POSIX_SPAWN_DUP2, commands_read, 3),
            (os.POSIX_SPAWN_DUP2, answers_write, 4),
            (os.POSIX_SPAWN_OPEN, 1, self.log, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o644),
            (os.POSIX_SPAWN_DUP2, 1, 2),
        ]
        # A process group of its own, so that close() ends its helpers too.
        self.pid = os.posix_spawn(program, argv, os.environ, file_actions=actions, setsid=True)
        os.close(commands_read)
        os.close(answers_write)

    def send(self, method, params=None, session=None):
        self._next_id += 1
        message = {"id": self._next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        data = json.dumps(message).encode() + b"\0"
        while data:
            data = data[os.write(self._commands, data) :]
        return self._next_id

    def call(self, method, params=None, session=None):
        """Sends a command and returns its result; keeps the events that
        arrive meanwhile for wait_event()."""
        sent = self.send(method, params, session)
        deadline = time.monotonic() + self.timeout
        while True:
            message = self._read(deadline, f"an answer to {method}")
            if message.get("id") != sent:
                self._keep(message)
                continue
            if "error" in message:
                raise ProtocolError(f"{method}: {message['error'].get('message')}")
            return message.get("result", {})

    def wait_event(self, method, session=None):
        """The first event of that name, among those kept or still to come."""
        deadline = time.monotonic() + self.timeout
        while True:
            for event in self._events:
                if event.get("method") == method and event.get("sessionId") == session:
                    self._events.remove(event)
                    return event.get("params", {})
            self._keep(self._read(deadline, f"the event {method}"))

    def _keep(self, event):
        listener = self.listeners.get(event.get("method"))
        if listener:
            listener(event.get("params", {}))
        else:
            self._events.append(event)

    def drop_events(self):
        self._events.clear()

    def _read(self, deadline, awaited):
        while b"\0" not in self._buffer:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self._answers], [], [], left)[0]:
                raise TimeoutError(f"no {awaited} from Chromium in {self.timeout}s")
            chunk = os.read(self._answers, 1 << 20)
            if not chunk:
                raise ProtocolError(f"Chromium ended while waiting for {awaited}; see {self.log}")
            self._buffer += chunk
        message, _, self._buffer = self._buffer.partition(b"\0")
        return json.loads(message)

    def close(self):
        try:
            self.send("Browser.close")
        except OSError:
            pass
        deadline = time.monotonic() + self.timeout
        while os.waitpid(self.pid, os.WNOHANG) == (0, 0):
            if time.monotonic() > deadline:
                os.killpg(self.pid, signal.SIGKILL)
                os.waitpid(self.pid, 0)
                break
            time.sleep(0.05)
        os.close(self._commands)
        os.close(self._answers)
        shutil.rmtree(self.profile, ignore_errors=True)


class Page:
    """A tab of the browser, spoken to through a session of its own: the
    TARGET given, or a new one."""

    def __init__(self, browser, target=None):
        self.browser = browser
        target = target or browser.call("Target.createTarget", {"url": "about:blank"})["targetId"]
        self.session = browser.call(
            "Target.attachToTarget", {"targetId": target, "flatten": True}
        )["sessionId"]

    def call(self, method, params=None):
        return self.browser.call(method, params, self.session)

    def wait_event(self, method):
        return self.browser.wait_event(method, self.session)

    def evaluate(self, expression):
        """The expression's value in the page, a promise's once it settles."""
        result = self.call(
            "Runtime.evaluate",
            {"expression": expression, "returnByValue": True, "awaitPromise": True},
        )
        if "exceptionDetails" in result:
            details = result["exceptionDetails"]
            text = details.get("exception", {}).get("description") or details.get("text")
            raise ProtocolError(f"the page threw: {text}")
        return result["result"].get("value")


# Keys by their DOM names, as Input.dispatchKeyEvent wants them: code,
# Windows key code and the text typed.
_KEYS = {
    "Enter": ("Enter", 13, "\r"),
    "Escape": ("Escape", 27, ""),
    "F10": ("F10", 121, ""),
    " ": ("Space", 32, " "),
}
_SHIFT = 8


def _key_event(name):
    """A key of the table, an ASCII digit or a lowercase ASCII letter."""
    if name in _KEYS:
        code, vk, text = _KEYS[name]
    else:
        code = f"Digit{name}" if name.isdigit() else f"Key{name.upper()}"
        vk, text = ord(name.upper()), name
    return {"key": name, "code": code, "windowsVirtualKeyCode": vk, "text": text}


# Each screen's size in device-independent pixels.
SCREEN_WIDTH = 3000
SCREEN = f"{SCREEN_WIDTH}x2000"


class Chromium:
    """The web tests' engine over this protocol: one headless Chromium on
    one tab, with a focus of its own, since keys go to the focused tab.
    Its window stands on a screen of the device scale SCALE, beside a
    second screen of scale 2 (1 when SCALE is 2) that it can be moved to.
    The scale is the screens', not an emulated one: the emulated scale
    leaves ResizeObserver's device pixels at the screen's."""

    name = "chromium"
    touch = True

    def __init__(self, timeout, log, scale=1):
        self.scale = scale
        self.other_scale = 1 if scale == 2 else 2
        screens = (f"{{0,0 {SCREEN} devicePixelRatio={scale}}}"
                   f"{{{SCREEN_WIDTH},0 {SCREEN} devicePixelRatio={self.other_scale}}}")
        self.browser = Browser(timeout, log, [f"--screen-info={screens}"])
        self.tab = Page(self.browser)
        self.tab.call("Page.enable")
        self.tab.call("Emulation.setFocusEmulationEnabled", {"enabled": True})

    def set_viewport(self, width, height, touch=False):
        """A desktop window's page, or with TOUCH a phone's: a mobile
        viewport that takes its width from the page, and touch input."""
        self.tab.call("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 0, "mobile": touch,
        })
        self.tab.call("Emulation.setTouchEmulationEnabled", {"enabled": touch, "maxTouchPoints": 5})

    def move_to_other_screen(self):
        """The window onto the second screen, whose device scale is other_scale."""
        window = self.browser.call("Browser.getWindowForTarget", {}, self.tab.session)
        self.browser.call("Browser.setWindowBounds", {
            "windowId": window["windowId"], "bounds": {"left": SCREEN_WIDTH + 10, "top": 10},
        })

    def navigate(self, url):
        self.tab.call("Page.navigate", {"url": url})
        self.tab.wait_event("Page.loadEventFired")
        self.browser.drop_events()

    def reload(self):
        self.tab.call("Page.reload")
        self.tab.wait_event("Page.loadEventFired")
        self.browser.drop_events()

    def evaluate(self, expression):
        return self.tab.evaluate(expression)

    def press_key(self, key, shift=False):
        event = _key_event(key)
        event["modifiers"] = _SHIFT if shift else 0
        down = "keyDown" if event["text"] else "rawKeyDown"
        self.tab.call("Input.dispatchKeyEvent", {**event, "type": down})
        self.tab.call("Input.dispatchKeyEvent", {**event, "type": "keyUp", "text": ""})

    def click(self, x, y, button="left"):
        at = {"x": x, "y": y, "button": button, "clickCount": 1}
        self.tab.call("Input.dispatchMouseEvent", {**at, "type": "mousePressed"})
        self.tab.call("Input.dispatchMouseEvent", {**at, "type": "mouseReleased"})

    def touch_at(self, x, y, hold, slide=0):
        """A finger on (x, y) for HOLD seconds, SLIDE pixels to the right
        early on, then lifted."""
        self.tab.call("Input.dispatchTouchEvent",
                      {"type": "touchStart", "touchPoints": [{"x": x, "y": y}]})
        if slide:
            time.sleep(hold / 4)
            self.tab.call("Input.dispatchTouchEvent",
                          {"type": "touchMove", "touchPoints": [{"x": x + slide, "y": y}]})
        time.sleep(hold - hold / 4 if slide else hold)
        self.tab.call("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})

    def screenshot(self):
        return base64.b64decode(self.tab.call("Page.captureScreenshot", {"format": "png"})["data"])

    def close(self):
        self.browser.close()
