"""What the web page's tests share: the site served on a free local port,
one browser of the engine named on the command line on the page, with
today fixed at 2026-12-07 12:00 local time, keys and clicks as a person
gives them, viewports of every size, and the tally.

The engines are Chromium over the DevTools protocol (cdp.py), Firefox over
WebDriver BiDi (bidi.py) and WebKitGTK over classic WebDriver
(webdriver.py); each adapter does the same few things its own way. The
server puts a script of its own first in the page, for all three alike: it
fixes today before the page's scripts run, and keeps the page's uncaught
errors for the tally.

A test program is a function of a WebPage, handed to main(); each check
prints "ok: ..." or "FAIL: ...", the program ends with "N passed, N failed"
and exits non-zero on a failure. What a failed run saw stays in a folder
named on the way out (WEB_TEST_KEEP=1 keeps it after a pass too).

    /usr/bin/python3 tests/web/NAME_test.py build/web/site ENGINE [ARG...]
"""

import argparse
import functools
import http.server
import json
import os
import shutil
import sys
import tempfile
import threading
import traceback

import bidi
import cdp
import webdriver

ENGINES = {"chromium": cdp.Chromium, "firefox": bidi.Firefox, "webkit": webdriver.WebKit}

# Seconds any one wait may take: a hang guard, not a measure of speed.
TIMEOUT = 20

FIXED_DAY = "Mon Dec 07 2026"
# Replaces Date before the page's scripts run, for `new Date()`, `Date()`
# and `Date.now()` alike; a Date with arguments stays what it was. Keeps
# what the page throws and does not catch, and counts the pictures each
# canvas is given.
TEST_SCRIPT = """<script>(() => {
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
  const uncaught = globalThis.vidadTestUncaught = [];
  addEventListener("error", (event) => uncaught.push(String(event.message)));
  addEventListener("unhandledrejection", (event) => uncaught.push(String(event.reason)));
  const pictures = new WeakMap();
  globalThis.vidadTestPictures = (canvas) => pictures.get(canvas) || 0;
  const put = CanvasRenderingContext2D.prototype.putImageData;
  CanvasRenderingContext2D.prototype.putImageData = function (...args) {
    pictures.set(this.canvas, vidadTestPictures(this.canvas) + 1);
    return put.apply(this, args);
  };
})();</script>"""

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


class Viewport:
    """A window's page WIDTH x HEIGHT CSS pixels at a device scale; with
    TOUCH a phone's, held by a finger."""

    def __init__(self, width, height, scale=1, touch=False):
        self.width, self.height, self.scale, self.touch = width, height, scale, touch

    def __str__(self):
        kind = " touch" if self.touch else ""
        return f"{self.width}x{self.height}@{self.scale}{kind}"


DESKTOP = Viewport(800, 600)


def _element(selector):
    """The expression for the first element that matches, in the page."""
    return f"document.querySelector({json.dumps(selector)})"


# A function of the page giving an element's box in CSS pixels of the page,
# as [left, top, right, bottom]. An engine without the standard's zoom
# (WebKit) gives the box of an element under CSS zoom in the element's own
# zoomed pixels, which its zoom turns back into the page's.
BOX = """(e => {
  const r = e.getBoundingClientRect();
  let f = 1;
  for (let a = e; a && !("currentCSSZoom" in e); a = a.parentElement) {
    f *= parseFloat(getComputedStyle(a).zoom) || 1;
  }
  return [r.left * f, r.top * f, r.right * f, r.bottom * f];
})"""


class PlainServer(http.server.SimpleHTTPRequestHandler):
    """The site's files as they are, validated by their times, as Python's
    server gives them."""

    def log_message(self, *args):
        pass


class _TestServer(PlainServer):
    """The site's files as they are, but the page with the test's script
    first in its head."""

    def do_GET(self):
        if self.path.split("?")[0] not in ("/", "/index.html"):
            super().do_GET()
            return
        with open(os.path.join(self.directory, "index.html"), encoding="utf-8") as file:
            page = file.read().replace("<head>", "<head>" + TEST_SCRIPT, 1).encode()
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(page)))
        self.end_headers()
        self.wfile.write(page)


class Site:
    """The folder over HTTP on 127.0.0.1, in a thread of this process."""

    def __init__(self, folder, server=_TestServer):
        handler = functools.partial(server, directory=folder)
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
    """The page in one tab of the engine, and the tally of the checks made on
    it. An engine's device scale is its screen's, set when it starts, so a
    viewport of another scale starts the engine again."""

    def __init__(self, engine_class, site, folder, args):
        self.engine_class = engine_class
        self.engine = None
        self.site = site
        self.folder = folder
        self.args = args
        self.passed = 0
        self.failed = 0
        self.viewport = None
        self.uncaught = []

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

    def set_viewport(self, viewport):
        if not self.engine or self.engine.scale != viewport.scale:
            self.close()
            name = self.engine_class.name
            log = os.path.join(self.folder, f"{name}-{viewport.scale}.log")
            self.engine = self.engine_class(TIMEOUT, log, viewport.scale)
        self.viewport = viewport
        self.engine.set_viewport(viewport.width, viewport.height, viewport.touch)

    def close(self):
        if self.engine:
            self.engine.close()
            self.engine = None

    def keep_uncaught(self):
        """What the page threw so far, kept before it goes."""
        if self.engine and self.viewport:
            self.uncaught += self.js("globalThis.vidadTestUncaught ?? []")

    def load(self, viewport=DESKTOP):
        """A fresh page in that viewport, once the program waits."""
        self.keep_uncaught()
        self.set_viewport(viewport)
        self.engine.navigate(self.site.url)
        dates = "[new Date(), new Date(Date.now()), Date()]"
        today = self.js(f"{dates}.map(d => String(d).slice(0, 15))")
        if today != [FIXED_DAY] * 3:
            raise RuntimeError(f"today in the page is {today}, not {FIXED_DAY}")
        return self.settled()

    def resize(self, viewport):
        """The loaded page in another viewport, as a zoom, a rotation or a
        window's new size gives it, once the page has drawn a frame in it
        and the program waits again."""
        if viewport.scale != self.viewport.scale:
            raise ValueError("a page keeps its engine's scale; move it to another screen")
        self.set_viewport(viewport)
        self.next_frame()
        return self.settled()

    def move_to_other_screen(self):
        """The loaded page onto the engine's second screen, of another device
        scale, once it has drawn a frame there and the program waits."""
        self.engine.move_to_other_screen()
        old = self.viewport
        self.viewport = Viewport(old.width, old.height, self.engine.other_scale, old.touch)
        self.js(f"new Promise(resolve => (function wait() {{"
                f" if (devicePixelRatio === {self.engine.other_scale}) resolve();"
                f" else setTimeout(wait, 10); }})())")
        self.next_frame()
        return self.settled()

    def next_frame(self):
        self.js("new Promise(resolve => requestAnimationFrame(() => requestAnimationFrame(resolve)))")

    def reload(self):
        self.keep_uncaught()
        self.engine.reload()
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
        return self.engine.evaluate(expression)

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
        return tuple(self.js(f"{BOX}({_element(selector)})"))

    def focus(self, selector):
        self.js(f"{_element(selector)}.focus()")

    def key(self, name, shift=False):
        self.engine.press_key(name, shift)
        return self.settled()

    def type(self, text):
        for char in text:
            self.key(char)

    def point(self, selector, offset=None):
        """The element's middle, or OFFSET (x, y) from its top-left corner."""
        left, top, right, bottom = self.rect(selector)
        x, y = offset or ((right - left) / 2, (bottom - top) / 2)
        return left + x, top + y

    def click(self, selector, button="left", offset=None):
        self.engine.click(*self.point(selector, offset), button)
        return self.settled()

    def touch(self, selector, hold=0.05, offset=None, slide=0):
        """A tap, or a finger held for HOLD seconds, on the element, which
        slides SLIDE pixels on the way."""
        self.engine.touch_at(*self.point(selector, offset), hold, slide)
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
        """The viewport in device pixels, saved as NAME.png in the folder;
        returns its path."""
        path = os.path.join(self.folder, f"{self.engine.name}-{name}.png")
        with open(path, "wb") as file:
            file.write(self.engine.screenshot())
        return path


def main(test, extra_args=()):
    """Runs test(page) against the built site named on the command line, in
    the engine named after it."""
    parser = argparse.ArgumentParser()
    parser.add_argument("site", help="the built site, build/web/site")
    parser.add_argument("engine", choices=sorted(ENGINES))
    for name, help_text in extra_args:
        parser.add_argument(name, help=help_text)
    args = parser.parse_args()
    if not os.path.isfile(os.path.join(args.site, "index.html")):
        print(f"FAIL: no index.html in {args.site}: build the web preset first")
        print("0 passed, 1 failed")
        sys.exit(1)
    folder = tempfile.mkdtemp(prefix=f"vidad-web-test-{args.engine}.")
    site = Site(args.site)
    page = WebPage(ENGINES[args.engine], site, folder, args)
    try:
        test(page)
        page.keep_uncaught()
        page.expect("uncaught exceptions in the page", page.uncaught, [])
    except Exception:  # a hang or a protocol fault is one more failure
        traceback.print_exc()
        page.failed += 1
    finally:
        page.close()
        site.stop()
    passed, failed = page.passed, page.failed
    print(f"{passed} passed, {failed} failed")
    if failed or os.environ.get("WEB_TEST_KEEP"):
        print(f"screenshots and the browser's log kept in {folder}")
    else:
        shutil.rmtree(folder)
    sys.exit(1 if failed else 0)
