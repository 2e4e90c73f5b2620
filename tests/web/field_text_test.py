"""What the date fields may hold when 确定 is pressed: the text reaches the
date as bytes, and only ASCII digits and spaces make a number. Each text is
put in whole, as a paste does. Before each press the dialog shows the year
2000, so that a text taken for 1983 changes the labels."""

import harness
from harness import DAY, ERROR_BOX, LABELS, LABELS_AFTER, MONTH, OK, YEAR

ACCEPTED = [
    ("spaces before, between and after the digits", YEAR, " 19 83 "),
    ("leading zeros", YEAR, "001983"),
    ("a space inside the month", MONTH, "1 2"),
]

REJECTED = [
    ("full-width digits", YEAR, "１９８３"),
    ("an ideographic space", YEAR, "\u30001983"),
    ("a no-break space", YEAR, "\u00a01983"),
    ("Chinese text after the digits", YEAR, "1983年"),
    ("a character outside GBK", DAY, "3\U0001f600"),
    ("a tab before the digits", MONTH, "\t12"),
    ("a letter after the digits", MONTH, "12a"),
    ("a minus sign", DAY, "-5"),
    ("spaces only", DAY, "   "),
]

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
    for description, field, text in ACCEPTED:
        box, before, after = press_ok_with(page, field, text)
        page.check(
            f"takes {description}",
            not box and before != LABELS_AFTER and after == LABELS_AFTER,
            f"error box {box}, labels {before} then {after}",
        )
    for description, field, text in REJECTED:
        box, before, after = press_ok_with(page, field, text)
        page.check(
            f"refuses {description}",
            box and after == before,
            f"error box {box}, labels {before} then {after}",
        )


if __name__ == "__main__":
    harness.main(run)
