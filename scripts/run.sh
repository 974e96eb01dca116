#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. It is a desktop program and
# needs a display; on a headless machine run it as `xvfb-run -a bash scripts/run.sh`.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELVRA_TESTS=OFF -DKELVRA_BENCH=OFF
cmake --build build/release -j"$(nproc)" --target kelvra
exec build/release/bin/kelvra "$@"
