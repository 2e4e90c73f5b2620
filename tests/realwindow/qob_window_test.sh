#!/usr/bin/env bash
# The built qob in a real window on a private Xvfb, with today fixed at
# 2026-12-07: a normal top-level window, Enter draws the three markers where
# the day count puts them, bad input brings the error box titled qob, the
# About box opens from the dialog's menu, and Escape ends the program with
# exit status 0.
# usage: qob_window_test.sh QOB
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source-path=SCRIPTDIR source=harness.sh
source "$here/harness.sh"

program=${1:-$here/../../build/default/ui/qob}

rw_start_xvfb
rw_start "$program"
rw_wait_window "^vidad$"
rw_expect "client area" "$(rw_size)" "360x237"

type=$(rw_prop _NET_WM_WINDOW_TYPE)
rw_expect "window type is normal" "${type##* }" "_NET_WM_WINDOW_TYPE_NORMAL"
if [[ "$(rw_prop WM_TRANSIENT_FOR)" == *"not found"* ]]; then
    rw_pass "no WM_TRANSIENT_FOR"
else
    rw_fail "the window is transient for another"
fi

before=$RW_DIR/before.png
rw_screenshot_showing "$before" "$RW_FRAME_COLOUR" >/dev/null || rw_fail "no curve frame drawn"
rw_expect "frame of the intellect curve" "$(rw_colour_at "$before" 140 94)" "$RW_FRAME_COLOUR"
rw_expect "no marker before the first press" "$(($(rw_black_rows "$before" 153 94 135) < 41))" 1
background=$(rw_colour_at "$before" 5 232)

rw_focus
rw_key Return
after=$RW_DIR/after.png
# Row 100 of column 153 lies off the intellect curve: only the marker blackens it.
rw_until rw_shows "$after" 153 100 '#000000' || rw_fail "no intellect marker after Enter"
# Days 2, 2 and 19 of curves 210, 209 and 209 pixels wide.
rw_expect "intellect marker at day 2" "$(rw_black_rows "$after" 153 94 135)" 41
rw_expect "emotion marker at day 2" "$(rw_black_rows "$after" 155 140 181)" 41
rw_expect "physical marker at day 19" "$(rw_black_rows "$after" 313 187 226)" 39
rw_expect "nothing else is marked" "$(($(rw_black_rows "$after" 200 94 135) < 41))" 1

# Tab from OK to the year field, empty it, press Enter: the error box.
rw_key Tab ctrl+a BackSpace Return
if rw_until rw_window_titled qob >/dev/null; then
    rw_pass "the input error box is titled qob"
else
    rw_fail "no error box titled qob"
fi
rw_key Return
rw_until rw_no_window_titled qob || rw_fail "Return leaves the error box open"
# With no window manager the keyboard goes back to no window by itself.
rw_focus

# A paste too long for the field, from the clipboard with Ctrl+V and from the
# primary selection with a middle click, is refused whole: the year field
# stays empty, and Enter brings the error box again. Cut to fit, it would
# hold 32,766 spaces and a 1: the year 1.
printf '%32766s1983' '' >"$RW_DIR/long-paste.txt"
for selection in clipboard primary; do
    xclip -selection "$selection" -in "$RW_DIR/long-paste.txt"
    if [ "$selection" = clipboard ]; then
        rw_key ctrl+v
    else
        xdotool mousemove --window "$RW_WIN" 140 65 click 2
    fi
    rw_key Return
    if rw_until rw_window_titled qob >/dev/null; then
        rw_pass "a paste from the $selection too long for the field is refused whole"
        rw_key Return
        rw_until rw_no_window_titled qob || rw_fail "Return leaves the error box open"
    else
        rw_fail "a paste from the $selection too long for the field was taken"
    fi
    rw_focus
done

# The About box from the dialog's own menu (the Menu key on OK, back from the
# year field, and the menu's last entry): its texts whole inside their
# rectangles, and Escape closes it.
rw_key shift+Tab Menu Up Return
if about=$(rw_until rw_window_titled "关于 qob"); then
    rw_pass "the About box opens from the dialog's menu"
    # Mapped before painted: its corner turns the dialog's background colour.
    rw_until rw_shows "$RW_DIR/about.png" 1 1 "$background" "$about" || rw_fail "About box not painted"
    for rect in "70 18 208 14" "70 44 208 14"; do
        read -r x y w h <<<"$rect"
        read -r count right bottom < <(rw_ink "$RW_DIR/about.png" "$x" "$y" "$w" "$h")
        rw_expect "About text at $rect is drawn and unclipped" \
            "$((count > 0 && right < w && bottom < h))" 1
    done
    rw_key Escape
    if rw_until rw_no_window_titled "关于 qob"; then
        rw_pass "Escape closes the About box"
    else
        rw_fail "the About box stays open after Escape"
    fi
    rw_focus
else
    rw_fail "no About box from the dialog's menu"
fi

rw_key Escape
if rw_wait_exit; then
    rw_expect "exit status after Escape" "$RW_STATUS" 0
else
    rw_fail "program still runs ${RW_TIMEOUT}s after Escape"
fi
rw_finish
