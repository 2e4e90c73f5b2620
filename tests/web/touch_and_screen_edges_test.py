"""What a finger and the screen's edges ask of the page: every button, field
and the title bar's icon and ✕ take hits over at least 24 x 24 CSS pixels,
44 x 44 where their neighbours leave room; a field's text is large enough
on a touch screen that iOS does not zoom into it; the window menu, opened
at the dialog's far corner, by the title bar's icon and on a touch screen
by a long press (but not by a tap or a finger that slides), and the About
and error boxes lie wholly in the visible part of the page, with hit areas
of their own."""

import json

import harness
from harness import ABOUT, DAY, ERROR_BOX, MAIN, MONTH, OK, YEAR, Viewport

MENU = 'div.menu[role="menu"]'
ABOUT_ITEM = f'{MENU} [role="menuitem"][data-command="16"]'
CLOSE = f"{MAIN} .titlebar .close"
ICON = f"{MAIN} .titlebar .icon"
# The main dialog's controls.
CONTROLS = [("确定", OK), ("the year field", YEAR), ("the month field", MONTH),
            ("the day field", DAY), ("the title bar's ✕", CLOSE), ("the title bar's icon", ICON)]

# A desktop window little larger than the dialog (MiniBrowser is no narrower),
# and in Chromium phones.
VIEWPORTS = {
    "chromium": [Viewport(460, 300)] + [
        Viewport(w, h, s, touch=True)
        for w, h, s in ((320, 568, 2), (360, 740, 3), (390, 844, 3), (412, 915, 2.625),
                        (740, 360, 3))
    ],
    "firefox": [Viewport(460, 300)],
    "webkit": [Viewport(460, 300)],
}

# The extent, in CSS pixels, along each axis through the element's middle
# over which the page finds the element, or for a field the frame it sits
# in, at the point, searched up to 80 pixels each way; and for each axis
# whether another control's hit area ends it on one side.
HIT_EXTENT = """(selector => {
  const element = document.querySelector(selector);
  const target = element.closest('.field') || element;
  const [left, top, right, bottom] = BOX(element);
  const x = (left + right) / 2, y = (top + bottom) / 2;
  const at = (n, dx, dy) => document.elementFromPoint(x + dx * n, y + dy * n);
  const reach = (dx, dy) => {
    let n = 0;
    while (n < 80 && target.contains(at(n + 1, dx, dy))) ++n;
    const beyond = at(n + 1, dx, dy);
    return [n, !!beyond && !!beyond.closest('.hit') && !target.contains(beyond)];
  };
  const extent = (dx, dy) => {
    const [before, stopped] = reach(-dx, -dy);
    const [after, stoppedToo] = reach(dx, dy);
    return [before + after + 1, stopped || stoppedToo];
  };
  return [extent(1, 0), extent(0, 1)];
})"""

VISIBLE = """(selector => {
  const [left, top, right, bottom] = BOX(document.querySelector(selector));
  const v = visualViewport;
  return left >= v.offsetLeft && top >= v.offsetTop &&
      right <= v.offsetLeft + v.width && bottom <= v.offsetTop + v.height;
})"""


def hit_extent(page, selector):
    return page.js(f"(BOX => {HIT_EXTENT})({harness.BOX})({json.dumps(selector)})")


def hit_areas_are_large_enough(page, where, controls):
    """Each control's hit area is 44 pixels across, or ends at a
    neighbour's, and never less than 24, along both axes."""
    for name, selector in controls:
        (width, wide_to_a_neighbour), (height, tall_to_a_neighbour) = hit_extent(page, selector)
        page.check(f"hit area of {name} in {where}: {width} x {height}",
                   min(width, height) >= 24 and (width >= 44 or wide_to_a_neighbour)
                   and (height >= 44 or tall_to_a_neighbour))


def lies_in_view(page, name, selector, where):
    page.check(f"{name} wholly visible in {where}", page.shown(selector) and
               page.js(f"(BOX => {VISIBLE})({harness.BOX})({json.dumps(selector)})"))


def press(page, selector, offset=None):
    """A tap on a touch screen, else a click."""
    if page.viewport.touch:
        return page.touch(selector, offset=offset)
    return page.click(selector, offset=offset)


def field_text_is_large_enough(page, where):
    """iOS zooms into a focused field whose rendered text is under 16 px."""
    size = page.js(f"(e => parseFloat(getComputedStyle(e).fontSize) *"
                   f" parseFloat(getComputedStyle(e.closest('dialog')).zoom))"
                   f"({harness._element(YEAR)})")
    page.check(f"the year field's text in {where}: {size:.2f} px", size >= 16 - 1e-6)


def menu_opens_in_view(page, where, how, open_menu):
    open_menu()
    if not page.check(f"{how} opens the menu in {where}", page.shown(MENU)):
        return
    lies_in_view(page, f"the menu opened by {how}", MENU, where)
    items = page.js(f"[...document.querySelectorAll('{MENU} [role=menuitem]')]"
                    f".map(e => e.getBoundingClientRect().height)")
    least = 44 if page.viewport.touch else 24
    page.check(f"menu items' heights in {where}: {items}", min(items) >= least - 0.01)
    page.key("Escape")


def far_corner(page):
    """A point a few pixels inside the dialog's bottom-right corner, from
    its client area's top-left one."""
    left, top, right, bottom = page.rect(MAIN + " .client")
    return (right - left - 6, bottom - top - 6)


def open_menu_at_far_corner(page):
    """By a long press on a touch screen, else by a right click."""
    if page.viewport.touch:
        page.touch(MAIN + " .client", hold=0.8, offset=far_corner(page))
    else:
        page.click(MAIN + " .client", "right", offset=far_corner(page))


def open_about_box(page):
    open_menu_at_far_corner(page)
    press(page, ABOUT_ITEM)


def open_error_box(page):
    page.paste(YEAR, "")
    press(page, OK)


# The boxes: how each is opened, and its 确定.
BOXES = [("the About box", ABOUT, open_about_box, f'{ABOUT} button[data-id="1"]'),
         ("the error box", ERROR_BOX, open_error_box, f"{ERROR_BOX} button")]


def box_in_view(page, where, name, box, open_box, box_ok):
    open_box(page)
    if not page.check(f"{name} opened in {where}", page.shown(box)):
        return
    lies_in_view(page, name, box, where)
    hit_areas_are_large_enough(page, f"{name} in {where}", [("its 确定", box_ok)])
    press(page, box_ok)
    page.check(f"its 确定 closes {name} in {where}", not page.shown(box))


def run(page):
    for viewport in VIEWPORTS[page.args.engine]:
        where = str(viewport)
        page.load(viewport)
        hit_areas_are_large_enough(page, where, CONTROLS)
        how = "a long press" if viewport.touch else "a right click"
        menu_opens_in_view(page, where, f"{how} at the far corner",
                           lambda: open_menu_at_far_corner(page))
        if viewport.touch:
            field_text_is_large_enough(page, where)
            left, top, right, bottom = page.rect(MAIN + " .client")
            for what, hold, slide in (("a tap", 0.05, 0), ("a finger that slides", 0.8, 30)):
                page.touch(MAIN + " .client", hold, (3, (bottom - top) / 2), slide)
                page.check(f"{what} opens no menu in {where}", not page.shown(MENU))
        menu_opens_in_view(page, where, "the title bar's icon", lambda: press(page, ICON))
        for box in BOXES:
            box_in_view(page, where, *box)


if __name__ == "__main__":
    harness.main(run)
