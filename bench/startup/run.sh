#!/usr/bin/env bash
# Start-up benchmark: time from exec to qob's first frame on screen, and its
# peak memory, next to a bare Qt dialog with the same widgets. Starts
# alternate between the two so that any drift of the machine hits both alike.
# It prints figures and fails only when a program shows no frame at all.
#
# usage: bench/startup/run.sh [--rounds N] [--qob PATH] [--baseline PATH] [--watch PATH]
# Passing the baseline as --qob as well tries the benchmark on its own.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$root/build/default
rounds=21
qob=$build/ui/qob
baseline=$build/bench/startup/bare_dialog
watch=$build/bench/startup/first_frame_watch

usage() {
    sed -n 's/^# usage:/usage:/p' "${BASH_SOURCE[0]}" >&2
    exit 2
}

while [ $# -gt 0 ]; do
    [ $# -ge 2 ] || usage
    case $1 in
    --rounds) rounds=$2 ;;
    --qob) qob=$2 ;;
    --baseline) baseline=$2 ;;
    --watch) watch=$2 ;;
    *) usage ;;
    esac
    shift 2
done
[[ "$rounds" =~ ^[1-9][0-9]*$ ]] || usage
for program in "$qob" "$baseline" "$watch"; do
    [ -x "$program" ] || {
        echo "no program at $program (build it first)" >&2
        exit 1
    }
done

# shellcheck source-path=SCRIPTDIR/../.. source=tests/realwindow/harness.sh
source "$root/tests/realwindow/harness.sh"
rw_start_xvfb

# measure NAME PROGRAM: one start; appends "MS KIB" to $RW_DIR/NAME.
# Both programs get the same fixed date through libfaketime, so that the
# preload's own cost does not count against qob alone.
measure() {
    local line
    line=$("$watch" -- env "${RW_ENV[@]}" "$2" 2>>"$RW_DIR/$1.log") ||
        rw_die "$2 showed no first frame: $(cat "$RW_DIR/$1.log")"
    local ms=${line#first_frame_ms=}
    echo "${ms%% *} ${line##*vmhwm_kib=}" >>"$RW_DIR/$1"
}

median() {
    sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# column FILE N: the Nth figure of every round.
column() {
    awk -v n="$2" '{ print $n }' "$1"
}

# ratios N: per-round qob/baseline of the Nth figure.
ratios() {
    paste -d ' ' "$RW_DIR/qob" "$RW_DIR/baseline" |
        awk -v n="$1" '{ printf "%.4f\n", $n / $(n + 2) }'
}

# The first start of each reads the libraries and fonts from disk; it is run
# but not counted.
measure warmup "$qob"
measure warmup "$baseline"
# Which of the two starts first swaps every round: with the same program in
# both places, the first of each pair measured a little faster.
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
qob_kib=$(column "$RW_DIR/qob" 2 | median)
base_ms=$(column "$RW_DIR/baseline" 1 | median)
base_kib=$(column "$RW_DIR/baseline" 2 | median)
ratio_ms=$(ratios 1 | median)
ratio_kib=$(ratios 2 | median)

echo "start-up to first frame, $rounds alternating rounds (medians):"
printf '  %-10s %8.1f ms  %8d KiB VmHWM  %s\n' qob "$qob_ms" "$qob_kib" "$qob"
printf '  %-10s %8.1f ms  %8d KiB VmHWM  %s\n' baseline "$base_ms" "$base_kib" "$baseline"
printf '  %-10s %8.2f     %8.2f          (median of per-round ratios)\n' \
    qob/baseline "$ratio_ms" "$ratio_kib"
printf 'qob_ms=%s baseline_ms=%s ratio_ms=%.2f qob_kib=%s baseline_kib=%s ratio_kib=%.2f\n' \
    "$qob_ms" "$base_ms" "$ratio_ms" "$qob_kib" "$base_kib" "$ratio_kib"
