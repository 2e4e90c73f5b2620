#!/usr/bin/env bash
# qob in a real window at the device pixel ratios people get on X11, today
# fixed at 2026-12-07: 1; 1.25 from Xft.dpi 120, as a desktop sets it with
# xrdb; and 2 from QT_SCALE_FACTOR, whose 0.5 is ignored, with a warning, for
# a dialog whose controls would not fit. At each, once Enter has drawn the
# markers, the window is the dialog scaled, the three curves are pixel for
# pixel what they must be on that device grid, and every static text is drawn
# whole inside its rectangle, with about the ratio squared times its ink at 1.
# usage: hidpi_window_test.sh QOB
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source-path=SCRIPTDIR source=harness.sh
source "$here/harness.sh"

program=${1:-$here/../../build/default/ui/qob}

# Texts at ratio 1: the labels, the prompt, the units, the two header lines
# the dialog draws itself 20 pixels apart, and the OK button's face inside
# its frame.
texts='intellect-label 11 93 99 28
emotion-label 11 141 96 28
physical-label 11 190 107 36
prompt 15 54 81 29
day-unit 260 59 12 13
month-unit 212 59 15 15
year-unit 167 59 12 15
first-header-line 0 0 360 20
second-header-line 0 20 360 20
ok-button-face 277 54 71 25'

# marked FILE RATIO: a screenshot whose intellect curve has a column black
# from top to bottom, which only the marker draws.
marked() {
    local x y w h
    read -r x y w h < <(rw_device_rect "$2" 140 94 210 41)
    rw_screenshot "$1" &&
        [ "$(convert "$1" -crop "${w}x${h}+$x+$y" -colorspace Gray -scale "${w}x1!" \
            -format '%[fx:minima]' info:)" = 0 ]
}

declare -A ink_at_1
rw_start_xvfb
# Read from descriptor 3: what runs inside the loop keeps its standard input.
while read -r -u 3 ratio dpi scale size warned; do
    rw_set_dpi "$dpi"
    # env keeps the last of repeated assignments, so the newest scale wins.
    RW_ENV+=("QT_SCALE_FACTOR=$scale")
    rw_start "$program"
    rw_wait_window "^vidad$"
    rw_expect "client area at ratio $ratio from QT_SCALE_FACTOR=$scale" "$(rw_size)" "$size"
    said=no
    grep -q "ignoring QT_SCALE_FACTOR=\"$scale\"" "$RW_DIR/program.log" && said=yes
    rw_expect "whether QT_SCALE_FACTOR=$scale is warned of" "$said" "$warned"
    shot=$RW_DIR/ratio$ratio.png
    rw_screenshot_showing "$shot" "$RW_FRAME_COLOUR" >/dev/null || rw_fail "no curve frame at ratio $ratio"
    rw_focus
    rw_key Return
    rw_until marked "$shot" "$ratio" || rw_fail "no marker at ratio $ratio"
    rw_key Escape
    rw_wait_exit || rw_fail "qob still runs ${RW_TIMEOUT}s after Escape"

    rw_expect_curves "$shot" "$ratio" 0 0 2 2 19
    while read -r what x y w h; do
        read -r x y w h < <(rw_device_rect "$ratio" "$x" "$y" "$w" "$h")
        read -r n right bottom < <(rw_ink "$shot" "$x" "$y" "$w" "$h")
        if [ "$n" -gt 0 ] && [ "$right" -lt "$w" ] && [ "$bottom" -lt "$h" ]; then
            rw_pass "$what fits its rectangle at ratio $ratio"
        else
            rw_fail "$what at ratio $ratio: $n dark pixels reaching column $right, row $bottom of ${w}x$h"
        fi
        if [ "$ratio" = 1 ]; then
            ink_at_1[$what]=$n
        elif awk -v n="$n" -v n1="${ink_at_1[$what]}" -v r="$ratio" \
            'BEGIN { exit !(n >= 0.6 * r * r * n1 && n <= 1.5 * r * r * n1) }'; then
            rw_pass "$what has about $ratio squared times its ink at ratio 1"
        else
            rw_fail "$what: $n dark pixels at ratio $ratio against ${ink_at_1[$what]} at ratio 1"
        fi
    done <<<"$texts"
done 3<<'EOF'
1 96 1 360x237 no
1.25 120 1 450x296 no
2 96 2 720x474 no
1 96 0.5 360x237 yes
EOF
rw_finish
