# shellcheck shell=bash
# Real-window tests: the program runs on a private Xvfb, as a person would
# start it, and is driven with xdotool, looked at with ImageMagick and xprop.
# Sourced, not run. Everything it starts is ended on exit.
#
#   source tests/realwindow/harness.sh
#   rw_start_xvfb
#   rw_start build/default/ui/qob
#   rw_wait_window
#   if rw_screenshot_showing "$RW_DIR/first.png" "$RW_FRAME_COLOUR" >/dev/null; then
#       rw_pass "curve frames drawn"
#   else
#       rw_fail "no curve frame colour"
#   fi
#   rw_finish

RW_TIMEOUT=${RW_TIMEOUT:-10}
# The curve controls' frame colour, mynew::kFrameColor, as a screenshot
# reads it.
# shellcheck disable=SC2034 # read by the scripts that source this
RW_FRAME_COLOUR='#001400'
# A fixed "today", so that what the program draws does not depend on the day
# the test runs.
RW_FAKETIME=${RW_FAKETIME:-@2026-12-07 12:00:00}
RW_DIR=$(mktemp -d "${TMPDIR:-/tmp}/realwindow.XXXXXX")
RW_XVFB_PID=
RW_PID=
RW_STATUS=
RW_WIN=
RW_PASSED=0
RW_FAILED=0
# The environment the program under test runs in, filled by rw_start_xvfb:
# use it as `env "${RW_ENV[@]}" PROGRAM`.
RW_ENV=()

# rw_until COMMAND [ARG...]: runs the command again and again until it
# succeeds, for whatever the program does in its own time (mapping, painting,
# exiting); fails if it has not succeeded within RW_TIMEOUT seconds.
rw_until() {
    local end=$((SECONDS + RW_TIMEOUT))
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.1
    done
}

rw_cleanup() {
    if [ -n "$RW_PID" ] && kill -0 "$RW_PID" 2>/dev/null; then
        kill "$RW_PID" 2>/dev/null
        wait "$RW_PID" 2>/dev/null
    fi
    if [ -n "$RW_XVFB_PID" ]; then
        kill "$RW_XVFB_PID" 2>/dev/null
        wait "$RW_XVFB_PID" 2>/dev/null
    fi
    # What a failed test saw stays for a person to look at.
    if [ "$RW_FAILED" -eq 0 ] && [ -z "${RW_KEEP:-}" ]; then
        rm -rf "$RW_DIR"
    else
        echo "screenshots and logs kept in $RW_DIR" >&2
    fi
}
trap rw_cleanup EXIT
trap 'exit 130' INT TERM

rw_die() {
    echo "FAIL: $*" >&2
    RW_FAILED=$((RW_FAILED + 1))
    exit 1
}

rw_pass() {
    echo "ok: $*"
    RW_PASSED=$((RW_PASSED + 1))
}

# rw_expect DESCRIPTION ACTUAL WANTED
rw_expect() {
    if [ "$2" = "$3" ]; then rw_pass "$1"; else rw_fail "$1: got '$2', expected '$3'"; fi
}

rw_fail() {
    echo "FAIL: $*" >&2
    RW_FAILED=$((RW_FAILED + 1))
}

# Prints the tally and returns non-zero if any check failed.
rw_finish() {
    echo "$RW_PASSED passed, $RW_FAILED failed"
    [ "$RW_FAILED" -eq 0 ]
}

rw_faketime_lib() {
    local lib
    lib=$(dpkg -L libfaketime 2>/dev/null | grep '/libfaketime\.so\.1$' | head -n 1)
    [ -n "$lib" ] && [ -f "$lib" ] || return 1
    echo "$lib"
}

# Starts Xvfb on a display number it picks itself, so that tests can run side
# by side, and exports DISPLAY.
rw_start_xvfb() {
    local lib number=""
    lib=$(rw_faketime_lib) || rw_die "libfaketime is not installed"
    local fifo="$RW_DIR/display"
    mkfifo "$fifo"
    # -noreset: with no client left the server would start over and drop the
    # root window's properties, such as the resources rw_set_dpi sets.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo" >"$RW_DIR/xvfb.log" 2>&1 &
    RW_XVFB_PID=$!
    # Xvfb writes the display number once it accepts connections.
    read -r -t "$RW_TIMEOUT" number <"$fifo" || true
    [ -n "$number" ] || rw_die "Xvfb did not start: $(cat "$RW_DIR/xvfb.log")"
    export DISPLAY=":$number"
    mkdir -m 700 "$RW_DIR/runtime"
    # NO_FAKE_STAT keeps file times real: with faked ones fontconfig takes its
    # caches for stale and rebuilds them on every start.
    RW_ENV=(
        "LD_PRELOAD=$lib"
        "FAKETIME=$RW_FAKETIME"
        NO_FAKE_STAT=1
        QT_QPA_PLATFORM=xcb
        "XDG_RUNTIME_DIR=$RW_DIR/runtime"
    )
}

# rw_start PROGRAM [ARG...]: starts the program under test; its output goes
# to $RW_DIR/program.log.
rw_start() {
    [ -x "$1" ] || rw_die "no program at $1"
    env "${RW_ENV[@]}" "$@" >"$RW_DIR/program.log" 2>&1 &
    RW_PID=$!
}

# rw_wait_window [TITLE_REGEX]: waits until the program's top-level window is
# mapped and sets RW_WIN.
rw_wait_window() {
    local title=${1:-^vidad\$}
    RW_WIN=$(timeout "$RW_TIMEOUT" xdotool search --sync --onlyvisible --all \
        --pid "$RW_PID" --name "$title" 2>/dev/null | head -n 1)
    [ -n "$RW_WIN" ] ||
        rw_die "no visible window titled '$title' in ${RW_TIMEOUT}s; program said: $(cat "$RW_DIR/program.log")"
}

# rw_window_titled TITLE: a shown window of the program with exactly that
# title. xdotool's --name pattern alone also matches other windows when the
# title is not ASCII.
rw_window_titled() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$RW_PID" --name . 2>/dev/null); do
        [ "$(xdotool getwindowname "$id")" = "$1" ] && echo "$id" && return 0
    done
    return 1
}

rw_no_window_titled() {
    ! rw_window_titled "$1" >/dev/null
}

# With no window manager a window gets the keyboard only when given it.
rw_focus() {
    timeout "$RW_TIMEOUT" xdotool windowfocus --sync "$RW_WIN" || rw_die "cannot focus $RW_WIN"
}

# rw_key KEY...: key names as xdotool knows them (Return, Escape, ctrl+a).
rw_key() {
    xdotool key --delay 20 "$@"
}

rw_type() {
    xdotool type --delay 20 "$1"
}

# rw_screenshot FILE [WINDOW]: of the program's window unless told another.
rw_screenshot() {
    import -window "${2:-$RW_WIN}" "$1" || rw_die "cannot take a screenshot of ${2:-$RW_WIN}"
}

# rw_colour_at FILE X Y: prints the pixel's colour as #RRGGBB.
rw_colour_at() {
    echo "#$(convert "$1" -depth 8 -format "%[hex:p{$2,$3}]" info:)"
}

# rw_find_colour FILE '#RRGGBB': prints "X,Y" of the first pixel of that colour
# in reading order; fails when there is none. awk reads to the end, since
# leaving early would break convert's pipe and fail the test under pipefail.
rw_find_colour() {
    convert "$1" -depth 8 txt:- |
        awk -v want="$2" '!found && toupper($3) == toupper(want) { sub(":", "", $1); print $1; found = 1 }
                          END { exit !found }'
}

rw_shot_finds() {
    rw_screenshot "$1" && rw_find_colour "$1" "$2"
}

# rw_screenshot_showing FILE '#RRGGBB': a window is mapped before it is
# painted, so screenshots are taken again until one shows the colour. Prints
# "X,Y" of the first such pixel; fails if none shows up in time.
rw_screenshot_showing() {
    rw_until rw_shot_finds "$1" "$2"
}

# rw_shows FILE X Y '#RRGGBB' [WINDOW]: takes a screenshot and tells whether
# that pixel has that colour; a look at one pixel is far cheaper than a search.
rw_shows() {
    rw_screenshot "$1" "${5:-}" && [ "$(rw_colour_at "$1" "$2" "$3")" = "$4" ]
}

# rw_prop NAME: the window property as xprop prints it.
rw_prop() {
    xprop -id "$RW_WIN" "$1"
}

# Prints the window's client size as WIDTHxHEIGHT.
rw_size() {
    xwininfo -id "$RW_WIN" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'
}

rw_exited() {
    ! kill -0 "$RW_PID" 2>/dev/null
}

# Waits for the program to exit by itself, keeping its exit status in
# RW_STATUS; fails if it is still running.
rw_wait_exit() {
    rw_until rw_exited || return 1
    wait "$RW_PID" 2>/dev/null
    # shellcheck disable=SC2034 # read by the scripts that source this
    RW_STATUS=$?
    RW_PID=
}

# rw_ink FILE X Y W H: the dark pixels (below half grey) of a rectangle, as
# "COUNT RIGHT BOTTOM", the last two the extent of their bounding box
# measured from the rectangle's top-left corner.
rw_ink() {
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -colorspace Gray -threshold 50% -negate \
        -format '%[fx:round(mean*w*h)] %@' info: |
        awk '{ split($2, b, /[x+]/); print $1, b[1] + b[3], b[2] + b[4] }'
}

# rw_black_rows FILE X TOP BOTTOM: black rows of column X, TOP to BOTTOM - 1.
rw_black_rows() {
    convert "$1" -crop "1x$(($4 - $3))+$2+$3" -depth 8 txt:- | grep -c '#000000'
}

# rw_set_dpi DPI: Xft.dpi for programs started from now on, as xrdb sets it
# on a desktop: Qt takes DPI/96 as the device pixel ratio.
rw_set_dpi() {
    xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER $'Xft.dpi:\t'"$1"$'\n'
}

# rw_device_rect RATIO X Y W H: a logical rectangle in device pixels, each edge
# scaled and rounded on its own, halves up, as "X Y W H".
rw_device_rect() {
    awk -v r="$1" -v x="$2" -v y="$3" -v w="$4" -v h="$5" '
        function px(v) { return int(v * r + 0.5) }
        BEGIN { print px(x), px(y), px(x + w) - px(x), px(y + h) - px(y) }'
}

RW_CURVE_REFERENCE=${RW_CURVE_REFERENCE:-$(dirname "${BASH_SOURCE[0]}")/../../build/default/tests/support/curve_reference_png}

# rw_expect_curve DESCRIPTION FILE NAME K KIND DAY BACKGROUND X Y W H: the
# curve control at that rectangle of device pixels in the screenshot is pixel
# for pixel what curve_reference_png draws at block factor K, for that cycle
# (1 intellect, 2 emotion, 3 physical) marked at that day, or KIND 0 for a
# control not drawn yet. Where the control leaves pixels alone the dialog's
# BACKGROUND colour shows.
rw_expect_curve() {
    local description=$1 file=$2 name=$3 k=$4 kind=$5 day=$6 background=$7 x=$8 y=$9 w=${10} h=${11}
    # Both stay beside the screenshot for a person to compare.
    local ref=${file%.png}-$name-reference.png shown=${file%.png}-$name.png ae
    "$RW_CURVE_REFERENCE" "$w" "$h" "$k" "$kind" "$day" "$ref" "$background" ||
        rw_die "cannot draw the reference with $RW_CURVE_REFERENCE"
    convert "$file" -crop "${w}x${h}+${x}+${y}" +repage "$shown"
    ae=$(compare -metric AE "$shown" "$ref" null: 2>&1)
    rw_expect "$description: pixels unlike its reference" "$ae" 0
}

# rw_expect_curves FILE RATIO LEFT TOP [DAY DAY DAY]: the three curve controls
# in a screenshot whose client area starts at LEFT,TOP are pixel for pixel
# what curve_reference_png draws, with markers at those days in the intellect,
# emotion and physical cycles, or none. The background is sampled below the
# physical curve.
rw_expect_curves() {
    local file=$1 ratio=$2 left=$3 top=$4 days=("${@:5}")
    local k background name kind day x y w h bx by _
    k=$(awk -v r="$ratio" 'BEGIN { k = int(r); print k < 1 ? 1 : k }')
    read -r bx by _ < <(rw_device_rect "$ratio" 5 232 1 1)
    background=$(rw_colour_at "$file" $((left + bx)) $((top + by)))
    while read -r name kind x y w h; do
        read -r x y w h < <(rw_device_rect "$ratio" "$x" "$y" "$w" "$h")
        if [ "${#days[@]}" -eq 3 ]; then
            day=${days[kind - 1]}
        else
            kind=0 day=0
        fi
        rw_expect_curve "$name curve at ratio $ratio" "$file" "$name" "$k" "$kind" "$day" \
            "$background" $((left + x)) $((top + y)) "$w" "$h"
    done <<'CURVES'
intellect 1 140 94 210 41
emotion 2 141 140 209 41
physical 3 141 187 209 39
CURVES
}
