#!/usr/bin/env bash
# qob on a GNOME desktop set to GTK's dark Adwaita keeps its light dialog,
# its curves pixel for pixel what they must be, while a plain Qt dialog
# started the same way turns dark: proof that the desktop theme does load
# there, so that a light qob is qob's own doing.
# usage: dark_theme_window_test.sh QOB BARE_DIALOG
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source-path=SCRIPTDIR source=harness.sh
source "$here/harness.sh"

program=${1:-$here/../../build/default/ui/qob}
bare=${2:-$here/../../build/default/bench/startup/bare_dialog}

# show PROGRAM FILE: the program's first frame in FILE, then Escape ends it.
show() {
    rw_start "$1"
    rw_wait_window "^vidad$"
    rw_screenshot_showing "$2" "$RW_FRAME_COLOUR" >/dev/null || rw_fail "no curve frame from $1"
    rw_focus
    rw_key Escape
    rw_wait_exit || rw_fail "$1 still runs ${RW_TIMEOUT}s after Escape"
}

# lightness FILE: of the dialog's background below the physical curve, 0 to 100.
lightness() {
    convert "$1" -crop 1x1+5+232 -colorspace Gray -format '%[fx:round(100 * mean)]' info:
}

rw_start_xvfb
RW_ENV+=(XDG_CURRENT_DESKTOP=GNOME GTK_THEME=Adwaita:dark)

show "$bare" "$RW_DIR/bare.png"
if [ "$(lightness "$RW_DIR/bare.png")" -lt 50 ]; then
    rw_pass "a plain Qt dialog turns dark here"
else
    rw_fail "a plain Qt dialog stays light: no GTK theme loaded (qt6-gtk-platformtheme installed?)"
fi

show "$program" "$RW_DIR/qob.png"
if [ "$(lightness "$RW_DIR/qob.png")" -gt 50 ]; then
    rw_pass "qob's dialog stays light: $(rw_colour_at "$RW_DIR/qob.png" 5 232)"
else
    rw_fail "qob's dialog turns dark: $(rw_colour_at "$RW_DIR/qob.png" 5 232)"
fi
rw_expect_curves "$RW_DIR/qob.png" 1 0 0
rw_finish
