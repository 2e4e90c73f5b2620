"""A returning visitor gets the new release, whole, as a site owner deploys
it: release A unzipped on a plain server that validates by file time
(Python's own), visited twice, then release B unzipped over it. B is A's
site with a test-only string in its loader, put together anew and packed
with a later release time, by the project's own tools. Within two reloads
the page is B's, with B's loader, and its program waits for input; no load
mixes the two or stays loading. With the server gone, the page starts B."""

import os
import shutil
import subprocess
import sys

import harness
from harness import MAIN

# Each release's test-only string, and its time (SOURCE_DATE_EPOCH).
RELEASES = [("A", 1796000000), ("B", 1796086400)]
# Whether the site's worker keeps the loader named, and nothing else: it
# keeps one release, and the one a visitor last saw once its worker is in.
KEEPS = """(async (loader) => {
  const kept = await caches.keys();
  return kept.length === 1 && !!(await caches.match(loader));
})"""
# The loader a page names, and the release it says it is.
LOADED = """[document.querySelector('script[src^="qob."]').getAttribute("src"),
             globalThis.vidadTestRelease, document.body.dataset.program]"""


def make_release(page, folder, name, epoch):
    """The release's zip, of a folder "site", and the name of its loader."""
    parts = os.path.join(folder, f"parts-{name}")
    shutil.copytree(page.args.parts, parts)
    with open(os.path.join(parts, "qob.js"), "a", encoding="utf-8") as loader:
        loader.write(f'\nglobalThis.vidadTestRelease = "{name}";\n')
    site = os.path.join(folder, name, "site")
    make_site = os.path.join(page.args.templates, "make_site.py")
    subprocess.run([sys.executable, make_site, parts, page.args.templates, site], check=True)
    archive = os.path.join(folder, f"{name}.zip")
    environment = {**os.environ, "SOURCE_DATE_EPOCH": str(epoch)}
    subprocess.run([sys.executable, page.args.pack_zip, archive, os.path.dirname(site), "site"],
                   check=True, env=environment)
    loader = next(n for n in os.listdir(site) if n.startswith("qob.") and n.endswith(".js"))
    return archive, loader


def visit(page, how, url):
    """The page loaded again (a reload, or a navigation to URL); what it
    loaded, once its program waits or has stopped trying."""
    if how == "reload":
        page.engine.reload()
    else:
        page.engine.navigate(url)
    try:
        page.settled()
    except Exception:  # a page that never starts is told by what it loaded
        pass
    return page.js(LOADED)


def run(page):
    folder = page.folder
    releases = {name: make_release(page, folder, name, epoch) for name, epoch in RELEASES}
    root = os.path.join(folder, "served")
    os.makedirs(root)
    server = harness.Site(root, harness.PlainServer)
    url = server.url + "site/"
    try:
        subprocess.run(["unzip", "-q", "-o", releases["A"][0], "-d", root], check=True)
        page.set_viewport(harness.DESKTOP)
        first = visit(page, "navigate", url)
        page.expect("release A on the first visit", first, [releases["A"][1], "A", "waiting"])
        page.check("a service worker active after the first visit",
                   page.js("navigator.serviceWorker.ready.then((r) => !!r.active)"))
        visit(page, "navigate", url)
        subprocess.run(["unzip", "-q", "-o", releases["B"][0], "-d", root], check=True)
        seen = [visit(page, "reload", url) for _ in range(2)]
        wanted = [releases["B"][1], "B", "waiting"]
        whole = [[releases[r][1], r, "waiting"] for r in "AB"]
        page.check("each reload shows one release whole, waiting for input",
                   all(s in whole for s in seen), f"saw {seen}")
        page.expect("release B by the second reload", seen[-1], wanted)
        page.check("the worker keeps release B alone once it is in", page.js(
            f"new Promise((resolve) => (function poll(tries) {{"
            f" {KEEPS}({harness.json.dumps(releases['B'][1])}).then((yes) =>"
            f" yes || !tries ? resolve(yes) : setTimeout(poll, 100, tries - 1)); }})(100))"))
    finally:
        server.stop()
    page.expect("release B with no server", visit(page, "reload", url), wanted)
    page.check("main dialog shown with no server", page.shown(MAIN))


if __name__ == "__main__":
    harness.main(run, [("parts", "the site's parts, build/web/site-parts"),
                       ("templates", "res/web, with the page's templates and make_site.py"),
                       ("pack_zip", "cmake/pack_zip.py")])
