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

# qob_build NAME [cmake options...]: configure (quick once configured, and
# it picks up changed options), then build incrementally.
qob_build() {
  local name=$1
  shift
  local dir="$QOB_ROOT/build/$name"
  cmake -S "$QOB_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir"
}

# The program alone, optimised, with nothing the tests or benchmarks need:
# what the run command builds from the run packages only.
qob_build_program() {
  qob_build program -DCMAKE_BUILD_TYPE=Release \
    -DQOB_WITH_TESTS=OFF -DQOB_WITH_BENCH=OFF
}

qob_build_default() {
  qob_build default -DCMAKE_BUILD_TYPE=RelWithDebInfo
}

qob_build_sanitize() {
  qob_build sanitize -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="-O1 -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=all" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DQOB_WITH_BENCH=OFF -DQOB_WITH_REAL_WINDOW_TESTS=OFF
}

# The fuzz build leaves the user interface out, so it also proves that the
# calculation core builds with no Qt at all.
qob_build_fuzz() {
  qob_build fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" \
    -DQOB_WITH_GUI=OFF -DQOB_WITH_BENCH=OFF -DQOB_WITH_TESTS=OFF -DQOB_WITH_FUZZ=ON
}

# The web page, with the presets: its site lands in build/web/site.
qob_build_web() {
  (cd "$QOB_ROOT" && cmake --preset web >/dev/null && cmake --build --preset web)
}
