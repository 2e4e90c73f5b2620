"""The page's three curves, pixel for pixel, in every viewport the engine's
protocol can give: desktop windows of many widths and device scales, and in
Chromium phones held upright and sideways. In each, the dialog takes the
scale the fit rule gives, the page never scrolls sideways, and each canvas
shows, on whole device pixels, what curve_reference_png draws for its
device rectangle over the dialog's face colour: without markers in the
fresh dialog, and with the default date's markers after Enter, and again
after the viewport changes under the loaded page (a window resized, a phone
turned, a move to a screen of another scale). A curve's first picture is
already of its device rectangle's size."""

import math
import os
import subprocess

import harness
from harness import CURVES, LABELS, LABELS_AFTER, LABELS_BEFORE, MAIN, OK, Viewport

NAMES = ["intellect", "emotion", "physical"]
# 1983-12-30 on 2026-12-07: day 2, 2 and 19 of the cycles of kinds 1, 2, 3.
MARKED_DAYS = [2, 2, 19]
FACE = "#f0f0f0"
# CSS pixels the fit rule keeps free on each side of the dialog.
MARGIN = 8


def desktop(widths, scales=(1,)):
    return [Viewport(w, 600, s) for s in scales for w in widths]


PHONES = [Viewport(w, h, s, touch=True)
          for w, h, s in ((320, 568, 2), (360, 740, 3), (390, 844, 3), (412, 915, 2.625),
                          (740, 360, 3))]

# Each engine's viewports, and the changes made to a loaded page in the
# first of them: (what is done, the viewport after it, or None for a move
# to the engine's other screen).
VIEWPORTS = {
    "chromium": desktop((320, 321, 360, 393, 412, 800, 801, 1281, 1920))
    + desktop((800,), (1.25, 1.5, 1.75, 2, 3)) + PHONES,
    "firefox": desktop((800, 801, 1001, 1281)) + desktop((801,), (1.5, 2)),
    "webkit": desktop((800, 801, 903, 1000), (1, 2)),
}
CHANGES = {
    "chromium": [(Viewport(360, 740, 3, True), [
        ("turned sideways", Viewport(740, 360, 3, True)),
        ("turned upright", Viewport(360, 740, 3, True)),
        ("moved to another screen", None),
    ])],
    "firefox": [(Viewport(800, 600), [("resized", Viewport(1001, 500))])],
    "webkit": [(Viewport(800, 600), [("resized", Viewport(903, 500))])],
}


def rgb(command):
    """The RGB bytes ImageMagick writes for the image the command names."""
    return subprocess.run(["convert", *command, "-depth", "8", "rgb:-"], check=True,
                          capture_output=True).stdout


def differing_pixels(page, shot, index, kind, day, k):
    """How many pixels of the curve differ from its reference (kind 0: no
    marker), where it matches best within a device pixel of where its box
    says; the engine rounds a box that starts between device pixels its
    own way. None when the canvas's bitmap is not its box's size."""
    canvas = harness._element(CURVES[index])
    width, height = page.js(f"[{canvas}.width, {canvas}.height]")
    ratio = page.viewport.scale
    left, top, right, bottom = (edge * ratio for edge in page.rect(CURVES[index]))
    if abs(right - left - width) > 1 or abs(bottom - top - height) > 1:
        return None
    reference = shot.replace(".png", f"-{NAMES[index]}-reference.png")
    numbers = [str(n) for n in (width, height, k, kind, day)]
    subprocess.run([page.args.curve_reference_png, *numbers, reference, FACE], check=True)
    wanted = rgb([reference])
    x, y = round(left) - 1, round(top) - 1
    shown = rgb([shot, "-crop", f"{width + 2}x{height + 2}+{x}+{y}", "+repage"])
    if len(shown) != 3 * (width + 2) * (height + 2):
        return width * height

    def count(dx, dy):
        differing = 0
        for line in range(height):
            start = 3 * ((dy + line) * (width + 2) + dx)
            got = shown[start:start + 3 * width]
            want = wanted[3 * line * width:3 * (line + 1) * width]
            if got != want:
                differing += sum(got[i:i + 3] != want[i:i + 3] for i in range(0, 3 * width, 3))
        return differing

    return min(count(dx, dy) for dx in range(3) for dy in range(3))


def fits(page, when):
    """The dialog's scale follows the fit rule, near enough for its border,
    which the engine snaps to whole device pixels, and the page has nothing
    to scroll sideways to; returns the device pixels per template pixel."""
    main = harness._element(MAIN)
    shown = float(page.js(f"getComputedStyle({main}).zoom"))
    left, top, right, bottom = page.rect(MAIN)
    size = ((right - left) / shown, (bottom - top) / shown)
    area = page.js("[document.documentElement.clientWidth, document.documentElement.clientHeight]")
    scale = min((a - 2 * MARGIN) / s for a, s in zip(area, size))
    scale = scale if page.viewport.touch else min(1, scale)
    page.check(f"dialog's scale in {page.viewport}, {when}", abs(shown - scale) < 0.005,
               f"got {shown}, expected {scale}")
    page.expect(f"sideways scroll in {page.viewport}, {when}",
                page.js("document.documentElement.scrollWidth - innerWidth"), 0)
    return max(1, math.floor(page.viewport.scale * shown + 1e-6))


def curves_match(page, when, kinds, days):
    k = fits(page, when)
    shot = page.screenshot(f"{page.viewport}-{when}".replace(" ", "-"))
    for index, (kind, day) in enumerate(zip(kinds, days)):
        page.expect(
            f"pixels unlike the reference in the {NAMES[index]} curve in {page.viewport}, {when}",
            differing_pixels(page, shot, index, kind, day, k),
            0,
        )


def before_and_after_enter(page, viewport):
    """The curves of a fresh page, and after Enter. The first picture of each
    is already of its device rectangle's size, so it takes no second."""
    page.load(viewport)
    page.next_frame()
    pictures = page.js(f"[{', '.join(harness._element(c) for c in CURVES)}].map(vidadTestPictures)")
    page.expect(f"pictures each curve took in {viewport} by its first frames", pictures, [1, 1, 1])
    if page.expect(f"labels in {viewport} before Enter", page.texts(LABELS), LABELS_BEFORE):
        curves_match(page, "before Enter", [0, 0, 0], [0, 0, 0])
    page.focus(OK)
    page.key("Enter")
    if page.expect(f"labels in {viewport} after Enter", page.texts(LABELS), LABELS_AFTER):
        curves_match(page, "after Enter", [1, 2, 3], MARKED_DAYS)


def run(page):
    if not page.check(
        "curve_reference_png at hand",
        os.access(page.args.curve_reference_png, os.X_OK),
        f"none at {page.args.curve_reference_png}: build the Linux default build first",
    ):
        return
    engine = page.args.engine
    for viewport in VIEWPORTS[engine]:
        before_and_after_enter(page, viewport)
    for viewport, changes in CHANGES[engine]:
        before_and_after_enter(page, viewport)
        for what, after in changes:
            if after:
                page.resize(after)
            else:
                page.move_to_other_screen()
            page.expect(f"visual viewport's scale once {what}", page.js("visualViewport.scale"), 1)
            curves_match(page, f"once {what}", [1, 2, 3], MARKED_DAYS)


if __name__ == "__main__":
    harness.main(run, [("curve_reference_png", "curve_reference_png of the Linux default build")])
