#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite: once as a release
# build and once under AddressSanitizer and UndefinedBehaviorSanitizer; then runs
# each libFuzzer target for a bounded time and prints the reliability figures.
set -euo pipefail
cd "$(dirname "$0")/.."

# The tests also start the real program on an X server of their own (Xvfb, xdotool),
# and the fuzz targets need clang with its libFuzzer runtime.
bash scripts/kur.sh xvfb xdotool clang libclang-rt-14-dev
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKAVRION_TESTS=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j2 --output-junit ctest-sonuc.xml

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKAVRION_TESTS=ON -DKAVRION_SANITIZE=ON
cmake --build build-asan -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-asan --output-on-failure -j2

# Fuzzing: each target a bounded time from its seed corpus in the repository; new
# inputs go to a scratch folder, a crash fails the run and its input is kept there.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAVRION_TESTS=OFF -DKAVRION_FUZZ=ON
cmake --build build-fuzz --target fuzz -j"$(nproc)"
sure="${KAVRION_FUZZ_SECONDS:-60}"
: > build-fuzz/ozet.txt
for korpus in fuzz/corpus/*/; do
  ad="$(basename "$korpus")"
  calisma="$(mktemp -d)"
  if ! build-fuzz/bin/"${ad}_fuzz" -max_total_time="$sure" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$calisma/" "$calisma" "$korpus" > "$calisma/gunluk.txt" 2>&1; then
    tail -n 60 "$calisma/gunluk.txt"
    echo "fuzz target $ad failed; the input is in $calisma" >&2
    exit 1
  fi
  calisan="$(awk '/stat::number_of_executed_units/ {print $2}' "$calisma/gunluk.txt")"
  echo "GÜVENİLİRLİK fuzzing $ad: $calisan executions in $sure s, crashes 0" | tee -a build-fuzz/ozet.txt
  rm -rf "$calisma"
done

echo
echo "== Reliability figures of this run =="
grep -o 'GÜVENİLİRLİK[^<&]*' build/ctest-sonuc.xml
cat build-fuzz/ozet.txt
