#!/usr/bin/env bash
# One entry point for a newcomer on Debian 12 (run as root):
#   ./dev.sh run    install what is missing, build, start the program
#   ./dev.sh test   install what is missing, build, run the whole test suite
#   ./dev.sh build  install what is missing and build only
#   ./dev.sh package  install what is missing, build, and make the Debian package in build/
#   ./dev.sh sanitize install what is missing, then build and run the tests under the sanitizers
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
  build-essential cmake
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libsqlite3-dev
  libgtest-dev libbenchmark-dev
  fonts-wqy-microhei fonts-arphic-uming
  poppler-utils
  tzdata
)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "dev.sh: installing ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build build -j2
}

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, then the naming worker, its
# stop flag and the window's exit paths under ThreadSanitizer; each in a build folder of its own.
# -O1 with line tables only is what the sanitizers' own guides advise: reports keep their file and
# line, and the two builds take about half the time of a full optimised build with debug info.
# The benchmarks are left out of these builds.
sanitize() {
  export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
  local checking=(-DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1"
                  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON)
  cmake -S . -B build-asan "${checking[@]}" -DJIAMING_SANITIZE=address,undefined
  cmake --build build-asan -j2
  UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-asan --output-on-failure -j2
  cmake -S . -B build-tsan "${checking[@]}" -DJIAMING_SANITIZE=thread
  cmake --build build-tsan -j2 --target naming_tests app_tests
  TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/tests/support/tsan.supp" \
    ctest --test-dir build-tsan --output-on-failure -j2 -R '^(naming_tests|app_tests)[.]'
}

case "${1:-}" in
  run)
    install_missing
    build
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
      echo "dev.sh: no display found; starting without a window (QT_QPA_PLATFORM=offscreen)"
      export QT_QPA_PLATFORM=offscreen
    fi
    exec build/bin/jiaming
    ;;
  test)
    install_missing
    build
    QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" ctest --test-dir build --output-on-failure -j2
    ;;
  build)
    install_missing
    build
    ;;
  sanitize)
    install_missing
    sanitize
    ;;
  package)
    install_missing
    build
    (cd build && cpack -G DEB)
    ;;
  *)
    echo "usage: ./dev.sh run | test | build | package | sanitize" >&2
    exit 2
    ;;
esac
