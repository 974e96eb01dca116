#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Kelvra is a desktop program and
# needs a display; on a machine without one it starts inside a virtual display (xvfb-run).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELVRA_TESTS=OFF -DKELVRA_BENCH=OFF
cmake --build build/release -j"$(nproc)" --target kelvra
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Kelvra inside a virtual display (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1400x1050x24" build/release/bin/kelvra "$@"
fi
exec build/release/bin/kelvra "$@"
