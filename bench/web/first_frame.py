"""Start-up benchmark of the web page: the time from navigation to the first
frame that shows the curve frame colour #001400, in headless Chromium and
Firefox, next to two baselines of the same elements in plain HTML: bare.html
as it is, which draws at once, and bare.html?font, which draws once its font
is there, as the page, which lays its dialog out in that font, must. Each
load is a first visit: a browser context of its own, with empty caches and
no service worker. Loads take turns, the order turning every round, so that
any drift of the machine hits all alike. Prints medians, the page's ratios
to each baseline against their goals, and the medians of the phases the page
marks on its way; fails only when a page shows no such frame.

usage: /usr/bin/python3 bench/web/first_frame.py [--rounds N] [--site DIR]
       [--engines chromium,firefox]
(Debian's python3; the browsers' protocol clients are the web tests' own.)
"""

import argparse
import functools
import glob
import http.server
import os
import shutil
import statistics
import sys
import tempfile
import threading

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, os.path.join(ROOT, "tests", "web"))

import bidi  # noqa: E402
import cdp  # noqa: E402

WIDTH, HEIGHT = 800, 600
PAGES = {"page": "", "bare": "bare.html", "bare, font": "bare.html?font"}
# The page against each baseline, at most.
GOALS = {"bare, font": 1.0, "bare": 1.3}
# Seconds a page may take to show the frame: a hang guard.
TIMEOUT = 20

# What a load saw, once its first frame with the colour is out: that frame's
# time, the page's marks and when its files had arrived, in ms from
# navigation.
SEEN = f"""new Promise((resolve, reject) => {{
  const end = performance.now() + {(TIMEOUT - 2) * 1000};
  (function poll() {{
    if (globalThis.benchFirstFrame === undefined) {{
      if (performance.now() > end) reject(new Error("no frame with #001400"));
      else setTimeout(poll, 5);
      return;
    }}
    const marks = Object.fromEntries(performance.getEntriesByType("mark")
        .map((m) => [m.name, m.startTime]));
    const files = Object.fromEntries(performance.getEntriesByType("resource")
        .map((r) => [r.name.split("/").pop().replace(/\\.[0-9a-f]{{10}}\\./, "."),
                     r.responseEnd]));
    resolve({{frame: globalThis.benchFirstFrame, marks, files}});
  }})();
}})"""

# The phases printed, in the order a start reaches them.
PHASES = [
    ("loader arrived", ("files", "qob.js")),
    ("code arrived", ("files", "qob.wasm")),
    ("font arrived", ("files", "wqy-microhei.woff2")),
    ("code compiled", ("marks", "vidad-code-compiled")),
    ("code instantiated", ("marks", "vidad-code-instantiated")),
    ("program started", ("marks", "vidad-program-started")),
    ("font ready", ("marks", "vidad-font-ready")),
    ("dialog shown", ("marks", "vidad-dialog-shown")),
    ("first wait", ("marks", "vidad-waiting")),
    ("first frame", ("frame",)),
]


class _Handler(http.server.SimpleHTTPRequestHandler):
    """Keeps connections open and sends each write at once: Python's default
    HTTP/1.0 with Nagle's algorithm stalls a file for tens of ms on the
    delayed acknowledgement, which would count against the page with most
    files."""

    protocol_version = "HTTP/1.1"
    disable_nagle_algorithm = True

    def log_message(self, *args):
        pass


class _Server(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        """Quiet when the browser drops a connection: a context is closed
        at the first frame, while the page may still fetch."""
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


class Site:
    """The site's files and bare.html, naming the site's font, in one folder,
    so that the bare page loads the same font from the same origin, served
    on 127.0.0.1 from a thread of this process."""

    def __init__(self, site, folder):
        for name in os.listdir(site):
            os.symlink(os.path.join(os.path.abspath(site), name), os.path.join(folder, name))
        font = os.path.relpath(glob.glob(os.path.join(site, "font", "*.woff2"))[0], site)
        with open(os.path.join(HERE, "bare.html"), encoding="utf-8") as bare:
            page = bare.read().replace("font/wqy-microhei.woff2", font)
        with open(os.path.join(folder, "bare.html"), "w", encoding="utf-8") as bare:
            bare.write(page)
        handler = functools.partial(_Handler, directory=folder)
        self._server = _Server(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self._server.server_port}/"
        threading.Thread(target=self._server.serve_forever, daemon=True).start()

    def stop(self):
        self._server.shutdown()
        self._server.server_close()


class ChromiumVisits:
    """First visits in headless Chromium, each in a browser context of its own."""

    name = "chromium"

    def __init__(self, folder):
        self.browser = cdp.Browser(TIMEOUT, os.path.join(folder, "chromium.log"))
        self.version = self.browser.call("Browser.getVersion")["product"]

    def visit(self, url, watcher):
        browser = self.browser
        context = browser.call("Target.createBrowserContext")["browserContextId"]
        try:
            target = browser.call(
                "Target.createTarget", {"url": "about:blank", "browserContextId": context}
            )["targetId"]
            tab = cdp.Page(browser, target)
            tab.call("Page.enable")
            tab.call("Page.addScriptToEvaluateOnNewDocument", {"source": watcher})
            tab.call("Emulation.setDeviceMetricsOverride",
                     {"width": WIDTH, "height": HEIGHT, "deviceScaleFactor": 1, "mobile": False})
            tab.call("Page.navigate", {"url": url})
            tab.wait_event("Page.domContentEventFired")
            return tab.evaluate(SEEN)
        finally:
            browser.call("Target.disposeBrowserContext", {"browserContextId": context})
            browser.drop_events()

    def close(self):
        self.browser.close()


class FirefoxVisits:
    """First visits in headless Firefox, each in a user context of its own,
    whose caches and workers are its own."""

    name = "firefox"

    def __init__(self, folder):
        self.browser = bidi.Firefox(TIMEOUT, os.path.join(folder, "firefox.log"))
        self.version = f"Firefox {self.browser.capabilities.get('browserVersion')}"

    def visit(self, url, watcher):
        browser = self.browser
        user = browser.call("browser.createUserContext", {})["userContext"]
        try:
            context = browser.call("browsingContext.create",
                                   {"type": "tab", "userContext": user})["context"]
            browser.call("script.addPreloadScript", {
                "functionDeclaration": f"() => {{ {watcher} }}", "userContexts": [user]})
            browser.call("browsingContext.setViewport", {
                "context": context, "viewport": {"width": WIDTH, "height": HEIGHT}})
            browser.context = context
            browser.call("browsingContext.navigate", {"context": context, "url": url})
            return browser.evaluate(SEEN)
        finally:
            browser.call("browser.removeUserContext", {"userContext": user})

    def close(self):
        self.browser.close()


ENGINES = {"chromium": ChromiumVisits, "firefox": FirefoxVisits}


def measure(engine, site, rounds, watcher):
    """Each page's loads, the first of each, which reads the browser's own
    files from disk, left out."""
    seen = {name: [] for name in PAGES}
    for name, path in PAGES.items():
        engine.visit(site.url + path, watcher)
    names = list(PAGES)
    for round_number in range(rounds):
        turn = round_number % len(names)
        for name in names[turn:] + names[:turn]:
            seen[name].append(engine.visit(site.url + PAGES[name], watcher))
    return seen


def report(engine, seen, site_folder):
    frames = {name: [s["frame"] for s in seen[name]] for name in PAGES}
    medians = {name: statistics.median(frames[name]) for name in PAGES}
    print(f"navigation to first frame with #001400, {len(frames['page'])} rounds taking turns"
          f" (medians), {engine.version}:")
    for name in PAGES:
        where = site_folder if name == "page" else f"bench/web/{PAGES[name]}"
        print(f"  {name:<12} {medians[name]:8.1f} ms  {where}")
    ratios = {}
    for baseline, goal in GOALS.items():
        ratios[baseline] = statistics.median(
            p / b for p, b in zip(frames["page"], frames[baseline]))
        verdict = "within" if ratios[baseline] <= goal else "over"
        print(f"  page/{baseline:<12} {ratios[baseline]:5.2f}  (median of per-round ratios;"
              f" {verdict} the goal of {goal}x)")
    print("  the page's phases, median ms from navigation:")
    for label, key in PHASES:
        values = [s[key[0]].get(key[1]) if len(key) == 2 else s[key[0]] for s in seen["page"]]
        values = [v for v in values if v is not None]
        shown = f"{statistics.median(values):8.1f}" if values else "     n/a"
        print(f"    {label:<16} {shown}")
    print(f"web-{engine.name}: page_ms={medians['page']:.1f} bare_ms={medians['bare']:.1f}"
          f" bare_font_ms={medians['bare, font']:.1f} ratio={ratios['bare']:.2f}"
          f" ratio_font={ratios['bare, font']:.2f}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--rounds", type=int, default=21)
    parser.add_argument("--site", default=os.path.join(ROOT, "build", "web", "site"))
    parser.add_argument("--engines", default="chromium,firefox")
    args = parser.parse_args()
    engines = args.engines.split(",")
    if args.rounds < 1 or not os.path.isfile(os.path.join(args.site, "index.html")):
        parser.error(f"no index.html in {args.site} (build the web preset first), or no rounds")
    if any(name not in ENGINES for name in engines):
        parser.error(f"engines are {', '.join(ENGINES)}")
    with open(os.path.join(HERE, "first_frame.js"), encoding="utf-8") as f:
        watcher = f.read()

    folder = tempfile.mkdtemp(prefix="vidad-web-bench.")
    site = Site(args.site, folder)
    try:
        for name in engines:
            engine = ENGINES[name](folder)
            try:
                seen = measure(engine, site, args.rounds, watcher)
            except TimeoutError as error:
                sys.exit(f"{name}: {error}")
            finally:
                engine.close()
            report(engine, seen, args.site)
    finally:
        site.stop()
        shutil.rmtree(folder)


if __name__ == "__main__":
    main()
