#!/usr/bin/env bash
# Installs what is missing, builds the game and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
# Line tables only (-g1): sanitizer reports still name files and lines. -O1 and batched
# compilation (STARWAKE_UNITY) keep the build of the many test programs quick on two cores;
# at -O2 the sanitizers' instrumentation makes the compiler take twice as long. A compiler
# warning fails the build (STARWAKE_WERROR).
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
  -DSTARWAKE_SANITIZE=ON -DSTARWAKE_UNITY=ON -DSTARWAKE_TESTS=ON -DSTARWAKE_WERROR=ON > /dev/null
cmake --build build-test -j"$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$(pwd)/scripts/lsan.supp"
cd build-test
ctest --output-on-failure -j"$(nproc)"
