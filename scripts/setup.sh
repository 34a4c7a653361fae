#!/usr/bin/env bash
# Set-up for a fresh Debian 12 machine, run as root from the clone:
#   bash scripts/setup.sh run    install what is missing, build, start the program
#   bash scripts/setup.sh test   install what is missing, build, run every test
set -euo pipefail
mode=${1:-run}
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"

wanted=$(grep -v '^#' scripts/packages.txt || true)
if [ "$mode" = test ]; then wanted="$wanted $(grep -v '^#' scripts/test-packages.txt || true)"; fi
missing=()
for p in $wanted; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$jobs"

case "$mode" in
  run)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "No display found: the ZQ designer window needs a desktop session."
      echo "The command-line calculator works without one, for example:"
      echo "  build/zqcalc F=7.15 CD=2 LD=3 WD=0.125 SP=0.125 CCD=2"
      echo "  build/zqcalc --help"
      exit 0
    fi
    exec build/zq
    ;;
  test)
    export QT_QPA_PLATFORM=offscreen
    ctest --test-dir build --output-on-failure -j"$jobs"
    ;;
  *)
    echo "usage: bash scripts/setup.sh run|test" >&2
    exit 2
    ;;
esac
