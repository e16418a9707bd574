#!/usr/bin/env bash
# Installs what is missing, builds, makes sure build/bin/Proje.mdb exists and starts Kavrion.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/kur.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKAVRION_TESTS=OFF -DKAVRION_BENCH=OFF
cmake --build build -j"$(nproc)"

# A new database comes with one sample project; an existing one is never touched.
[ -e build/bin/Proje.mdb ] || build/bin/veritabani-olustur --ornek build/bin/Proje.mdb
exec build/bin/kavrion
