#!/usr/bin/env bash
# Checks the real-window harness against the start-up baseline, a bare Qt
# dialog made a normal top-level window: it must be found by its title, carry
# the right window type, show the curve frame colour and take keys.
# usage: baseline_window_test.sh [BARE_DIALOG]
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source-path=SCRIPTDIR source=harness.sh
source "$here/harness.sh"

program=${1:-$here/../../build/default/bench/startup/bare_dialog}

rw_start_xvfb
today=$(env "${RW_ENV[@]}" date +%F)
if [ "$today" = "2026-12-07" ]; then
    rw_pass "programs started here see the fixed date"
else
    rw_fail "programs started here see the date $today, expected 2026-12-07"
fi

rw_start "$program"
rw_wait_window "^vidad$"
rw_pass "window titled vidad is mapped"

size=$(rw_size)
if [ "$size" = "360x237" ]; then
    rw_pass "client area is 360x237"
else
    rw_fail "client area is $size, expected 360x237"
fi

# A dialog would say _NET_WM_WINDOW_TYPE_DIALOG and could hang off another
# window; this one must stand alone as a normal window.
type=$(rw_prop _NET_WM_WINDOW_TYPE)
if [[ "$type" == *_NET_WM_WINDOW_TYPE_NORMAL* && "$type" != *_NET_WM_WINDOW_TYPE_DIALOG* ]]; then
    rw_pass "window type is normal"
else
    rw_fail "window type: $type"
fi
transient=$(rw_prop WM_TRANSIENT_FOR)
if [[ "$transient" == *"not found"* ]]; then
    rw_pass "no WM_TRANSIENT_FOR"
else
    rw_fail "unexpected $transient"
fi

shot=$RW_DIR/baseline.png
if at=$(rw_screenshot_showing "$shot" "$RW_FRAME_COLOUR"); then
    rw_pass "curve frame colour $RW_FRAME_COLOUR found at $at"
    colour=$(rw_colour_at "$shot" "${at%,*}" "${at#*,}")
    if [ "$colour" = "$RW_FRAME_COLOUR" ]; then
        rw_pass "pixel $at reads back as $RW_FRAME_COLOUR"
    else
        rw_fail "pixel $at reads back as $colour"
    fi
else
    rw_fail "no $RW_FRAME_COLOUR pixel in the screenshot"
fi

# Escape closes a dialog, and with its only window closed the program ends:
# proof that focus and keys reach it.
rw_focus
rw_key Escape
if rw_wait_exit; then
    rw_pass "Escape closes the window and ends the program"
else
    rw_fail "program still runs ${RW_TIMEOUT}s after Escape"
fi

rw_finish
