#!/usr/bin/env bash
# Builds everything and runs every test: the whole program in a release build, then the core
# again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs="$(nproc)"

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j"$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/release --output-on-failure -j"$jobs"

cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DQUORVANE_CORE_ONLY=ON -DQUORVANE_SANITIZE=ON \
  -DQUORVANE_BENCHMARKS=OFF >/dev/null
cmake --build build/asan -j"$jobs"
ctest --test-dir build/asan --output-on-failure -j"$jobs"
