"""Start-up benchmark of the web page: the time from navigation to the first
frame that shows the curve frame colour #001400, in headless Chromium, next
to a bare page with the same elements in plain HTML (bare.html). Each load is
a first visit: a browser context of its own, with empty caches and no service
worker. Loads alternate between the two pages, which of them goes first
swapping every round, so that any drift of the machine hits both alike.
Prints medians and the page/bare ratio; fails only when a page shows no
such frame.

usage: /usr/bin/python3 bench/web/first_frame.py [--rounds N] [--site DIR]
(Debian's python3; the Chromium protocol client is the web tests' own.)
"""

import argparse
import functools
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

import cdp  # noqa: E402

VIEWPORT = {"width": 800, "height": 600, "deviceScaleFactor": 1, "mobile": False}
GOAL = 1.2
# Seconds a page may take to show the frame: a hang guard.
TIMEOUT = 20


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
        at the first frame, while the service worker may still fetch."""
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


class Site:
    """The site's files and bare.html in one folder, so that the bare page
    loads the same font from the same origin, served on 127.0.0.1 from a
    thread of this process."""

    def __init__(self, site, folder):
        for name in os.listdir(site):
            os.symlink(os.path.join(os.path.abspath(site), name), os.path.join(folder, name))
        shutil.copy(os.path.join(HERE, "bare.html"), folder)
        handler = functools.partial(_Handler, directory=folder)
        self._server = _Server(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self._server.server_port}/"
        threading.Thread(target=self._server.serve_forever, daemon=True).start()

    def stop(self):
        self._server.shutdown()
        self._server.server_close()


def first_frame_ms(browser, url, watcher):
    """One first visit to URL; the time its watcher reported."""
    context = browser.call("Target.createBrowserContext")["browserContextId"]
    try:
        target = browser.call(
            "Target.createTarget", {"url": "about:blank", "browserContextId": context}
        )["targetId"]
        session = browser.call(
            "Target.attachToTarget", {"targetId": target, "flatten": True}
        )["sessionId"]
        for method, params in (
            ("Page.enable", {}),
            ("Runtime.enable", {}),
            ("Runtime.addBinding", {"name": "benchFirstFrame"}),
            ("Page.addScriptToEvaluateOnNewDocument", {"source": watcher}),
            ("Emulation.setDeviceMetricsOverride", VIEWPORT),
        ):
            browser.call(method, params, session)
        browser.call("Page.navigate", {"url": url}, session)
        try:
            return float(browser.wait_event("Runtime.bindingCalled", session)["payload"])
        except TimeoutError:
            sys.exit(f"{url} showed no frame with #001400 in {browser.timeout}s")
    finally:
        browser.call("Target.disposeBrowserContext", {"browserContextId": context})
        browser.drop_events()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--rounds", type=int, default=21)
    parser.add_argument("--site", default=os.path.join(ROOT, "build", "web", "site"))
    args = parser.parse_args()
    if args.rounds < 1 or not os.path.isfile(os.path.join(args.site, "index.html")):
        parser.error(f"no index.html in {args.site} (build the web preset first), or no rounds")
    with open(os.path.join(HERE, "first_frame.js"), encoding="utf-8") as f:
        watcher = f.read()

    folder = tempfile.mkdtemp(prefix="vidad-web-bench.")
    site = Site(args.site, folder)
    browser = cdp.Browser(TIMEOUT, os.path.join(folder, "chromium.log"))
    pages = {"page": site.url, "bare": site.url + "bare.html"}
    times = {name: [] for name in pages}
    try:
        # The first load of each reads Chromium's own files from disk; it
        # is not counted.
        for url in pages.values():
            first_frame_ms(browser, url, watcher)
        for round_number in range(args.rounds):
            order = list(pages) if round_number % 2 == 0 else list(reversed(pages))
            for name in order:
                times[name].append(first_frame_ms(browser, pages[name], watcher))
        version = browser.call("Browser.getVersion")["product"]
    finally:
        browser.close()
        site.stop()
        shutil.rmtree(folder)

    page_ms, bare_ms = (statistics.median(times[n]) for n in pages)
    ratio = statistics.median(p / b for p, b in zip(times["page"], times["bare"]))
    print(f"navigation to first frame with #001400, {args.rounds} alternating rounds (medians), {version}:")
    print(f"  {'page':<12} {page_ms:8.1f} ms  {args.site}")
    print(f"  {'bare':<12} {bare_ms:8.1f} ms  bench/web/bare.html")
    verdict = "within" if ratio <= GOAL else "over"
    print(f"  {'page/bare':<12} {ratio:8.2f}     (median of per-round ratios; {verdict} the goal of {GOAL}x)")
    print(f"web: page_ms={page_ms:.1f} bare_ms={bare_ms:.1f} ratio={ratio:.2f}")


if __name__ == "__main__":
    main()
