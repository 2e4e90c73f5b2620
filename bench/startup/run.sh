#!/usr/bin/env bash
# Start-up benchmark: time from exec to qob's first frame on screen, and its
# peak memory, next to a bare Qt dialog with the same widgets, on a plain X
# session and on one that says it is GNOME, where the bare dialog loads the
# GTK theme and qob does not. Starts alternate between the two programs so
# that any drift of the machine hits both alike. It prints medians and the
# qob/baseline ratios for each session, and fails only when a program shows
# no frame at all.
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

# shellcheck source-path=SCRIPTDIR source=common.sh
source "$root/bench/startup/common.sh"
startup_options "$@"
startup_require "$qob" "$baseline" "$watch"

# shellcheck source-path=SCRIPTDIR/../.. source=tests/realwindow/harness.sh
source "$root/tests/realwindow/harness.sh"
rw_start_xvfb

# The environments measured: a plain X session, and one that says it is GNOME,
# where a plain Qt program loads the GTK platform theme and qob does not.
environments=(plain gnome)
declare -A extra_env=([plain]="" [gnome]="XDG_CURRENT_DESKTOP=GNOME")

# measure ENVIRONMENT NAME PROGRAM: one start; appends "MS KIB" to
# $RW_DIR/ENVIRONMENT-NAME. Both programs get the same fixed date through
# libfaketime, so that the preload's own cost does not count against qob alone.
measure() {
    local line log=$RW_DIR/$1-$2.log extra
    read -r -a extra <<<"${extra_env[$1]}"
    line=$("$watch" -- env "${RW_ENV[@]}" "${extra[@]}" "$3" 2>>"$log") ||
        rw_die "$3 showed no first frame: $(cat "$log")"
    local ms=${line#first_frame_ms=}
    echo "${ms%% *} ${line##*vmhwm_kib=}" >>"$RW_DIR/$1-$2"
}

# ratios ENVIRONMENT N: per-round qob/baseline of the Nth figure.
ratios() {
    paste -d ' ' "$RW_DIR/$1-qob" "$RW_DIR/$1-baseline" |
        awk -v n="$2" '{ printf "%.4f\n", $n / $(n + 2) }'
}

# The first start of each reads the libraries, fonts and themes from disk;
# it is run but not counted.
for environment in "${environments[@]}"; do
    measure "$environment" warmup "$qob"
    measure "$environment" warmup "$baseline"
done
# Which of the two starts first swaps every round: with the same program in
# both places, the first of each pair measured a little faster.
for ((round = 1; round <= rounds; round++)); do
    for environment in "${environments[@]}"; do
        if ((round % 2)); then
            measure "$environment" qob "$qob"
            measure "$environment" baseline "$baseline"
        else
            measure "$environment" baseline "$baseline"
            measure "$environment" qob "$qob"
        fi
    done
done

echo "start-up to first frame, $rounds alternating rounds (medians):"
for environment in "${environments[@]}"; do
    qob_ms=$(column "$RW_DIR/$environment-qob" 1 | median)
    qob_kib=$(column "$RW_DIR/$environment-qob" 2 | median)
    base_ms=$(column "$RW_DIR/$environment-baseline" 1 | median)
    base_kib=$(column "$RW_DIR/$environment-baseline" 2 | median)
    ratio_ms=$(ratios "$environment" 1 | median)
    ratio_kib=$(ratios "$environment" 2 | median)
    echo "  $environment: X session${extra_env[$environment]:+ with ${extra_env[$environment]}}"
    printf '    %-12s %8.1f ms  %10.1f KiB VmHWM  %s\n' qob "$qob_ms" "$qob_kib" "$qob"
    printf '    %-12s %8.1f ms  %10.1f KiB VmHWM  %s\n' baseline "$base_ms" "$base_kib" "$baseline"
    printf '    %-12s %8.2f     %10.2f              (median of per-round ratios)\n' \
        qob/baseline "$ratio_ms" "$ratio_kib"
    printf '%s: qob_ms=%s baseline_ms=%s ratio_ms=%.2f qob_kib=%s baseline_kib=%s ratio_kib=%.2f\n' \
        "$environment" "$qob_ms" "$base_ms" "$ratio_ms" "$qob_kib" "$base_kib" "$ratio_kib"
done
