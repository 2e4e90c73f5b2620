# shellcheck shell=bash
# The Windows build: qob and its tests cross-built for 32-bit Windows with
# MinGW-w64, the tests run under Wine by CTest. Sourced after lib.sh, not run.

QOB_WINDOWS_PACKAGES=(
  # The posix thread model, for std::thread and std::mutex.
  g++-mingw-w64-i686-posix
  # wine32 exists for i386 only.
  wine wine32:i386
  # GoogleTest is built for the target from its sources.
  googletest
  # localedef and the zh_CN definitions the tests run under; iconv to read
  # the program's UTF-16 version strings.
  libc-bin locales
  # The installer, and wrestool and icotool to read resources back from the
  # program.
  nsis icoutils
  # The window test under Wine: the font Wine gives the zh_CN dialog font
  # (its 6x13 base units size the dialog), and the host compiler that builds
  # the 32-bit library fixing the date. Xvfb, xdotool and ImageMagick come
  # with the real-window tests' packages.
  fonts-wqy-microhei g++
  cmake ninja-build
)

qob_windows_install_packages() {
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    qob_as_root dpkg --add-architecture i386
    qob_as_root apt-get update -q
  fi
  qob_install_packages "${QOB_WINDOWS_PACKAGES[@]}"
}

# Configures (picking up changed options), builds and runs the tests under
# Wine, all with the windows presets.
qob_windows_build_and_test() {
  (
    cd "$QOB_ROOT" || exit
    cmake --preset windows >/dev/null
    cmake --build --preset windows
    echo "== Tests of the Windows build under Wine"
    ctest --preset windows
  )
}
