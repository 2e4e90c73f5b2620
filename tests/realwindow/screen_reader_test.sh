#!/usr/bin/env bash
# qob as a screen reader meets it, today fixed at 2026-12-07: on a private
# session bus with the AT-SPI registry and accessibility turned on, its tree
# is read back through AT-SPI before and after Enter. The labels read their
# texts, the fields and curves their names, and the curves describe today's
# place in each cycle only once it has been computed.
# usage: screen_reader_test.sh QOB
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source-path=SCRIPTDIR source=harness.sh
source "$here/harness.sh"
# shellcheck source-path=SCRIPTDIR source=accessibility_bus.sh
source "$here/accessibility_bus.sh"

program=${1:-$here/../../build/default/ui/qob}
tree=$RW_DIR/tree.txt

# The column of the object named $1 in the last read ($2: 1 role, 3 description).
field_of() {
    awk -F'\t' -v name="$1" -v column="$2" \
        '$2 == name { print $column; found = 1; exit } END { if (!found) print "<no such object>" }' "$tree"
}

curves_listed() {
    grep -q $'\t体力周期曲线\t' "$tree"
}

curves_described() {
    grep -q $'\t体力周期曲线\t.' "$tree"
}

# read_tree_and CHECK: reads the tree once and tells whether CHECK holds. The
# program builds its tree after it shows up, and changes arrive after the
# key, so callers read again until it does.
read_tree_and() {
    timeout "$RW_TIMEOUT" /usr/bin/python3 "$here/read_accessible_tree.py" "$RW_PID" \
        >"$tree" 2>"$RW_DIR/reader.log" && "$1"
}

rw_start_xvfb
ab_start
rw_start "$program"
rw_wait_window "^vidad$"

rw_until read_tree_and curves_listed ||
    rw_die "no curves in qob's accessible tree; reader said: $(cat "$RW_DIR/reader.log")"
for name in 智力周期曲线 情绪周期曲线 体力周期曲线; do
    rw_expect "$name says nothing before the first press" "$(field_of "$name" 3)" ""
done
for text in "智力周期（33天）" "情绪周期（28天）" "体力周期（23天）"; do
    rw_expect "label reads $text before the first press" "$(field_of "$text" 1)" "label"
done
for name in 出生年份 出生月份 出生日期; do
    rw_expect "field named $name" "$(field_of "$name" 1)" "text"
done

rw_focus
rw_key Return
rw_until read_tree_and curves_described || rw_fail "the curves never got a description after Enter"
rw_expect "intellect curve after Enter" "$(field_of 智力周期曲线 3)" "第3天，共32天"
rw_expect "emotion curve after Enter" "$(field_of 情绪周期曲线 3)" "第3天，共28天"
rw_expect "physical curve after Enter" "$(field_of 体力周期曲线 3)" "第20天，共23天"
for text in "智力周期（32天）第490个周期" "情绪周期（28天）第560个周期" "体力周期（23天）第681个周期"; do
    rw_expect "label reads $text after Enter" "$(field_of "$text" 1)" "label"
done
rw_finish
