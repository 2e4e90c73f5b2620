#!/usr/bin/env bash
# Builds the Debian package from a configured, built tree and checks it as a
# user meets it: its relations and files, lintian, that apt would install it
# on this system, and that the program it unpacks starts and shows its window.
# usage: package_test.sh CPACK BUILD_DIR
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source-path=SCRIPTDIR source=../realwindow/harness.sh
source "$here/../realwindow/harness.sh"

cpack=$1
build=$2

# Everything a user gets, besides the directories holding it.
expected_files="./usr/bin/qob
./usr/share/applications/io.github.vidad.qob.desktop
./usr/share/doc/qob/changelog.Debian.gz
./usr/share/doc/qob/copyright
./usr/share/icons/hicolor/16x16/apps/io.github.vidad.qob.png
./usr/share/icons/hicolor/32x32/apps/io.github.vidad.qob.png
./usr/share/icons/hicolor/48x48/apps/io.github.vidad.qob.png
./usr/share/icons/hicolor/scalable/apps/io.github.vidad.qob.svg
./usr/share/lintian/overrides/qob
./usr/share/man/man1/qob.1.gz
./usr/share/metainfo/io.github.vidad.qob.metainfo.xml"

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$RW_DIR/out" >"$RW_DIR/cpack.log" 2>&1 ||
    rw_die "cpack failed: $(cat "$RW_DIR/cpack.log")"
debs=("$RW_DIR"/out/qob_*.deb)
if [ "${#debs[@]}" -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    rw_die "expected one qob_*.deb, found: ${debs[*]}"
fi
deb=${debs[0]}
echo "built $(basename "$deb"), $(stat -c %s "$deb") bytes"

depends=$(dpkg-deb -f "$deb" Depends)
for name in libqt6widgets6 fonts-wqy-microhei qt6-translations-l10n; do
    if [[ ", $depends," =~ ,\ ${name}[\ ,] ]]; then
        rw_pass "Depends names $name"
    else
        rw_fail "Depends lacks $name: $depends"
    fi
done
recommends=$(dpkg-deb -f "$deb" Recommends)
if [ "$recommends" = "fcitx5-frontend-qt6 | ibus" ]; then
    rw_pass "Recommends an input method"
else
    rw_fail "Recommends: $recommends"
fi

# Owner root, 0755 for directories and the program, 0644 for the rest.
dpkg-deb -c "$deb" >"$RW_DIR/contents"
files=$(awk '$1 !~ /^d/ { print $6 }' "$RW_DIR/contents" | sort)
if [ "$files" = "$expected_files" ]; then
    rw_pass "ships exactly the expected files"
else
    rw_fail "shipped files differ from the expected ones:
$(diff <(echo "$expected_files") <(echo "$files"))"
fi
bad_modes=$(awk '$2 != "root/root" ||
                 ($1 ~ /^d/ && $1 != "drwxr-xr-x") ||
                 ($1 !~ /^d/ && $1 != ($6 == "./usr/bin/qob" ? "-rwxr-xr-x" : "-rw-r--r--"))' \
    "$RW_DIR/contents")
if [ -z "$bad_modes" ]; then
    rw_pass "owners and modes are root/root, 0755 and 0644"
else
    rw_fail "wrong owner or mode:
$bad_modes"
fi

# Lintian judges PIE, RELRO and stripping itself; overridden tags are listed
# with their reasons in the package.
lintian --display-info --pedantic --tag-display-limit 0 "$deb" >"$RW_DIR/lintian.log" 2>&1
cat "$RW_DIR/lintian.log"
if grep -q '^[EW]: ' "$RW_DIR/lintian.log"; then
    rw_fail "lintian reports errors or warnings"
else
    rw_pass "lintian reports no errors or warnings"
fi

if apt-get install --simulate "$deb" >"$RW_DIR/apt.log" 2>&1 && grep -q '^Inst qob ' "$RW_DIR/apt.log"; then
    rw_pass "apt would install the package here"
else
    rw_fail "apt cannot install the package: $(cat "$RW_DIR/apt.log")"
fi

root=$RW_DIR/root
dpkg -x "$deb" "$root" || rw_die "dpkg -x failed"
program=$root/usr/bin/qob

# Lintian counts these two only as hints, so they are checked here.
dynamic=$(readelf -dW "$program")
if [[ "$dynamic" == *BIND_NOW* ]]; then
    rw_pass "program binds all symbols at start, for full RELRO"
else
    rw_fail "program lacks BIND_NOW"
fi
if [[ "$(readelf --dyn-syms -W "$program")" == *" __stack_chk_fail@"* ]]; then
    rw_pass "program is built with the stack protector"
else
    rw_fail "program does not call __stack_chk_fail"
fi

# Checks across files: the metainfo's launchable names the installed entry.
if appstreamcli validate-tree --no-net --strict "$root" >"$RW_DIR/appstream.log" 2>&1; then
    rw_pass "installed AppStream metadata is consistent"
else
    rw_fail "appstreamcli validate-tree: $(cat "$RW_DIR/appstream.log")"
fi

rw_start_xvfb
rw_start "$program"
rw_wait_window "^vidad$"
rw_pass "unpacked program shows its window vidad"

rw_finish
