#!/usr/bin/env bash
# How qob ends when it cannot start: one line on standard error, in Chinese
# and then in English, naming what failed, and the status 1, not a signal.
# A missing dialog font only brings such a line: the program starts and
# keeps running (until the timeout ends it, status 124).
# usage: start_up_failure_test.sh QOB
set -uo pipefail

program=$1
dir=$(mktemp -d "${TMPDIR:-/tmp}/start-up.XXXXXX")
trap 'rm -rf "$dir"' EXIT
mkdir -m 700 "$dir/runtime"
printf '<fontconfig><cachedir>%s/fonts</cachedir></fontconfig>\n' "$dir" >"$dir/no-fonts.conf"

passed=0
failed=0
# what | status | what the line names | environment
while IFS='|' read -r what status names environment; do
    # Nothing of the caller's display or platform reaches the program.
    # shellcheck disable=SC2086 # the environment is a list of words
    env -i PATH="$PATH" XDG_RUNTIME_DIR="$dir/runtime" $environment \
        timeout 3 "$program" >/dev/null 2>"$dir/said"
    status_got=$?
    said=$(cat "$dir/said")
    if [ "$status_got" = "$status" ] && [ "$(grep -c '' "$dir/said")" = 1 ] &&
        [[ $said == qob：*。qob:\ *"$names"* ]]; then
        echo "ok: $what"
        passed=$((passed + 1))
    else
        echo "FAIL: $what: status $status_got, said: $said" >&2
        failed=$((failed + 1))
    fi
done <<CASES
no display|1|DISPLAY is not set|QT_QPA_PLATFORM=xcb
a display nobody runs|1|the display ":65000" (DISPLAY)|QT_QPA_PLATFORM=xcb DISPLAY=:65000
a window system that does not exist|1|plugin "nonsense"|QT_QPA_PLATFORM=nonsense
Wayland pointing nowhere|1|Wayland display "nowhere"|QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=nowhere
no fonts at all|124|font "WenQuanYi Micro Hei"|QT_QPA_PLATFORM=offscreen FONTCONFIG_FILE=$dir/no-fonts.conf
CASES
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
