"""The page's three curves, pixel for pixel, at device scale factors 1, 1.25
and 2: without markers in the fresh dialog, and with the default date's
markers after Enter, and after a zoom of the page that shows them, each
against what curve_reference_png draws for the canvas's device rectangle
over the dialog's face colour."""

import math
import os
import subprocess

import harness
from harness import CURVES, LABELS, LABELS_AFTER, LABELS_BEFORE, OK

SCALES = [1, 1.25, 2]
NAMES = ["intellect", "emotion", "physical"]
# 1983-12-30 on 2026-12-07: day 2, 2 and 19 of the cycles of kinds 1, 2, 3.
MARKED_DAYS = [2, 2, 19]
FACE = "#f0f0f0"


def device_rect(rect, scale):
    """A CSS rectangle in device pixels, each edge scaled and rounded on its
    own, halves up, as x, y, width, height."""
    left, top, right, bottom = (math.floor(edge * scale + 0.5) for edge in rect)
    return left, top, right - left, bottom - top


def differing_pixels(page, shot, name, kind, day):
    """How many pixels of the named curve in the screenshot differ from its
    reference (kind 0: no marker), or what ImageMagick said instead."""
    x, y, w, h = device_rect(page.rect(CURVES[NAMES.index(name)]), page.scale)
    k = max(1, math.floor(page.scale))
    reference = shot.replace(".png", f"-{name}-reference.png")
    shown = shot.replace(".png", f"-{name}.png")
    numbers = [str(n) for n in (w, h, k, kind, day)]
    subprocess.run([page.args.curve_reference_png, *numbers, reference, FACE], check=True)
    subprocess.run(["convert", shot, "-crop", f"{w}x{h}+{x}+{y}", "+repage", shown], check=True)
    compared = subprocess.run(
        ["compare", "-metric", "AE", shown, reference, "null:"], capture_output=True, text=True
    )
    return compared.stderr.strip()


def curves_match(page, when, kinds, days):
    shot = page.screenshot(f"scale{page.scale}-{when.replace(' ', '-')}")
    for name, kind, day in zip(NAMES, kinds, days):
        page.expect(
            f"pixels unlike the reference in the {name} curve at scale {page.scale}, {when}",
            differing_pixels(page, shot, name, kind, day),
            "0",
        )


def run(page):
    if not page.check(
        "curve_reference_png at hand",
        os.access(page.args.curve_reference_png, os.X_OK),
        f"none at {page.args.curve_reference_png}: build the Linux default build first",
    ):
        return
    for scale in SCALES:
        page.load(scale)
        if page.expect(f"labels at scale {scale} before Enter", page.texts(LABELS), LABELS_BEFORE):
            curves_match(page, "before Enter", [0, 0, 0], [0, 0, 0])
        page.focus(OK)
        page.key("Enter")
        if page.expect(f"labels at scale {scale} after Enter", page.texts(LABELS), LABELS_AFTER):
            curves_match(page, "after Enter", [1, 2, 3], MARKED_DAYS)
    page.zoom(1.25)
    curves_match(page, "after a zoom", [1, 2, 3], MARKED_DAYS)


if __name__ == "__main__":
    harness.main(run, [("curve_reference_png", "curve_reference_png of the Linux default build")])
