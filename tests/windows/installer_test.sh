#!/usr/bin/env bash
# installer_test.sh WINE_RUN STATE LOCALE INSTALLER PROGRAM VERSION
# Installs vidad silently into a Wine prefix made afresh in STATE (zh_CN
# locales from LOCALE), checks the installed files (qob.exe the same as
# PROGRAM, the packaged one, and it starts), the Start-menu shortcut and the
# Add/Remove Programs entry, then uninstalls silently and checks that all are
# gone.
set -euo pipefail
export LC_ALL=C
wine_run=$1 state=$2 locale=$3 installer=$4 program=$5 version=$6

# Runs a program in the prefix and waits until it, every process it started
# and the prefix's server have ended: the uninstaller hands its work to a
# copy of itself and returns at once, and the server writes the registry out
# as it exits.
run_and_wait() {
  local status=0
  "$wine_run" "$state" "$@" || status=$?
  WINEPREFIX="$state/prefix" wineserver --wait
  return "$status"
}

# A prefix left by an earlier run is removed only once its server is gone.
if [ -d "$state/prefix" ]; then WINEPREFIX="$state/prefix" wineserver --wait; fi
rm -rf "$state"
mkdir -p "$state"
ln -s "$locale" "$state/locale"
"$wine_run" "$state" --init >/dev/null 2>&1

drive_c=$state/prefix/drive_c
folder="$drive_c/Program Files/vidad"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/vidad.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\vidad'

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
# The uninstall entry's values as "NAME TYPE VALUE" lines.
uninstall_entry() { run_and_wait reg query "$key" | tr -d '\r' | awk '{ $1 = $1 } 1'; }

run_and_wait "$installer" /S
cmp "$program" "$folder/qob.exe" || fail "installed qob.exe is not the packaged one"
for file in README.txt LICENSE.txt uninstall.exe; do
  [ -f "$folder/$file" ] || fail "$file not installed"
done
# This prefix keeps Wine's own display driver, which finds no display here,
# so qob.exe cannot open its dialog and ends at once with status 0; a DLL it
# cannot load or a crash at start-up ends it with another status.
run_and_wait 'C:\Program Files\vidad\qob.exe' ||
  fail "installed qob.exe does not start: status $?"
grep -qaF 'C:\Program Files\vidad\qob.exe' "$shortcut" ||
  fail "no Start-menu shortcut vidad to qob.exe"
entry=$(uninstall_entry) || fail "no uninstall entry"
expected_entry=(
  "DisplayName REG_SZ vidad"
  "DisplayVersion REG_SZ $version"
  "Publisher REG_SZ vidad developers"
  'DisplayIcon REG_SZ C:\Program Files\vidad\qob.exe,0'
  'UninstallString REG_SZ "C:\Program Files\vidad\uninstall.exe"'
)
for value in "${expected_entry[@]}"; do
  grep -qxF "$value" <<<"$entry" || fail "uninstall entry lacks $value"
done

run_and_wait 'C:\Program Files\vidad\uninstall.exe' /S
[ ! -e "$folder" ] || fail "left behind in Program Files\\vidad: $(ls "$folder")"
[ ! -e "$shortcut" ] || fail "Start-menu shortcut left behind"
if uninstall_entry >/dev/null 2>&1; then fail "uninstall entry left behind"; fi

[ "$failures" -eq 0 ] || exit 1
echo "installed, found complete, uninstalled without a trace"
