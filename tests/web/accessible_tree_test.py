"""What a screen reader is told about the main dialog, from Chromium's
accessibility tree: the date fields by name, the curves as named images, and
after Enter each curve's day of its cycle as its description."""

import harness
from harness import OK

FIELDS = ["出生年份", "出生月份", "出生日期"]
CURVES = ["智力周期曲线", "情绪周期曲线", "体力周期曲线"]
# Day 2, 2 and 19 of the default date's cycles, counted from 1 for a person.
MARKED = ["第3天，共32天", "第3天，共28天", "第20天，共23天"]


def named(page, role):
    """The description of each node of that role, by its name."""
    page.engine.tab.call("Accessibility.enable")
    nodes = page.engine.tab.call("Accessibility.getFullAXTree")["nodes"]
    return {
        node.get("name", {}).get("value"): node.get("description", {}).get("value", "")
        for node in nodes
        if not node.get("ignored") and node.get("role", {}).get("value") == role
    }


def run(page):
    page.load()
    fields = named(page, "textbox")
    for name in FIELDS:
        page.check(f"a text field named {name}", name in fields, f"text fields {sorted(fields)}")
    images = named(page, "image")
    for name in CURVES:
        page.expect(f"description of the image {name} before Enter", images.get(name), "")
    page.focus(OK)
    page.key("Enter")
    images = named(page, "image")
    for name, description in zip(CURVES, MARKED):
        page.expect(f"description of the image {name} after Enter", images.get(name), description)


if __name__ == "__main__":
    harness.main(run)
