#!/usr/bin/env bash
# Builds everything and runs every test: the whole program in a release build, the decoders'
# fuzz targets for about a minute, then the core again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs="$(nproc)"

# Every C++ file as clang-format writes it (the repository's .clang-format); a difference fails.
if ! git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror; then
  echo "clang-format: the files above differ from the project style (clang-format -i fixes them)"
  exit 1
fi

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_WERROR=ON >/dev/null
cmake --build build/test -j"$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/test --output-on-failure -j"$jobs"

# The decoders under libFuzzer with the address and undefined-behaviour sanitizers (clang, which
# also catches a number too large for the integer it is converted to): each target runs for a
# bounded time on the corpus kept in tests/fuzz/corpus; what it adds goes to a scratch folder.
CC=clang-14 CXX=clang++-14 cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORVANE_FUZZ=ON -DQUORVANE_CORE_ONLY=ON -DQUORVANE_BENCHMARKS=OFF -DQUORVANE_WERROR=ON >/dev/null
cmake --build build/fuzz -j"$jobs"
scratch="$(mktemp -d)"
for target in framing dispatch deck recover records; do
  mkdir -p "$scratch/$target"
  if ! build/fuzz/tests/fuzz/fuzz_"$target" -max_total_time=12 -rss_limit_mb=2048 \
    -artifact_prefix="$scratch/" "$scratch/$target" tests/fuzz/corpus/"$target" \
    >"$scratch/$target.log" 2>&1; then
    tail -40 "$scratch/$target.log"
    echo "fuzz_$target found a fault; its input is in $scratch"
    exit 1
  fi
  echo "fuzz_$target: $(grep -E '^Done' "$scratch/$target.log")"
done
rm -rf "$scratch"

cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DQUORVANE_CORE_ONLY=ON -DQUORVANE_SANITIZE=ON \
  -DQUORVANE_BENCHMARKS=OFF -DQUORVANE_WERROR=ON >/dev/null
cmake --build build/asan -j"$jobs"
ctest --test-dir build/asan --output-on-failure -j"$jobs"
