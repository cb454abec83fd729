#!/usr/bin/env bash
# Builds the game (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQUORVANE_BENCHMARKS=OFF >/dev/null
cmake --build build/release --target quorvane -j"$(nproc)"
exec build/release/quorvane "$@"
