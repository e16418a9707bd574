#!/usr/bin/env bash
# Installs what is missing, makes a release build and runs the benchmark under a
# virtual X server, which start-up is measured on. Prints the table of figures.
# Section names as arguments (liste, seçim, geçiş, analiz, görsel, rapor, komut, başlatma) run only those.
set -euo pipefail
cd "$(dirname "$0")/.."

# It reads the window's pixels through xcb, so it alone needs libxcb1-dev.
bash scripts/kur.sh xvfb xauth libxcb1-dev
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKAVRION_BENCH=ON
cmake --build build -j"$(nproc)" --target kavrion-benchmark

XDG_RUNTIME_DIR="$(mktemp -d)"
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/kavrion-benchmark "$@"
