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
[[ "$(rw_prop WM_TRANSIENT_FOR)" == *"not found"* ]] && rw_pass "no WM_TRANSIENT_FOR" ||
    rw_fail "the window is transient for another"

before=$RW_DIR/before.png
rw_screenshot_showing "$before" '#001400' >/dev/null || rw_fail "no curve frame drawn"
rw_expect "frame of the intellect curve" "$(rw_colour_at "$before" 140 94)" "#001400"
rw_expect "no marker before the first press" "$(($(rw_black_rows "$before" 153 94 135) < 41))" 1

rw_focus
rw_key Return
sleep 0.5
after=$RW_DIR/after.png
rw_screenshot "$after"
# Days 2, 2 and 19 of curves 210, 209 and 209 pixels wide.
rw_expect "intellect marker at day 2" "$(rw_black_rows "$after" 153 94 135)" 41
rw_expect "emotion marker at day 2" "$(rw_black_rows "$after" 155 140 180)" 40
rw_expect "physical marker at day 19" "$(rw_black_rows "$after" 313 187 226)" 39
rw_expect "nothing else is marked" "$(($(rw_black_rows "$after" 200 94 135) < 41))" 1

# Tab from OK to the year field, empty it, press Enter: the error box.
rw_key Tab ctrl+a BackSpace Return
box=$(rw_window_titled qob)
[ -n "$box" ] && rw_pass "the input error box is titled qob" || rw_fail "no error box titled qob"
rw_key Return
sleep 0.3

# The About box from the dialog's own menu (the Menu key, its last entry): its
# texts whole inside their rectangles, and Escape closes it.
rw_key Menu Up Return
about=$(rw_window_titled "关于 qob")
if [ -n "$about" ]; then
    rw_pass "the About box opens from the dialog's menu"
    sleep 0.3
    import -window "$about" "$RW_DIR/about.png"
    for rect in "70 18 208 14" "70 44 208 14"; do
        read -r count right bottom < <(rw_ink "$RW_DIR/about.png" $rect)
        read -r _ _ w h <<<"$rect"
        rw_expect "About text at $rect is drawn and unclipped" \
            "$((count > 0 && right < w && bottom < h))" 1
    done
    rw_key Escape
    sleep 0.3
    rw_expect "Escape closes the About box" "$(RW_TIMEOUT=1 rw_window_titled "关于 qob")" ""
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
