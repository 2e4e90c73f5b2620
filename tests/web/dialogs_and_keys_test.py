"""The main dialog's boxes, menu and keys in the page: Enter on the fresh
dialog, and after a click on its face or beside it, presses 确定, a bad date brings the error box and changes nothing, a
field takes typed digits only, the context menu opens the About box, which
hands the keys back to the main dialog when it closes, and Escape ends the
program."""

import harness
from harness import ABOUT, ERROR_BOX, LABELS, LABELS_AFTER, LABELS_BEFORE, MAIN, MONTH, OK
from harness import YEAR

MENU = 'div.menu[role="menu"]'
ABOUT_ITEM = f'{MENU} [role="menuitem"][data-command="16"]'

BAD_DATES = [
    ("an emptied year", YEAR, ""),
    ('a month "1a" pasted', MONTH, "1a"),
]


# Where a click may land before Enter without taking the keys from the
# dialog: nowhere, on the dialog's face (确定 keeps the focus) and beside
# the dialog.
BEFORE_ENTER = [
    ("on the fresh dialog", None),
    ("after a click on the dialog's face", (MAIN + " .client", (5, 232))),
    ("after a click beside the dialog", ("#desktop", (5, 5))),
]


def enter_presses_ok(page, when, click):
    page.load()
    if click:
        page.click(click[0], offset=click[1])
    if click and click[0] != "#desktop":
        focused = page.js("document.activeElement.dataset.id")
        page.expect(f"control with the focus {when}", focused, "1")
    page.expect(f"program state after Enter {when}", page.key("Enter"), "waiting")
    page.expect(f"labels after Enter {when}", page.texts(LABELS), LABELS_AFTER)


def bad_date_brings_the_error_box(page, description, field, text):
    page.load()
    page.paste(field, text)
    page.key("Enter")
    if not page.check(f"{description} opens the error box", page.shown(ERROR_BOX)):
        return
    said = page.text(f"{ERROR_BOX} p.text")
    page.expect(f"error box text after {description}", said, "输入有误，请重新输入！")
    page.key("Enter")
    page.check(f"Enter closes the error box after {description}", not page.shown(ERROR_BOX))
    page.expect(f"labels after {description}", page.texts(LABELS), LABELS_BEFORE)


def fields_take_typed_digits_only(page):
    page.paste(YEAR, "")
    page.type("1a9 x8b3")
    page.expect("the year field after typing 1a9 x8b3", page.value(YEAR), "1983")


def right_click(page):
    page.click(MAIN + " .client", "right", offset=(5, 232))


def shift_f10(page):
    page.focus(OK)
    page.key("F10", shift=True)


# Ways to open the menu and to choose its About item.
MENU_WAYS = [
    ("a right click", right_click, "a click", lambda page: page.click(ABOUT_ITEM)),
    ("Shift+F10", shift_f10, "the letter A", lambda page: page.key("a")),
]


def menu_opens_the_about_box(page, opened_by, open_menu, chosen_by, choose):
    page.load()
    open_menu(page)
    items = page.all_texts(f"{MENU} [role=menuitem]")
    if not page.expect(f"menu items after {opened_by}", items, ["关闭(C)", "关于vidad(A)..."]):
        return
    choose(page)
    if not page.check(f"{chosen_by} on the About item opens the About box", page.shown(ABOUT)):
        return
    page.expect("About box caption", page.text(f"{ABOUT} .caption"), "关于 qob")
    texts = page.all_texts(f"{ABOUT} .client > *")
    page.check("About box names vidad 1.0", "vidad 1.0 版" in texts, f"texts {texts!r}")
    page.key("Escape")
    if page.check(f"Escape closes the About box opened by {chosen_by}", not page.shown(ABOUT)):
        # The keys go back to the main dialog, where 确定 had the focus.
        page.key("Enter")
        after = page.texts(LABELS)
        closed = f"once the About box closed ({chosen_by})"
        page.expect(f"labels after Enter {closed}", after, LABELS_AFTER)


def escape_ends_the_program(page):
    page.load()
    page.expect("program state after Escape", page.key("Escape"), "ended")
    page.check("main dialog gone after Escape", not page.shown(MAIN))
    page.check("restart button shown after Escape", page.shown("#restart"))


def run(page):
    for case in BEFORE_ENTER:
        enter_presses_ok(page, *case)
    for case in BAD_DATES:
        bad_date_brings_the_error_box(page, *case)
    fields_take_typed_digits_only(page)
    for case in MENU_WAYS:
        menu_opens_the_about_box(page, *case)
    escape_ends_the_program(page)


if __name__ == "__main__":
    harness.main(run)
