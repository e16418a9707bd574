#!/usr/bin/env bash
# Installs what is missing, makes a release build and runs the benchmark under a
# virtual X server, which start-up is measured on. Prints the table of figures.
# Section names as arguments (liste, seçim, geçiş, analiz, risk, "içe aktarma", görsel, rapor,
# komut, başlatma, sunucu) run only those.
set -euo pipefail
cd "$(dirname "$0")/.."

# It reads the window's pixels through xcb, so it alone needs libxcb1-dev; the server
# section runs on a PostgreSQL server of its own.
bash scripts/kur.sh xvfb xauth libxcb1-dev postgresql
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKAVRION_BENCH=ON
cmake --build build -j"$(nproc)" --target kavrion-benchmark

XDG_RUNTIME_DIR="$(mktemp -d)"
export XDG_RUNTIME_DIR
sunucu=""
olcum=""
temizle() {
  [ -z "$olcum" ] || kill -- "-$olcum" 2>/dev/null || true
  [ -z "$sunucu" ] || bash scripts/pg-sunucu.sh durdur "$sunucu"
  rm -rf "$XDG_RUNTIME_DIR"
}
trap temizle EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# The server section: a private server (scripts/pg-sunucu.sh) that keeps every commit on
# disk as a real one does, reached through its socket; the benchmark makes its data in the
# server's empty "postgres" database. Stopped and removed on the way out, whatever happens.
if [ $# -eq 0 ] || printf '%s\n' "$@" | grep -qx sunucu; then
  sunucu="$PWD/build/pg-olcum"
  KAVRION_PG_KALICI=1 bash scripts/pg-sunucu.sh baslat "$sunucu"
  KAVRION_BENCH_SUNUCU="host=$(readlink -f "$sunucu") dbname=postgres user=kavrion"
  export KAVRION_BENCH_SUNUCU
fi

# In the background and a process group of its own (X server and all), so that a signal to
# this script stops the whole of it and the server at once.
setsid xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/kavrion-benchmark "$@" &
olcum=$!
wait "$olcum"
olcum=""
