#!/usr/bin/env bash
# Installs what is missing, builds Brivana with its tests and runs the whole suite:
#   0. the format check: every .cpp and .h under app, tests, bench and scripts as
#      clang-format (.clang-format) writes it; an unformatted file fails the command;
#   1. a bounded run of the fuzzer of the identifier rule and the amount conversion;
#   2. the suite on a debug build;
#   3. the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
# Extra arguments go to both ctest runs (for instance -R parties).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

# The package test also packs, unpacks, validates and runs the Debian package.
"$root/scripts/setup.sh" clang libclang-rt-14-dev clang-format dpkg-dev file lintian desktop-file-utils appstream \
    xdg-user-dirs

echo "== Format (clang-format)"
(cd "$root" && find app tests bench scripts \( -name '*.cpp' -o -name '*.h' \) -print0 |
    sort -z | xargs -0 clang-format --dry-run --Werror)

echo "== Fuzzer (bounded run)"
cmake -S "$root/tests/fuzz" -B "$root/build-fuzz" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build-fuzz" -j"$jobs"
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp "$root"/tests/fuzz/corpus/* "$corpus"/
"$root/build-fuzz/fuzz_identifier_amount" -max_total_time=60 -print_final_stats=1 "$corpus" 2>&1 | tail -n 3

echo "== Suite (debug build)"
cmake -S "$root" -B "$root/build-tests" -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON
cmake --build "$root/build-tests" -j"$jobs"
(cd "$root/build-tests" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs" "$@")

echo "== Suite (AddressSanitizer and UndefinedBehaviorSanitizer)"
cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON -DBRIVANA_SANITIZE=ON -DBRIVANA_BENCHMARKS=OFF
cmake --build "$root/build-asan" -j"$jobs"
(cd "$root/build-asan" &&
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs" "$@")

