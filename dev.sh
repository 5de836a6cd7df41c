#!/usr/bin/env bash
# One entry point for a newcomer on Debian 12 (run as root):
#   ./dev.sh run    install what is missing, build, start the program
#   ./dev.sh test   install what is missing, build, run the whole test suite
#   ./dev.sh build  install what is missing and build only
#   ./dev.sh package  install what is missing, build, and make the Debian package in build/
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
  build-essential cmake
  qt6-base-dev qt6-qpa-plugins libsqlite3-dev
  libgtest-dev libbenchmark-dev
  fonts-wqy-microhei fonts-arphic-uming
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
  package)
    install_missing
    build
    (cd build && cpack -G DEB)
    ;;
  *)
    echo "usage: ./dev.sh run | test | build | package" >&2
    exit 2
    ;;
esac
