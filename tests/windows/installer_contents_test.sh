#!/usr/bin/env bash
# installer_contents_test.sh INSTALLER ZIP
# Reads the installer with 7-Zip, which needs no Windows to run it: it holds
# exactly the zip's three files, byte for byte the same (the zip keeps them in
# a folder named after itself), NSIS's System plug-in and the uninstaller.
set -euo pipefail
export LC_ALL=C
installer=$1 zip=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The names 7-Zip lists, one per line, after the archive's own.
listed=$(7z l -slt "$installer" | sed -n 's/^Path = //p' | tail -n +2 | sort)
# shellcheck disable=SC2016 # NSIS's folder, named as 7-Zip names it
expected=$(printf '%s\n' qob.exe README.txt LICENSE.txt '$PLUGINSDIR/System.dll' uninstall.exe | sort)
if [ "$listed" != "$expected" ]; then
  echo "FAIL: the installer holds $(echo "$listed" | xargs), not $(echo "$expected" | xargs)" >&2
  exit 1
fi

7z x -y -o"$work/installer" "$installer" qob.exe README.txt LICENSE.txt >/dev/null
7z x -y -o"$work/zip" "$zip" >/dev/null
folder=$work/zip/$(basename "$zip" .zip)
failures=0
for file in qob.exe README.txt LICENSE.txt; do
  if ! cmp "$folder/$file" "$work/installer/$file"; then
    echo "FAIL: $file differs between the installer and the zip" >&2
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ] || exit 1
echo "the installer holds the zip's three files, the System plug-in and the uninstaller"
