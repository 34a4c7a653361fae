#!/usr/bin/env bash
# Set-up for a fresh Debian 12 machine, run as root from the clone:
#   bash scripts/setup.sh run    install what is missing, build, start the program
#   bash scripts/setup.sh test   install what is missing, build, run every test
#                                (also the sanitizer build with the fuzz harnesses,
#                                and the Windows build under Wine)
# Knobs for the test run (defaults in brackets): ZQ_PROPERTY_SEED, ZQ_FUZZ_SEED
# [fixed], ZQ_ASAN_PROPERTY_DESIGNS [100000] generated designs per engine in the
# sanitizer build, ZQ_FUZZ_RUNS [200000] inputs per fuzz harness.
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

    # The core library and its tests again with AddressSanitizer and
    # UndefinedBehaviorSanitizer (clang, so the libFuzzer harnesses over the
    # file readers build too); any finding ends the run with a failure.
    # ZQ_ASAN_PROPERTY_DESIGNS lowers the count of generated designs there
    # on a slow machine (each ReCalc runs several times slower).
    sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    CC=clang-14 CXX=clang++-14 cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DZQ_BUILD_GUI=OFF -DZQ_BUILD_BENCH=OFF -DZQ_BUILD_FUZZ=ON "-DCMAKE_CXX_FLAGS=$sanitize"
    cmake --build build-asan -j"$jobs"
    ZQ_PROPERTY_DESIGNS=${ZQ_ASAN_PROPERTY_DESIGNS:-100000} \
      ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --test-dir build-asan --output-on-failure -j"$jobs"

    # The Windows side: cross-compiled with MinGW-w64, its tests run under Wine.
    cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
      -DCMAKE_BUILD_TYPE=Release -DZQ_BUILD_GUI=OFF -DZQ_BUILD_BENCH=OFF
    cmake --build build-win -j"$jobs"
    ctest --test-dir build-win --output-on-failure
    ;;
  *)
    echo "usage: bash scripts/setup.sh run|test" >&2
    exit 2
    ;;
esac
