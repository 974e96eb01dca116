#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVRA_WERROR=ON
cmake --build build/test -j"$jobs"
# The guide's picture program is not built by default; building it here keeps it in step.
cmake --build build/test -j"$jobs" --target fotografie
ctest --test-dir build/test -j"$jobs" --output-on-failure --timeout 300
