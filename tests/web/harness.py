"""What the web page's tests share: the site served on a free local port, one
headless Chromium on the page with today fixed at 2026-12-07 12:00 local
time, keys and clicks as a person gives them, and the tally.

A test program is a function of a WebPage, handed to main(); each check
prints "ok: ..." or "FAIL: ...", the program ends with "N passed, N failed"
and exits non-zero on a failure. What a failed run saw stays in a folder
named on the way out (WEB_TEST_KEEP=1 keeps it after a pass too).

    /usr/bin/python3 tests/web/NAME_test.py build/web/site [ARG...]
"""

import argparse
import base64
import functools
import http.server
import json
import os
import shutil
import sys
import tempfile
import threading
import traceback

import cdp

# Seconds any one wait may take: a hang guard, not a measure of speed.
TIMEOUT = 20

FIXED_DAY = "Mon Dec 07 2026"
# Replaces Date before the page's scripts run, for `new Date()`, `Date()`
# and `Date.now()` alike; a Date with arguments stays what it was.
FIXED_TODAY = """(() => {
  const RealDate = Date;
  const today = new RealDate(2026, 11, 7, 12, 0, 0).getTime();
  function FixedDate(...args) {
    if (!new.target) return new RealDate(today).toString();
    return Reflect.construct(RealDate, args.length ? args : [today], new.target);
  }
  FixedDate.prototype = RealDate.prototype;
  FixedDate.now = () => today;
  FixedDate.parse = RealDate.parse;
  FixedDate.UTC = RealDate.UTC;
  globalThis.Date = FixedDate;
})();"""

MAIN = 'dialog[data-template="102"]'
ABOUT = 'dialog[data-template="100"]'
ERROR_BOX = 'dialog[role="alertdialog"]'
OK = f'{MAIN} button[data-id="1"]'
YEAR, MONTH, DAY = (f'{MAIN} input[data-id="{n}"]' for n in (1009, 1010, 1011))
LABELS = [f'{MAIN} [data-id="{n}"]' for n in (1012, 1013, 1014)]
CURVES = [f'{MAIN} canvas[data-id="{n}"]' for n in (1000, 1001, 1002)]

# The default date 1983-12-30 on the fixed today.
LABELS_BEFORE = ["智力周期（33天）", "情绪周期（28天）", "体力周期（23天）"]
LABELS_AFTER = [
    "智力周期（32天）第490个周期",
    "情绪周期（28天）第560个周期",
    "体力周期（23天）第681个周期",
]

# Keys by their DOM names, as Input.dispatchKeyEvent wants them: code,
# Windows key code and the text typed.
_KEYS = {
    "Enter": ("Enter", 13, "\r"),
    "Escape": ("Escape", 27, ""),
    "F10": ("F10", 121, ""),
    " ": ("Space", 32, " "),
}
SHIFT = 8


def _element(selector):
    """The expression for the first element that matches, in the page."""
    return f"document.querySelector({json.dumps(selector)})"


def _key_event(name):
    """A key of the table, an ASCII digit or a lowercase ASCII letter."""
    if name in _KEYS:
        code, vk, text = _KEYS[name]
    else:
        code = f"Digit{name}" if name.isdigit() else f"Key{name.upper()}"
        vk, text = ord(name.upper()), name
    return {"key": name, "code": code, "windowsVirtualKeyCode": vk, "text": text}


class _QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Site:
    """The site's folder over HTTP on 127.0.0.1, in a thread of this process."""

    def __init__(self, folder):
        handler = functools.partial(_QuietHandler, directory=folder)
        self._server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self._server.server_port}/"
        self._thread = threading.Thread(target=self._server.serve_forever, daemon=True)
        self._thread.start()

    def stop(self):
        if self._thread:
            self._server.shutdown()
            self._server.server_close()
            self._thread = None


class WebPage:
    """The page in one tab, and the tally of the checks made on it."""

    def __init__(self, browser, site, folder, args):
        self.browser = browser
        self.site = site
        self.folder = folder
        self.args = args
        self.passed = 0
        self.failed = 0
        self.scale = 1
        self.uncaught = []
        self.tab = cdp.Page(browser)
        self.tab.call("Page.enable")
        self.tab.call("Page.addScriptToEvaluateOnNewDocument", {"source": FIXED_TODAY})
        # A headless tab has no focus of its own, and keys go to the focused one.
        self.tab.call("Emulation.setFocusEmulationEnabled", {"enabled": True})
        self.console = open(os.path.join(folder, "console.log"), "w", encoding="utf-8")
        browser.listeners["Runtime.consoleAPICalled"] = self._log_console
        browser.listeners["Runtime.exceptionThrown"] = self._log_exception
        self.tab.call("Runtime.enable")

    def _log_console(self, params):
        args = " ".join(str(a.get("value", a.get("description"))) for a in params.get("args", []))
        print(f"{params.get('type')}: {args}", file=self.console, flush=True)

    def _log_exception(self, params):
        details = params.get("exceptionDetails", {})
        text = details.get("exception", {}).get("description") or details.get("text")
        self.uncaught.append(text.splitlines()[0])
        print(f"uncaught: {text}", file=self.console, flush=True)

    def check(self, description, ok, detail=""):
        if ok:
            print(f"ok: {description}")
            self.passed += 1
        else:
            print(f"FAIL: {description}{': ' + detail if detail else ''}")
            self.failed += 1
        return ok

    def expect(self, description, actual, wanted):
        return self.check(description, actual == wanted, f"got {actual!r}, expected {wanted!r}")

    def _set_scale(self, scale):
        """The viewport, 800 x 600 CSS pixels, at that device scale factor."""
        self.scale = scale
        self.tab.call(
            "Emulation.setDeviceMetricsOverride",
            {"width": 800, "height": 600, "deviceScaleFactor": scale, "mobile": False},
        )

    def load(self, scale=1):
        """A fresh page at that device scale factor, once the program waits."""
        self._set_scale(scale)
        self.tab.call("Page.navigate", {"url": self.site.url})
        self.tab.wait_event("Page.loadEventFired")
        self.browser.drop_events()
        dates = "[new Date(), new Date(Date.now()), Date()]"
        today = self.js(f"{dates}.map(d => String(d).slice(0, 15))")
        if today != [FIXED_DAY] * 3:
            raise RuntimeError(f"today in the page is {today}, not {FIXED_DAY}")
        return self.settled()

    def zoom(self, scale):
        """The loaded page at another device scale factor, as a zoom gives it,
        once the page has drawn a frame at it and the program waits again."""
        self._set_scale(scale)
        self.js("new Promise(resolve => requestAnimationFrame(() => requestAnimationFrame(resolve)))")
        return self.settled()

    def reload(self):
        self.tab.call("Page.reload")
        self.tab.wait_event("Page.loadEventFired")
        self.browser.drop_events()
        return self.settled()

    def settled(self):
        """The program's state once it waits for input or has ended."""
        return self.js(
            f"""new Promise((resolve, reject) => {{
              const end = performance.now() + {(TIMEOUT - 2) * 1000};
              (function poll() {{
                const state = document.body && document.body.dataset.program;
                if (state === "waiting" || state === "ended") resolve(state);
                else if (performance.now() > end) reject(new Error("program still " + state));
                else setTimeout(poll, 10);
              }})();
            }})"""
        )

    def js(self, expression):
        return self.tab.evaluate(expression)

    def shown(self, selector):
        """Whether an element matches and takes room on the page."""
        return self.js(f"(e => !!e && e.getClientRects().length > 0)({_element(selector)})")

    def text(self, selector):
        return self.js(f"{_element(selector)}?.textContent ?? null")

    def value(self, selector):
        return self.js(f"{_element(selector)}.value")

    def texts(self, selectors):
        return [self.text(s) for s in selectors]

    def all_texts(self, selector):
        """The texts of every element that matches."""
        every = f"document.querySelectorAll({json.dumps(selector)})"
        return self.js(f"[...{every}].map(e => e.textContent)")

    def rect(self, selector):
        """The element's box in CSS pixels of the page, as left, top, right, bottom."""
        edges = "r => [r.left, r.top, r.right, r.bottom]"
        return tuple(self.js(f"({edges})({_element(selector)}.getBoundingClientRect())"))

    def focus(self, selector):
        self.js(f"{_element(selector)}.focus()")

    def key(self, name, modifiers=0):
        event = _key_event(name)
        event["modifiers"] = modifiers
        down = "keyDown" if event["text"] else "rawKeyDown"
        self.tab.call("Input.dispatchKeyEvent", {**event, "type": down})
        self.tab.call("Input.dispatchKeyEvent", {**event, "type": "keyUp", "text": ""})
        return self.settled()

    def type(self, text):
        for char in text:
            self.key(char)

    def click(self, selector, button="left", offset=None):
        """A click in the element's middle, or at OFFSET (x, y) from its
        top-left corner."""
        left, top, right, bottom = self.rect(selector)
        x, y = offset or ((right - left) / 2, (bottom - top) / 2)
        at = {"x": left + x, "y": top + y, "button": button, "clickCount": 1}
        self.tab.call("Input.dispatchMouseEvent", {**at, "type": "mousePressed"})
        self.tab.call("Input.dispatchMouseEvent", {**at, "type": "mouseReleased"})
        return self.settled()

    def paste(self, selector, text):
        """Puts the text in the field whole, as a paste does, past any
        filter on typed characters; the field keeps the focus."""
        pasted = f"{{bubbles: true, inputType: 'insertFromPaste', data: {json.dumps(text)}}}"
        self.js(
            f"(e => {{ e.focus(); e.value = {json.dumps(text)};"
            f" e.dispatchEvent(new InputEvent('input', {pasted})); }})({_element(selector)})"
        )

    def screenshot(self, name):
        """The viewport in device pixels, saved as NAME.png in the folder."""
        data = self.tab.call("Page.captureScreenshot", {"format": "png"})["data"]
        path = os.path.join(self.folder, f"{name}.png")
        with open(path, "wb") as file:
            file.write(base64.b64decode(data))
        return path


def main(test, extra_args=()):
    """Runs test(page) against the built site named on the command line."""
    parser = argparse.ArgumentParser()
    parser.add_argument("site", help="the built site, build/web/site")
    for name, help_text in extra_args:
        parser.add_argument(name, help=help_text)
    args = parser.parse_args()
    if not os.path.isfile(os.path.join(args.site, "index.html")):
        print(f"FAIL: no index.html in {args.site}: build the web preset first")
        print("0 passed, 1 failed")
        sys.exit(1)
    folder = tempfile.mkdtemp(prefix="vidad-web-test.")
    site = Site(args.site)
    browser = cdp.Browser(TIMEOUT, os.path.join(folder, "chromium.log"))
    page = None
    try:
        page = WebPage(browser, site, folder, args)
        test(page)
        page.expect("uncaught exceptions in the page", page.uncaught, [])
    except Exception:  # a hang or a protocol fault is one more failure
        traceback.print_exc()
        if page:
            page.failed += 1
    finally:
        browser.close()
        site.stop()
        if page:
            page.console.close()
    passed, failed = (page.passed, page.failed) if page else (0, 1)
    print(f"{passed} passed, {failed} failed")
    if failed or os.environ.get("WEB_TEST_KEEP"):
        print(f"screenshots, the page's console and the browser's log kept in {folder}")
    else:
        shutil.rmtree(folder)
    sys.exit(1 if failed else 0)
