#!/usr/bin/env bash
# qob.exe in a real window under Wine on a private Xvfb, in zh_CN, with today
# fixed at 2026-12-07, at 96, 120 and 192 DPI. At each the dialog titled vidad
# is 240 x 146 dialog units of its font (6 x 13 pixels at 96 DPI, more above),
# its three curve controls sit where their dialog units put them and are
# pixel for pixel what they must be before and after Enter draws the markers,
# in k x k blocks for k = DPI / 96 rounded down, and Escape ends the program
# with exit status 0. At 96 DPI also: the program loaded version 6 of the
# common controls, a bad year brings the box titled qob, and the system
# menu's About item opens the About box, over a main dialog that takes no
# input until it closes.
# usage: qob_wine_window_test.sh WINEARCH QOB.EXE CURVE_REFERENCE_PNG LOCALE_DIR [FIXED_DATE_LIBRARY]
# WINEARCH is win32 or win64, as qob.exe is built. A 64-bit Wine gets today
# from libfaketime; a 32-bit one needs FIXED_DATE_LIBRARY.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# Wine's first start in a fresh prefix takes several seconds.
RW_TIMEOUT=${RW_TIMEOUT:-30}
# shellcheck source-path=SCRIPTDIR source=../realwindow/harness.sh
source "$here/../realwindow/harness.sh"

if [ "$#" -lt 4 ] || [ "$#" -gt 5 ]; then
    sed -n 's/^# usage:/usage:/p' "${BASH_SOURCE[0]}" >&2
    exit 2
fi
arch=$1 qob=$2 locale=$4 fixed_date=${5:-}
RW_CURVE_REFERENCE=$3
[ -x "$RW_CURVE_REFERENCE" ] ||
    rw_die "no curve_reference_png at $RW_CURVE_REFERENCE: build the Linux default build first"
[ -f "$qob" ] || rw_die "no program at $qob"
if [ "$arch" = win32 ]; then
    [ -f "$fixed_date" ] || rw_die "no fixed-date library at $fixed_date"
fi

# The curve controls in dialog units, as the main dialog's template has them.
curves='intellect 1 93 58 140 25
emotion 2 94 86 139 25
physical 3 94 115 139 24'

# A prefix of the test's own, since the test changes its DPI. A fresh one,
# as a copy of the build's would be over 500 MB.
state=$(mktemp -d "${TMPDIR:-/tmp}/qob-wine-window.XXXXXX")
ln -s "$locale" "$state/locale"
wine_run=("$here/../../scripts/wine-run" "$state")
stop_wine() {
    WINEPREFIX="$state/prefix" wineserver -k 2>/dev/null
    WINEPREFIX="$state/prefix" wineserver -w 2>/dev/null
    rm -rf "$state"
}
trap 'rw_cleanup; stop_wine' EXIT
"${wine_run[@]}" --init "$arch" >"$RW_DIR/wine-init.log" 2>&1 ||
    rw_die "cannot create a Wine prefix: $(cat "$RW_DIR/wine-init.log")"

rw_start_xvfb
# Wine logs each DLL the program loads, and where from.
RW_ENV=(QOB_WINEDEBUG=+loaddll "QOB_WINE_DISPLAY=$DISPLAY")
if [ "$arch" = win64 ]; then
    # The harness's libfaketime, handed through wine-run.
    RW_ENV+=("QOB_WINE_PRELOAD=$(rw_faketime_lib)" "FAKETIME=$RW_FAKETIME" NO_FAKE_STAT=1)
else
    # libfaketime cannot move a 32-bit Wine's clock; this library moves it
    # by as many seconds as lie between now and the harness's fixed day.
    RW_ENV+=(
        "QOB_WINE_PRELOAD=$fixed_date"
        "QOB_CLOCK_SHIFT_S=$(($(date -d "${RW_FAKETIME#@}" +%s) - $(date +%s)))"
    )
fi

# muldiv A B C: A * B / C to nearest, halves up, as the dialog manager turns
# each number of a template into pixels.
muldiv() {
    echo $(((2 * $1 * $2 + $3) / (2 * $3)))
}

# base_units WIDTH HEIGHT: the base units that make a client area of that size
# from the dialog's 240 x 146 units, as "X Y"; fails if none do.
base_units() {
    local x=$(($1 / 60)) y
    for ((y = 1; y < 64; y++)); do
        if [ $((x * 60)) -eq "$1" ] && [ "$(muldiv 146 "$y" 8)" -eq "$2" ]; then
            echo "$x $y"
            return 0
        fi
    done
    return 1
}

# device_rect BX BY X Y W H: a rectangle in dialog units in pixels, for base
# units BX and BY, as "X Y W H".
device_rect() {
    echo "$(muldiv "$3" "$1" 4) $(muldiv "$4" "$2" 8) $(muldiv "$5" "$1" 4) $(muldiv "$6" "$2" 8)"
}

# expect_curves FILE DPI K BX BY [DAY DAY DAY]: the three curve controls
# against the reference, with markers at those days or none.
expect_curves() {
    local file=$1 dpi=$2 k=$3 bx=$4 by=$5 days=("${@:6}") background name kind x y w h day
    local when="before Enter"
    [ "${#days[@]}" -eq 3 ] && when="marked"
    # Left of the physical label, at the dialog's bottom.
    read -r x y _ < <(device_rect "$bx" "$by" 2 143 1 1)
    background=$(rw_colour_at "$file" "$x" "$y")
    while read -r name kind x y w h; do
        day=0
        if [ "${#days[@]}" -eq 3 ]; then day=${days[kind - 1]}; else kind=0; fi
        read -r x y w h < <(device_rect "$bx" "$by" "$x" "$y" "$w" "$h")
        rw_expect_curve "$name curve at $dpi DPI, $when" "$file" "$name" "$k" "$kind" "$day" \
            "$background" "$x" "$y" "$w" "$h"
    done <<<"$curves"
}

# painted FILE BX BY: a screenshot in which all three curve controls have
# drawn their frames, looked at in their top-left corners.
painted() {
    local name x y _
    rw_screenshot "$1" || return 1
    while read -r name _ x y _; do
        read -r x y _ < <(device_rect "$2" "$3" "$x" "$y" 1 1)
        [ "$(rw_colour_at "$1" "$x" "$y")" = "$RW_FRAME_COLOUR" ] || return 1
    done <<<"$curves"
}

# marked FILE BX BY: a screenshot whose intellect curve has a column black
# from top to bottom, which only the marker draws.
marked() {
    local x y w h
    read -r x y w h < <(device_rect "$2" "$3" 93 58 140 25)
    rw_screenshot "$1" &&
        [ "$(convert "$1" -crop "${w}x${h}+$x+$y" -colorspace Gray -scale "${w}x1!" \
            -format '%[fx:minima]' info:)" = 0 ]
}

# two_markers FILE X Y W H: a screenshot in which two columns of the area are
# black from top to bottom: two markers.
two_markers() {
    rw_screenshot "$1" &&
        [ "$(convert "$1" -crop "${4}x${5}+$2+$3" -colorspace Gray -scale "${4}x1!" txt:- |
            grep -c 'gray(0)')" = 2 ]
}

# common_controls_6: Wine's log of the DLLs the program loaded names the
# common controls only from the side-by-side store, in version 6, which the
# manifest asks for. A manifest for another processor brings version 5 from
# the system folder instead, and the program still runs.
common_controls_6() {
    local loaded
    loaded=$(grep -io 'Loaded L"[^"]*\\comctl32\.dll"' "$RW_DIR/program.log") || return 1
    ! grep -Eiqv '\\winsxs\\[^"]*common-controls_[0-9a-f]{16}_6\.' <<<"$loaded"
}

# no_second_about_box: with the About box up, a click on the main dialog
# below it and the keys of its window menu's About item bring no second box:
# the main dialog takes no input, so the keys open the box's own window menu,
# whose last item in Wine is Wine's own About box, closed again here.
no_second_about_box() {
    local x y id boxes=0
    read -r x y _ < <(device_rect 6 13 150 125 1 1)
    xdotool mousemove --window "$RW_WIN" "$x" "$y" click 1
    rw_key alt+space
    rw_until menu_shown || rw_fail "no window menu after a click on the main dialog and Alt+Space"
    rw_key Up Return
    sleep 1
    for id in $(xdotool search --onlyvisible --pid "$RW_PID" --name . 2>/dev/null); do
        [ "$(xdotool getwindowname "$id")" = "关于 qob" ] && boxes=$((boxes + 1))
    done
    rw_expect "About boxes after a try at the main dialog's window menu" "$boxes" 1
    rw_key Escape
}

# A menu shows as a window of the program with no title.
menu_shown() {
    [ -n "$(xdotool search --all --onlyvisible --pid "$RW_PID" --name '^$' 2>/dev/null)" ]
}

# The input error box and the About box from the system menu, at 96 DPI.
check_boxes() {
    # Tab from OK to the year field selects its text; delete it, press Enter.
    rw_key Tab ctrl+a BackSpace Return
    if rw_until rw_window_titled qob >/dev/null; then
        rw_pass "a bad year brings the box titled qob"
    else
        rw_fail "no box titled qob after an empty year"
    fi
    rw_key Return
    rw_until rw_no_window_titled qob || rw_fail "Return leaves the box titled qob open"

    # Another year draws its marker at once beside the first, which stays on
    # the screen until the control is repainted.
    local x y w h
    read -r x y w h < <(device_rect 6 13 93 58 140 25)
    rw_type 1984
    rw_key Return
    if rw_until two_markers "$RW_DIR/two-markers.png" "$x" "$y" "$w" "$h"; then
        rw_pass "a second date's marker stands beside the first"
    else
        rw_fail "not two markers on the intellect curve after a second date"
    fi
    rw_focus

    rw_key alt+space
    if rw_until menu_shown; then
        rw_pass "Alt+Space opens the system menu"
    else
        rw_fail "no system menu after Alt+Space"
    fi
    # Its last item: About.
    rw_key Up Return
    if rw_until rw_window_titled "关于 qob" >/dev/null; then
        rw_pass "the system menu's last item opens the About box"
        no_second_about_box
        rw_key Escape
        rw_until rw_no_window_titled "关于 qob" || rw_fail "Escape leaves the About box open"
    else
        rw_fail "no About box from the system menu"
    fi
    rw_focus
}

declare -A size_at
while read -r -u 3 dpi k; do
    "${wine_run[@]}" --dpi "$dpi" >>"$RW_DIR/wine-dpi.log" 2>&1 || rw_die "cannot set $dpi DPI"
    rw_start "${wine_run[@]}" "$qob"
    rw_wait_window '^vidad$'
    size=$(rw_size)
    size_at[$dpi]=$size
    if read -r bx by < <(base_units "${size%x*}" "${size#*x}"); then
        rw_pass "client area $size at $dpi DPI is 240 x 146 units of $bx x $by"
    else
        rw_die "client area $size at $dpi DPI is 240 x 146 units of no base units"
    fi
    if [ "$dpi" = 96 ]; then
        rw_expect "base units at 96 DPI" "$bx $by" "6 13"
        if common_controls_6; then
            rw_pass "the common controls are version 6, from the side-by-side store"
        else
            rw_fail "not version 6 of the common controls: $(grep -i comctl32 "$RW_DIR/program.log")"
        fi
    elif ((${size%x*} > ${size_at[96]%x*} && ${size#*x} > ${size_at[96]#*x})); then
        rw_pass "the dialog at $dpi DPI is larger than at 96"
    else
        rw_fail "the dialog at $dpi DPI is $size, at 96 DPI ${size_at[96]}"
    fi

    before=$RW_DIR/dpi$dpi-before.png
    rw_until painted "$before" "$bx" "$by" || rw_fail "curve frames not drawn at $dpi DPI"
    expect_curves "$before" "$dpi" "$k" "$bx" "$by"
    rw_focus
    rw_key Return
    after=$RW_DIR/dpi$dpi-after.png
    rw_until marked "$after" "$bx" "$by" || rw_fail "no marker after Enter at $dpi DPI"
    # 2026-12-07 is day 2, 2 and 19 of the cycles for 1983-12-30.
    expect_curves "$after" "$dpi" "$k" "$bx" "$by" 2 2 19

    [ "$dpi" = 96 ] && check_boxes
    rw_key Escape
    if rw_wait_exit; then
        rw_expect "exit status after Escape at $dpi DPI" "$RW_STATUS" 0
    else
        rw_fail "qob.exe still runs ${RW_TIMEOUT}s after Escape at $dpi DPI"
    fi
done 3<<'EOF'
96 1
120 1
192 2
EOF
rw_finish
