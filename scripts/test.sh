#!/usr/bin/env bash
# Builds the game and its tests and runs them all: the normal build, the
# logic tests against one-line changes to the rules (each must be caught),
# the whole suite again under AddressSanitizer and UBSan, a bounded run of each
# fuzzer, and the browser edition played in headless Chromium. Window tests
# start their own Xvfb server, so no display is needed. FUZZ_SECONDS sets
# the time per fuzzer (default 30).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
scripts/deps.sh test

echo "== build and test"
cmake -S . -B build -DBUILD_TESTING=ON
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

echo "== one-line changes to the rules, each caught by the logic tests"
/usr/bin/python3 tests/mutations/catch_mutations.py

echo "== build and test under AddressSanitizer and UBSan"
cmake -S . -B build-sanitize -DBUILD_TESTING=ON -DLINKLOOM_SANITIZE=ON
cmake --build build-sanitize -j "$jobs"
(cd build-sanitize && UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --output-on-failure -j "$jobs")

echo "== fuzz"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DBUILD_TESTING=OFF \
  -DLINKLOOM_FUZZ=ON
fuzzers=(input png pack progress)
cmake --build build-fuzz -j "$jobs" --target "${fuzzers[@]/%/_fuzzer}"
for fuzzer in "${fuzzers[@]}"; do
  work=$(mktemp -d)
  log=build-fuzz/${fuzzer}_fuzzer.log
  # Inputs of at most 4 KiB inflate to at most 4 MiB of samples, 100 MiB
  # of 8-bit RGB at most, so no honest decode comes near the malloc limit.
  if ! build-fuzz/tests/fuzz/${fuzzer}_fuzzer -max_total_time="${FUZZ_SECONDS:-30}" \
      -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=256 -max_len=4096 \
      -artifact_prefix=build-fuzz/ \
      "$work" "tests/fuzz/corpus/$fuzzer" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "${fuzzer}_fuzzer found a failure; the input is in build-fuzz/"
    exit 1
  fi
  grep -E "^Done [0-9]+ runs" "$log"
  rm -rf "$work"
done
echo "fuzz: ${#fuzzers[@]} passed, 0 failed"

echo "== browser edition in headless Chromium"
scripts/deps.sh browser
scripts/web.sh
# The desktop game's own frames, for the browser's to be held against.
mkdir -p build-web/desktop-frames
build/tools/screenshots/screenshots "$PWD/build/linkloom" "$PWD/build" \
  build-web/desktop-frames
/usr/bin/python3 tests/browser/play_in_browser.py build-web/site \
  build-web/desktop-frames build build-web/browser-test
