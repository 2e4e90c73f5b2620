"""Drives headless Chromium through the DevTools protocol on its debugging pipe.

With --remote-debugging-pipe Chromium reads commands on its fd 3 and writes
answers and events on its fd 4, each one JSON object ended by a NUL byte.
Every wait has a deadline, so that a page that stops answering ends the
test instead of hanging it.
"""

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

    def __init__(self, timeout, log):
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
    """A tab of the browser, spoken to through a session of its own."""

    def __init__(self, browser):
        self.browser = browser
        target = browser.call("Target.createTarget", {"url": "about:blank"})["targetId"]
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
