# shellcheck shell=bash
# Shared steps of the run and test commands: install what is missing, build.
# Sourced, not run.

QOB_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# What building and running the program needs, as Debian packages. Qt's own
# translations are only recommended by libqt6core6, so they are named here.
# shellcheck disable=SC2034 # used by the scripts that source this
QOB_RUN_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-translations-l10n
  fonts-wqy-microhei
)

# What the tests add on top: the sanitizer and fuzz builds (llvm brings the
# symbolizer their reports need for file and line), GoogleTest and Google
# Benchmark (the start-up benchmark also needs the X11 headers), the
# real-window tests (xclip fills the clipboard a paste takes), the screen
# reader and package tests, the lint, and the check on a fresh Debian root.
# shellcheck disable=SC2034
QOB_TEST_PACKAGES=(
  clang libclang-rt-14-dev llvm
  libgtest-dev libbenchmark-dev
  binutils-mingw-w64-x86-64 cpp python3
  libx11-dev libxdamage-dev libxfixes-dev
  xvfb xdotool xclip imagemagick libfaketime x11-utils
  dbus-daemon dbus-bin at-spi2-core python3-pyatspi
  qt6-gtk-platformtheme weston qt6-wayland
  desktop-file-utils appstream dpkg-dev file lintian
  shellcheck clang-format debootstrap
)

# What building the web page adds: Emscripten (its clang, lld, Binaryen and
# Node.js come with it), the font the page carries a subset of, and
# pyftsubset with Brotli for WOFF2. python3-fonttools takes SciPy or munkres;
# naming munkres keeps SciPy, NumPy and Boost (390 MB) off the machine.
# shellcheck disable=SC2034
QOB_WEB_PACKAGES=(
  emscripten fonts-wqy-microhei fonttools python3-brotli python3-munkres
)

# What the web page's tests add: the three browser engines, driven from
# Debian's python3: Chromium over its DevTools pipe, Firefox over WebDriver
# BiDi (a WebSocket, python3-websocket) and WebKitGTK's MiniBrowser through
# WebKitWebDriver (on Xvfb, of the test packages); and unzip, with which the
# releases' test unpacks a site as its owner would.
# shellcheck disable=SC2034
QOB_WEB_TEST_PACKAGES=(chromium firefox-esr webkit2gtk-driver python3 python3-websocket unzip)

qob_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# qob_missing_packages NAME...: the ones not installed.
qob_missing_packages() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' ||
      echo "$p"
  done
}

# qob_install_packages NAME...: installs the ones that are missing.
qob_install_packages() {
  local missing
  mapfile -t missing < <(qob_missing_packages "$@")
  [ "${#missing[@]}" -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # A machine that has never fetched package lists cannot find anything.
  if ! compgen -G '/var/lib/apt/lists/*_Packages*' >/dev/null; then
    qob_as_root apt-get update -q
  fi
  if ! qob_as_root apt-get install -y -q --no-install-recommends "${missing[@]}"; then
    qob_as_root apt-get update -q
    qob_as_root apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
}

# qob_build PRESET...: configure each with its preset (quick once
# configured, and it picks up a changed preset), then build incrementally.
# The presets, in CMakePresets.json, say what each build is.
qob_build() {
  local preset
  for preset in "$@"; do
    (cd "$QOB_ROOT" && cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset") || return
  done
}
