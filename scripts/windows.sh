# shellcheck shell=bash
# The Windows build: qob.exe and its tests cross-built with MinGW-w64, the
# tests run under Wine by CTest. What is shipped is the 32-bit program. Some
# machines run no 32-bit programs at all (their kernel lacks 32-bit support):
# there the 32-bit build is checked by reading its files, and the tests run on
# a 64-bit build of the same sources under wine64. QOB_WINE_ARCH=win32 or
# win64 chooses instead of the probe. Sourced after lib.sh, not run.

# What building the shipped program and its zip and installer needs.
QOB_WINDOWS_BUILD_PACKAGES=(
  # The posix thread model, for std::thread and std::mutex.
  g++-mingw-w64-i686-posix
  nsis python3 cmake ninja-build
)
QOB_WINDOWS_PACKAGES=(
  "${QOB_WINDOWS_BUILD_PACKAGES[@]}"
  wine
  # GoogleTest is built for the target from its sources.
  googletest
  # localedef and the zh_CN definitions the tests run under; iconv to read
  # the program's UTF-16 version strings.
  libc-bin locales
  # wrestool and icotool to read resources back from the program, 7-Zip to
  # read the installer.
  icoutils p7zip-full
  # The window test under Wine: the font Wine gives the zh_CN dialog font
  # (its 6x13 base units size the dialog), and the host compiler that builds
  # the probe and the 32-bit library fixing the date. Xvfb, xdotool,
  # ImageMagick and libfaketime come with the real-window tests' packages.
  fonts-wqy-microhei g++
)
# Only for i386, whose packages cannot even be installed where 32-bit
# programs do not run.
QOB_WINDOWS_WIN32_PACKAGES=(wine32:i386)
QOB_WINDOWS_WIN64_PACKAGES=(g++-mingw-w64-x86-64-posix wine64)

# qob_runs_32_bit: whether this machine runs 32-bit x86 programs, asked of a
# program of three instructions that exits at once. It needs no 32-bit
# libraries to build; the kernel refuses to run it where it has no 32-bit
# support.
qob_runs_32_bit() {
  local dir status=0
  # In the build folder, where programs may run, unlike in some /tmp.
  mkdir -p "$QOB_ROOT/build"
  dir=$(mktemp -d "$QOB_ROOT/build/probe.XXXXXX")
  # exit(0) by the 32-bit system call.
  cat >"$dir/probe.c" <<'EOF'
void _start(void) {
    __asm__ volatile("movl $1, %eax; xorl %ebx, %ebx; int $0x80");
}
EOF
  if gcc -m32 -nostdlib -static -o "$dir/probe" "$dir/probe.c" 2>"$dir/log"; then
    "$dir/probe" 2>/dev/null || status=$?
  else
    echo "cannot build the 32-bit probe: $(cat "$dir/log")" >&2
    status=1
  fi
  rm -rf "$dir"
  return "$status"
}

# qob_windows_choose: sets QOB_WINDOWS_KIND to win32 (the shipped 32-bit
# build runs its tests under Wine) or win64 (a 64-bit build runs them under
# wine64) and says which, in one line. Fails at once when QOB_WINE_ARCH asks
# for what this machine cannot do.
qob_windows_choose() {
  local runs=yes
  qob_runs_32_bit || runs=no
  case ${QOB_WINE_ARCH:-} in
  "")
    QOB_WINDOWS_KIND=win32
    [ "$runs" = yes ] || QOB_WINDOWS_KIND=win64
    ;;
  win32)
    if [ "$runs" = no ]; then
      echo "QOB_WINE_ARCH=win32, but this machine runs no 32-bit programs (its kernel lacks" \
        "32-bit support), so Wine cannot run the 32-bit tests here; set QOB_WINE_ARCH=win64" >&2
      return 1
    fi
    QOB_WINDOWS_KIND=win32
    ;;
  win64) QOB_WINDOWS_KIND=win64 ;;
  *)
    echo "QOB_WINE_ARCH is win32 or win64, not '$QOB_WINE_ARCH'" >&2
    return 1
    ;;
  esac
  local why="this machine runs 32-bit programs"
  [ "$runs" = yes ] || why="this machine runs no 32-bit programs"
  [ -z "${QOB_WINE_ARCH:-}" ] || why="QOB_WINE_ARCH=$QOB_WINE_ARCH ($why)"
  echo "Windows: $why, so $(qob_windows_tested_on)."
  # For .ci/run's summary.
  echo "Windows: $(qob_windows_tested_on)" >"$QOB_ROOT/build/windows-tests.txt"
}

# What the Windows tests run on, for the chosen kind.
qob_windows_tested_on() {
  if [ "$QOB_WINDOWS_KIND" = win32 ]; then
    echo "the Windows tests run on the shipped 32-bit build under Wine"
  else
    echo "the Windows tests run on a 64-bit build (build/windows-x64) under wine64," \
      "and the shipped 32-bit build is checked by reading its files"
  fi
}

qob_windows_install_packages() {
  qob_windows_choose
  if [ "$QOB_WINDOWS_KIND" = win64 ]; then
    qob_install_packages "${QOB_WINDOWS_PACKAGES[@]}" "${QOB_WINDOWS_WIN64_PACKAGES[@]}"
    return
  fi
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    qob_as_root dpkg --add-architecture i386
    qob_as_root apt-get update -q
  fi
  qob_install_packages "${QOB_WINDOWS_PACKAGES[@]}" "${QOB_WINDOWS_WIN32_PACKAGES[@]}"
}

# Configures (picking up changed options), builds and runs the tests, all
# with the presets: the 32-bit build always, the 64-bit one where it stands
# in for the 32-bit one under Wine.
qob_windows_build_and_test() {
  (
    cd "$QOB_ROOT" || exit
    local wine=ON
    [ "$QOB_WINDOWS_KIND" = win32 ] || wine=OFF
    cmake --preset windows -DQOB_RUN_UNDER_WINE="$wine" >/dev/null
    cmake --build --preset windows
    if [ "$wine" = ON ]; then
      echo "== Tests of the 32-bit Windows build under Wine"
    else
      echo "== Checks of the shipped 32-bit Windows build, read from its files"
    fi
    ctest --preset windows
    [ "$wine" = OFF ] || exit 0
    cmake --preset windows-x64 >/dev/null
    cmake --build --preset windows-x64
    echo "== Tests of the 64-bit Windows build under wine64"
    ctest --preset windows-x64
  )
}
