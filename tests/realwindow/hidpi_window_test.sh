#!/usr/bin/env bash
# qob at device pixel ratio 2 (QT_SCALE_FACTOR=2) in a real window, today
# fixed at 2026-12-07, against the same window at ratio 1: the window doubles,
# the curves stay crisp (each logical pixel a whole 2x2 block, the marker two
# device columns wide) and every static text still fits its rectangle, its
# ink about four times what it is at ratio 1.
# usage: hidpi_window_test.sh QOB
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source-path=SCRIPTDIR source=harness.sh
source "$here/harness.sh"

program=${1:-$here/../../build/default/ui/qob}

# run_and_press SCALE FILE: qob at that scale factor, FILE shot once Enter has
# drawn the intellect marker.
run_and_press() {
    # env keeps the last of repeated assignments, so the newest scale wins.
    RW_ENV+=("QT_SCALE_FACTOR=$1")
    rw_start "$program"
    rw_wait_window "^vidad$"
    rw_until rw_shows "$2" $((140 * $1)) $((94 * $1)) '#001400' || rw_fail "no curve frame at scale $1"
    rw_focus
    rw_key Return
    rw_until rw_shows "$2" $((153 * $1)) $((100 * $1)) '#000000' || rw_fail "no marker at scale $1"
}

quit() {
    rw_key Escape
    rw_wait_exit || rw_fail "qob still runs ${RW_TIMEOUT}s after Escape"
}

rw_start_xvfb
plain=$RW_DIR/ratio1.png
double=$RW_DIR/ratio2.png
run_and_press 1 "$plain"
quit
run_and_press 2 "$double"
rw_expect "client area at ratio 2" "$(rw_size)" "720x474"
quit

# The intellect curve, (140,94,210,41) at ratio 1.
curve=$RW_DIR/curve.png
convert "$double" -crop 420x82+280+188 +repage "$curve"
blocky=$(convert "$curve" \( +clone -sample 50% -sample 200% \) -compose difference -composite \
    -format '%[fx:maxima == 0]' info:)
rw_expect "intellect curve drawn in whole 2x2 blocks" "$blocky" 1
# Its frame, one logical pixel wide, is crossed only by the axis at both
# ends and by the marker at top and bottom: four black 2x2 blocks.
ring=$(convert "$curve" -depth 8 txt:- | awk -F'[,: ]+' -v w=420 -v h=82 '
    NR > 1 && ($1 < 2 || $1 >= w - 2 || $2 < 2 || $2 >= h - 2) { n[toupper($0) ~ /#001400/ ? "frame" : toupper($0) ~ /#000000/ ? "black" : "other"]++ }
    END { printf "%d frame, %d black, %d other", n["frame"], n["black"], n["other"] }')
rw_expect "intellect frame two device pixels wide" "$ring" "1976 frame, 16 black, 0 other"
marker=""
for column in 305 306 307 308; do
    [ "$(rw_black_rows "$double" "$column" 188 270)" -eq 82 ] && marker+=" $column"
done
rw_expect "intellect marker fills device columns 306 and 307 only" "$marker" " 306 307"

# Rectangles at ratio 1: the labels, the prompt, the units, the two header
# lines the dialog draws itself 20 pixels apart, and the OK button's face
# inside its frame.
while read -r what x y w h; do
    read -r n1 _ _ < <(rw_ink "$plain" "$x" "$y" "$w" "$h")
    read -r n2 right bottom < <(rw_ink "$double" $((2 * x)) $((2 * y)) $((2 * w)) $((2 * h)))
    if [ "$n2" -gt 0 ] && [ "$right" -lt $((2 * w)) ] && [ "$bottom" -lt $((2 * h)) ]; then
        rw_pass "$what fits its rectangle at ratio 2"
    else
        rw_fail "$what at ratio 2: $n2 dark pixels reaching column $right, row $bottom of $((2 * w))x$((2 * h))"
    fi
    if [ $((10 * n2)) -ge $((25 * n1)) ] && [ "$n2" -le $((6 * n1)) ]; then
        rw_pass "$what has 2.5 to 6 times its ink at ratio 1"
    else
        rw_fail "$what: $n2 dark pixels at ratio 2 against $n1 at ratio 1"
    fi
done <<'EOF'
intellect-label 11 93 99 28
emotion-label 11 141 96 28
physical-label 11 190 107 36
prompt 15 54 81 29
day-unit 260 59 12 13
month-unit 212 59 15 15
year-unit 167 59 12 15
first-header-line 0 0 360 20
second-header-line 0 20 360 20
ok-button-face 277 54 71 25
EOF
rw_finish
