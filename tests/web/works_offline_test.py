"""The page can be installed (Chromium tells), and comes back with no server:
once its service worker is active, a reload with the server stopped (in
Chromium with the HTTP cache off) still starts the program and shows the
main dialog, served by the worker."""

import harness
from harness import MAIN


def run(page):
    page.load()
    chromium = page.engine.name == "chromium"
    if chromium:
        page.expect(
            "reasons the page cannot be installed",
            page.engine.tab.call("Page.getInstallabilityErrors")["installabilityErrors"],
            [],
        )
    page.check(
        "a service worker active after the first load",
        page.js(
            "Promise.race([navigator.serviceWorker.ready.then(r => !!r.active),"
            " new Promise(resolve => setTimeout(resolve, 10000, false))])"
        ),
    )
    page.site.stop()
    if chromium:
        page.engine.tab.call("Network.enable")
        page.engine.tab.call("Network.setCacheDisabled", {"cacheDisabled": True})
    page.expect("program state after a reload with no server", page.reload(), "waiting")
    page.check("main dialog shown with no server", page.shown(MAIN))
    page.check("page served by its service worker", page.js("!!navigator.serviceWorker.controller"))


if __name__ == "__main__":
    harness.main(run)
