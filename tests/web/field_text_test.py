"""What the date fields may hold when 确定 is pressed: the text reaches the
date as bytes, and only ASCII digits and spaces make a number. The cases
are the table every build's tests read. Each text is put in whole, as a
paste does."""

import re

import harness
from harness import DAY, ERROR_BOX, LABELS, LABELS_AFTER, MONTH, OK, YEAR

FIELDS = {"year": YEAR, "month": MONTH, "day": DAY}


def read_table(path):
    """(takes, field, text, what) for each case of the table."""
    cases = []
    with open(path, encoding="utf-8") as table:
        for line in table.read().splitlines():
            if not line or line.startswith("#"):
                continue
            verdict, field, text, what = line.split("\t")
            assert verdict in ("takes", "refuses"), line
            text = re.sub(r"\\u\{([0-9A-Fa-f]+)\}", lambda m: chr(int(m[1], 16)), text)
            # A code point above the UTF-16 units is one character in Python
            # as in the page's strings; a lone surrogate stays lone.
            cases.append((verdict == "takes", FIELDS[field], text, what))
    return cases


def press_ok_with(page, field, text):
    """Shows 2000-12-30 first, then presses 确定 with the text in the field;
    returns whether the error box opened, and the labels from before and
    after the press."""
    for each, default in ((YEAR, "2000"), (MONTH, "12"), (DAY, "30")):
        page.paste(each, default)
    page.click(OK)
    before = page.texts(LABELS)
    page.paste(YEAR, "1983")
    page.paste(field, text)
    page.click(OK)
    box = page.shown(ERROR_BOX)
    if box:
        page.key("Enter")
    return box, before, page.texts(LABELS)


def run(page):
    page.load()
    for takes, field, text, what in read_table(page.args.table):
        box, before, after = press_ok_with(page, field, text)
        if takes:
            ok = not box and before != LABELS_AFTER and after == LABELS_AFTER
        else:
            ok = box and after == before
        page.check(f"{'takes' if takes else 'refuses'} {what}", ok,
                   f"error box {box}, labels {before} then {after}")
    # The page's fields have no length limit: a paste longer than a native
    # field holds is taken whole, never cut.
    long_paste = " " * 32766 + "1983"
    box, _, after = press_ok_with(page, YEAR, long_paste)
    page.check("takes a paste of 32,766 spaces and 1983 whole",
               not box and after == LABELS_AFTER and len(page.value(YEAR)) == len(long_paste),
               f"error box {box}, labels {after}")


if __name__ == "__main__":
    harness.main(run, [("table", "the table of field texts")])
