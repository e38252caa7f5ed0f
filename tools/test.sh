#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Nizam and runs every test: the full build
# (core, desktop platform, scenario files on both hosts, end-to-end test), then
# the core tests once more under AddressSanitizer and UndefinedBehaviorSanitizer,
# then random input over the real window under the same two, and the picture
# store's worker thread under ThreadSanitizer. The last two build only the test
# programs they run.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
jobs=$(nproc)

# No scaling asked of Qt programs by the desktop reaches the tests.
source tests/e2e/design_scale.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DNIZAM_CORE_ONLY=ON -DNIZAM_SANITIZE=ON
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"

# The desktop platform under AddressSanitizer and UBSan: random input over every
# page of the real window on Qt's offscreen platform, two runs of 50,000 events
# with their own seeds side by side (about four minutes on two cores: the pages'
# animations load and play under the sanitizers too), and the picture store's
# threads. Qt is not instrumented: tests/sanitizers/lsan.supp lists the leaks
# inside Qt that are not ours, each explained there.
cmake -S . -B build-asan-desktop -DCMAKE_BUILD_TYPE=Debug -DNIZAM_SANITIZE=ON -DNIZAM_RANDOM_EVENTS=50000
cmake --build build-asan-desktop -j"$jobs" --target random_input_tests store_thread_tests
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp" \
  ctest --test-dir build-asan-desktop --output-on-failure -j"$jobs" -R '^(random_input[.]|store_thread_tests$)'

# The picture store's worker thread under ThreadSanitizer. Qt's own code is not
# instrumented, so TSan is told to ignore the memory accesses made inside Qt's
# libraries (they hand work between Qt's internal threads with
# synchronisation TSan cannot see); every access by our code, on either
# thread, is still checked.
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNIZAM_SANITIZE_THREAD=ON
cmake --build build-tsan -j"$jobs" --target store_thread_tests
TSAN_OPTIONS="halt_on_error=1 ignore_noninstrumented_modules=1" \
  ctest --test-dir build-tsan --output-on-failure -R '^store_thread_tests$'
