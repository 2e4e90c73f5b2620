"""Drives headless Firefox through WebDriver BiDi, which Firefox speaks
itself on the WebSocket that --remote-debugging-port opens. Every wait has
a deadline, so that a page that stops answering ends the test instead of
hanging it."""

import base64
import json
import os
import shutil
import signal
import subprocess
import tempfile
import time

import websocket

import w3c


class ProtocolError(Exception):
    pass


def _value(remote):
    """A BiDi remote value as Python's own."""
    kind = remote["type"]
    if kind in ("undefined", "null"):
        return None
    if kind == "array":
        return [_value(item) for item in remote["value"]]
    if kind == "object":
        return {key: _value(item) for key, item in remote["value"]}
    if kind == "number" and isinstance(remote["value"], str):
        return float(remote["value"].replace("-0", "0"))
    return remote.get("value")


class Firefox(w3c.Input):
    """One headless Firefox with a profile of its own, on one tab, at the
    device scale SCALE; what it prints goes to the file LOG. The scale is
    the profile's, not BiDi's emulated one, which leaves ResizeObserver's
    device pixels at 1 per CSS pixel."""

    name = "firefox"
    # What this protocol can do beyond the common checks.
    touch = False

    def __init__(self, timeout, log, scale=1):
        self.timeout = timeout
        self.scale = scale
        self.profile = tempfile.mkdtemp(prefix="vidad-web-firefox.")
        with open(os.path.join(self.profile, "user.js"), "w", encoding="utf-8") as prefs:
            prefs.write(f'user_pref("layout.css.devPixelsPerPx", "{scale}");\n')
        self._next_id = 0
        program = shutil.which("firefox-esr") or shutil.which("firefox")
        if not program:
            raise ProtocolError("no firefox-esr on PATH")
        port = w3c.free_port()
        with open(log, "w", encoding="utf-8") as output:
            self._process = subprocess.Popen(
                [program, "--headless", f"--remote-debugging-port={port}", "--no-remote",
                 "--profile", self.profile, "about:blank"],
                stdout=output, stderr=subprocess.STDOUT, start_new_session=True,
            )
        self._socket = None
        try:
            self._socket = self._connect(f"ws://127.0.0.1:{port}/session")
            self.capabilities = self.call("session.new", {"capabilities": {}})["capabilities"]
            self.context = self.call("browsingContext.getTree", {})["contexts"][0]["context"]
        except Exception:
            self.close()
            raise

    def _connect(self, address):
        """The WebSocket, once Firefox listens on it."""
        deadline = time.monotonic() + self.timeout
        while True:
            try:
                return websocket.create_connection(address, timeout=self.timeout,
                                                   suppress_origin=True)
            except OSError:
                if time.monotonic() > deadline:
                    raise ProtocolError("Firefox opened no WebDriver BiDi socket") from None
                time.sleep(0.1)

    def call(self, method, params):
        self._next_id += 1
        sent = self._next_id
        self._socket.send(json.dumps({"id": sent, "method": method, "params": params}))
        deadline = time.monotonic() + self.timeout
        while True:
            if time.monotonic() > deadline:
                raise TimeoutError(f"no answer to {method} from Firefox in {self.timeout}s")
            message = json.loads(self._socket.recv())
            if message.get("id") != sent:
                continue  # an event: none is subscribed to, none is kept
            if message.get("type") == "error":
                raise ProtocolError(f"{method}: {message.get('error')}: {message.get('message')}")
            return message["result"]

    def set_viewport(self, width, height, touch=False):
        if touch:
            raise ProtocolError("Firefox's BiDi has no touch emulation")
        self.call("browsingContext.setViewport",
                  {"context": self.context, "viewport": {"width": width, "height": height}})

    def navigate(self, url):
        self.call("browsingContext.navigate",
                  {"context": self.context, "url": url, "wait": "complete"})

    def reload(self):
        self.call("browsingContext.reload", {"context": self.context, "wait": "complete"})

    def evaluate(self, expression):
        result = self.call("script.evaluate", {
            "expression": expression,
            "target": {"context": self.context},
            "awaitPromise": True,
            "resultOwnership": "none",
        })
        if result["type"] == "exception":
            raise ProtocolError(f"the page threw: {result['exceptionDetails'].get('text')}")
        return _value(result["result"])

    def _perform(self, actions):
        self.call("input.performActions", {"context": self.context, "actions": actions})
        self.call("input.releaseActions", {"context": self.context})

    def screenshot(self):
        data = self.call("browsingContext.captureScreenshot",
                         {"context": self.context, "origin": "viewport"})["data"]
        return base64.b64decode(data)

    def close(self):
        if self._socket:
            try:
                self.call("browser.close", {})
            except Exception:  # the browser may be gone already
                pass
            self._socket.close()
        try:
            self._process.wait(self.timeout)
        except subprocess.TimeoutExpired:
            os.killpg(self._process.pid, signal.SIGKILL)
            self._process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)
