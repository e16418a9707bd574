#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite in five stages:
# the fast unit tests (label birim) as a release build, timed; the reliability tests
# (label guvenilirlik: Xvfb, a small file system, the SIGKILL loop) on the same build;
# the Debian package made from that build and checked (scripts/paket.sh); every test
# once more under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer; then
# each libFuzzer target for a bounded time. Prints the reliability figures at the end.
set -euo pipefail
cd "$(dirname "$0")/.."

# The tests also start the real program on an X server of their own (Xvfb, xdotool),
# and the fuzz targets need clang with its libFuzzer runtime. No session bus is needed,
# nor used when there is one: every test runs with DBUS_SESSION_BUS_ADDRESS=disabled:
# (tests/CMakeLists.txt), so the result is the same on a desktop, a server or in CI.
# The server tests start a PostgreSQL server of their own (scripts/pg-sunucu.sh), one for
# each build folder, and remove it afterwards.
bash scripts/kur.sh xvfb xdotool clang libclang-rt-14-dev postgresql
export QT_QPA_PLATFORM=offscreen

# Every planted fault of the mutation list must still find its text, or the list would
# quietly stop proving what it claims.
bash scripts/mutasyon.sh --kuru

echo "== 1. Unit tests (release build) =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKAVRION_TESTS=ON -DKAVRION_BENCH=OFF
cmake --build build -j"$(nproc)"
basla=$SECONDS
ctest --test-dir build --output-on-failure -j2 -L birim --output-junit ctest-birim.xml
echo "Birim testleri: $((SECONDS - basla)) s"

echo "== 2. Reliability tests (release build) =="
basla=$SECONDS
ctest --test-dir build --output-on-failure -j2 -L guvenilirlik --output-junit ctest-guvenilirlik.xml
echo "Güvenilirlik testleri: $((SECONDS - basla)) s"

echo "== 3. The Debian package (from the release build) =="
bash scripts/paket.sh

echo "== 4. All tests under ASan, UBSan and LSan =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKAVRION_TESTS=ON -DKAVRION_BENCH=OFF -DKAVRION_SANITIZE=ON
cmake --build build-asan -j"$(nproc)"
# Leaks in the system libraries Qt loads are not ours; tests/lsan.supp names them.
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j2 --output-junit ctest-asan.xml

echo "== 5. Fuzzing =="
# Each target a bounded time from its seed corpus in the repository; new inputs go
# to a scratch folder, a crash fails the run and its input is kept there.
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
grep -ho 'GÜVENİLİRLİK[^<&]*' build/ctest-birim.xml build/ctest-guvenilirlik.xml
cat build-fuzz/ozet.txt
