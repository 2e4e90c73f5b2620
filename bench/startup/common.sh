# shellcheck shell=bash
# What the start-up benchmarks share: their options and their statistics.
# Sourced after the script has set its defaults for rounds, qob, baseline and
# watch, and with its usage line in a "# usage:" comment.

# startup_options ARGS...: --rounds, --qob, --baseline and --watch over the
# defaults; anything else prints the calling script's usage line. The
# variables are the calling script's.
# shellcheck disable=SC2034
startup_options() {
    while [ $# -gt 0 ]; do
        [ $# -ge 2 ] || startup_usage
        case $1 in
        --rounds) rounds=$2 ;;
        --qob) qob=$2 ;;
        --baseline) baseline=$2 ;;
        --watch) watch=$2 ;;
        *) startup_usage ;;
        esac
        shift 2
    done
    [[ "$rounds" =~ ^[1-9][0-9]*$ ]] || startup_usage
}

startup_usage() {
    sed -n 's/^# usage:/usage:/p' "$0" >&2
    exit 2
}

# startup_require FILE...: fails unless every file is there.
startup_require() {
    local file
    for file in "$@"; do
        [ -e "$file" ] || {
            echo "no $file (build it first)" >&2
            exit 1
        }
    done
}

# The median of the numbers on standard input, one a line.
median() {
    sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# column FILE N: the Nth figure of every round.
column() {
    awk -v n="$2" '{ print $n }' "$1"
}
