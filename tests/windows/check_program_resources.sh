#!/usr/bin/env bash
# check_program_resources.sh OBJDUMP PROGRAM VERSION FORMAT
# Checks what Windows reads from qob.exe before it runs it: a GUI program for
# the processor of FORMAT (pei-i386 or pei-x86-64), hardened; the version
# information Explorer shows, in Chinese (PRC) with code page 936; the
# manifest asking for Common Controls 6 of the same processor, declaring DPI
# awareness and the Windows versions it supports; the icon group 128 with its
# nine images. Lists every mismatch.
set -euo pipefail
export LC_ALL=C
objdump=$1 program=$2 version=$3 format=$4

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
resource() { wrestool -x --raw --type="$1" --name="$2" "$program"; }

case $format in
pei-i386)
  architecture=x86
  # ASLR, DEP and Terminal Services awareness.
  characteristics=00008140
  ;;
pei-x86-64)
  architecture=amd64
  # The same and high-entropy ASLR.
  characteristics=00008160
  ;;
*)
  echo "$0: no such format $format" >&2
  exit 2
  ;;
esac

headers=$("$objdump" -p "$program")
grep -q "file format $format\$" <<<"$headers" || fail "not a PE file of format $format"
grep -Eq '^Subsystem[[:space:]]+0+2[[:space:]]+\(Windows GUI\)' <<<"$headers" ||
  fail "not a GUI program"
flags=$(awk '$1 == "DllCharacteristics" { print $2 }' <<<"$headers")
[ "$flags" = "$characteristics" ] ||
  fail "DllCharacteristics are $flags, not $characteristics"
# ASLR needs the relocations to move the program.
grep -q ' \.reloc ' <<<"$("$objdump" -h "$program")" || fail "no relocations for ASLR"
grep -q '__stack_chk_fail' <<<"$("$objdump" -t "$program")" || fail "built without the stack protector"

# The numbers Explorer shows as the file and product version: four 16-bit
# words each after the fixed block's signature, the high word of each pair
# first in the version but second in the file.
IFS=. read -r major minor build revision <<<"$version"
fixed="$minor $major $revision $build"
[ "$(resource 16 1 | od -An -tx4 -j40 -N4 | tr -d ' ')" = feef04bd ] ||
  fail "version resource has no fixed block where expected"
numbers=$(resource 16 1 | od -An -tu2 -j48 -N16 | xargs)
[ "$numbers" = "$fixed $fixed" ] ||
  fail "fixed file and product version words are '$numbers', not '$fixed $fixed'"

# The strings, UTF-16 in the resource: one per line, each value on the line
# after its name. The binary lengths and type before each name end in a
# control character and are cut off.
lines=$(resource 16 1 | iconv -f UTF-16LE -t UTF-8 | tr -s '\0' '\n' |
  sed 's/^.*[[:cntrl:]]//')
grep -qx 080403a8 <<<"$lines" || fail "version strings not in block 080403a8 (PRC, code page 936)"
texts=$(awk 'NR > 1 { print previous "=" $0 } { previous = $0 }' <<<"$lines")
expected_texts=(
  "CompanyName=vidad developers"
  "FileDescription=vidad 生物节律计算器"
  "FileVersion=$version"
  "InternalName=qob.exe"
  "LegalCopyright=版权所有 (C) 2026 vidad developers"
  "OriginalFilename=qob.exe"
  "ProductName=vidad"
  "ProductVersion=$version"
)
for text in "${expected_texts[@]}"; do
  grep -qxF "$text" <<<"$texts" || fail "version information lacks $text"
done
if grep -qi todo <<<"$texts"; then fail "version information holds a TODO"; fi

# Windows applies the manifest only as resource 1 of type 24, and the DPI
# setting only in its own namespace.
manifest=$(resource 24 1 | tr '\r\n' '  ')
controls=$(grep -o '<dependentAssembly>[[:space:]]*<assemblyIdentity[^>]*>' <<<"$manifest" |
  grep -F 'name="Microsoft.Windows.Common-Controls"') || fail "manifest lacks Common Controls"
for attribute in 'type="win32"' 'version="6.0.0.0"' "processorArchitecture=\"$architecture\"" \
  'publicKeyToken="6595b64144ccf1df"'; do
  grep -qiF "$attribute" <<<"$controls" || fail "Common Controls dependency lacks $attribute"
done
identity=$(grep -o '<assembly [^>]*>[[:space:]]*<assemblyIdentity[^>]*>' <<<"$manifest")
grep -qiF "processorArchitecture=\"$architecture\"" <<<"$identity" ||
  fail "the program's own identity is not for $architecture"
# Without their Ids, Windows 8.1 and later tell the program an older version.
supported=$(grep -o '<supportedOS Id="[^"]*"' <<<"$manifest" | cut -d'"' -f2 | xargs)
windows_7_to_11='{35138b9a-5d96-4fbd-8e2d-a2440225f93a} {4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38} {1f676c76-80e1-4239-95bb-83d0f6d0da78} {8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}'
[ "$supported" = "$windows_7_to_11" ] ||
  fail "manifest supports '$supported', not Windows 7, 8, 8.1 and 10/11"
dpi_aware='<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">[[:space:]]*true'
dpi_awareness='<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">[[:space:]]*(system|permonitor)'
grep -Eqi "$dpi_aware|$dpi_awareness" <<<"$manifest" || fail "manifest declares no DPI awareness"

icon=$(mktemp)
trap 'rm -f "$icon"' EXIT
wrestool -x --type=14 --name=128 "$program" >"$icon"
images=$(icotool -l "$icon" |
  sed -E 's/.*--width=([0-9]+) --height=([0-9]+) --bit-depth=([0-9]+).*/\1x\2x\3/' | sort)
expected_images=$(for size in 16 32 48; do for depth in 4 8 24; do
  echo "${size}x${size}x$depth"
done; done | sort)
[ "$images" = "$expected_images" ] ||
  fail "icon group 128 holds $(echo "$images" | xargs), not $(echo "$expected_images" | xargs)"

[ "$failures" -eq 0 ] || exit 1
echo "$program: GUI program, version information, manifest and icons as expected"
