#!/usr/bin/env bash
# The test command: installs what is missing, builds everything and runs every test with CTest.
#   1. the display-free core under AddressSanitizer and UndefinedBehaviorSanitizer (build-sanitize/)
#   2. the whole station, host and plug-ins included (build/), ending with CTest's summary line
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc)

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVAMO_SANITIZE=ON -DVAMO_CORE_ONLY=ON >/dev/null
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize -j "$jobs" --output-on-failure --timeout 600

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build -j "$jobs" --output-on-failure --timeout 600
