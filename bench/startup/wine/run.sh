#!/usr/bin/env bash
# Start-up benchmark under Wine: time from exec to the first frame that shows
# the curve frames' colour, qob.exe next to the bare Win32 dialog built from
# the same dialog template, on a private Xvfb in a Wine prefix of its own.
# Wine's server is kept running throughout, so that each start counts the
# program's own start rather than Wine's. Starts alternate between the two
# programs so that any drift of the machine hits both alike. It prints
# medians and the qob.exe/baseline ratio, and fails only when a program shows
# no frame at all.
#
# usage: bench/startup/wine/run.sh [--rounds N] [--qob PATH] [--baseline PATH] [--watch PATH]
# Needs the Windows build whose tests ran under Wine (the 32-bit one, or the
# 64-bit one where this machine runs no 32-bit programs) and, for the
# watcher, the Linux default build.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
windows=$root/build/windows
arch=win32
if [ ! -d "$windows/wine/locale" ] && [ -d "$root/build/windows-x64/wine/locale" ]; then
    windows=$root/build/windows-x64
    arch=win64
fi
rounds=21
qob=$windows/ui/qob.exe
baseline=$windows/bench/startup/wine/bare_dialog_win32.exe
watch=$root/build/default/bench/startup/first_frame_watch

# shellcheck source-path=SCRIPTDIR/.. source=common.sh
source "$root/bench/startup/common.sh"
startup_options "$@"
startup_require "$qob" "$baseline" "$watch" "$windows/wine/locale"

# shellcheck source-path=SCRIPTDIR/../../.. source=tests/realwindow/harness.sh
source "$root/tests/realwindow/harness.sh"
state=$RW_DIR/wine
mkdir "$state"
ln -s "$windows/wine/locale" "$state/locale"
wine_run=("$root/scripts/wine-run" "$state")
export WINEPREFIX=$state/prefix
trap 'wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; rm -rf "$state"; rw_cleanup' EXIT
"${wine_run[@]}" --init "$arch" >"$RW_DIR/wine-init.log" 2>&1 ||
    rw_die "cannot create a Wine prefix: $(cat "$RW_DIR/wine-init.log")"
rw_start_xvfb
wineserver -p

# measure NAME PROGRAM: one start; appends "MS KIB" to $RW_DIR/NAME.
measure() {
    local line log=$RW_DIR/$1.log
    line=$(QOB_WINE_DISPLAY=$DISPLAY "$watch" -- "${wine_run[@]}" "$2" 2>>"$log") ||
        rw_die "$2 showed no first frame: $(cat "$log")"
    local ms=${line#first_frame_ms=}
    echo "${ms%% *} ${line##*vmhwm_kib=}" >>"$RW_DIR/$1"
}

# The first starts bring up Wine's desktop process and read the libraries
# and fonts from disk; they are run but not counted.
for _ in 1 2; do
    measure warmup "$qob"
    measure warmup "$baseline"
done
# Which of the two starts first swaps every round.
for ((round = 1; round <= rounds; round++)); do
    if ((round % 2)); then
        measure qob "$qob"
        measure baseline "$baseline"
    else
        measure baseline "$baseline"
        measure qob "$qob"
    fi
done

qob_ms=$(column "$RW_DIR/qob" 1 | median)
base_ms=$(column "$RW_DIR/baseline" 1 | median)
ratio_ms=$(paste -d ' ' "$RW_DIR/qob" "$RW_DIR/baseline" | awk '{ printf "%.4f\n", $1 / $3 }' | median)
echo "start-up to first frame under Wine, $rounds alternating rounds (medians):"
printf '  %-12s %8.1f ms  %10.1f KiB VmHWM  %s\n' qob.exe "$qob_ms" "$(column "$RW_DIR/qob" 2 | median)" "$qob"
printf '  %-12s %8.1f ms  %10.1f KiB VmHWM  %s\n' baseline "$base_ms" "$(column "$RW_DIR/baseline" 2 | median)" "$baseline"
printf '  %-12s %8.2f     (median of per-round ratios)\n' qob/baseline "$ratio_ms"
printf 'wine: qob_ms=%s baseline_ms=%s ratio_ms=%.2f\n' "$qob_ms" "$base_ms" "$ratio_ms"
