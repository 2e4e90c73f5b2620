# Shared steps of the run and test commands: install what is missing, build.
# Sourced, not run.

QOB_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Everything the build, the program and the tests need, as Debian packages.
QOB_PACKAGES=(
  cmake ninja-build g++ pkg-config
  clang libclang-rt-14-dev
  libgtest-dev libbenchmark-dev
  binutils-mingw-w64-x86-64 cpp python3
  qt6-base-dev
  fonts-wqy-microhei
  libx11-dev libxdamage-dev libxfixes-dev
  xvfb xdotool imagemagick libfaketime x11-utils
  dbus-daemon dbus-bin at-spi2-core python3-pyatspi
  desktop-file-utils appstream dpkg-dev file lintian
)

qob_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

qob_missing_packages() {
  local p
  for p in "${QOB_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' ||
      echo "$p"
  done
}

qob_install_packages() {
  local missing
  mapfile -t missing < <(qob_missing_packages)
  [ "${#missing[@]}" -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # A machine that has never fetched package lists cannot find anything.
  if ! compgen -G '/var/lib/apt/lists/*_Packages' >/dev/null; then
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
