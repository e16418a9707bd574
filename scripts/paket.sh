#!/usr/bin/env bash
# Builds the Debian package kavrion_<version>_<arch>.deb in the repository's folder from
# a Release build, then checks it (scripts/paket-denetimi.sh). Install it with
#   sudo apt install ./kavrion_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-shlibdeps (dpkg-dev) finds the package's dependencies; the other three check it.
bash scripts/kur.sh dpkg-dev lintian desktop-file-utils appstream

# The test command's Release build is reused when there is one; a package is never made
# from a sanitizer build.
ayarlar=(-DCMAKE_BUILD_TYPE=Release -DKAVRION_SANITIZE=OFF -DKAVRION_FUZZ=OFF)
[ -f build/CMakeCache.txt ] || ayarlar+=(-DKAVRION_TESTS=OFF -DKAVRION_BENCH=OFF)
cmake -S . -B build "${ayarlar[@]}"
cmake --build build -j"$(nproc)"

cikti=build/paket-cikti
rm -rf "$cikti"
cpack --config build/CPackConfig.cmake -B "$cikti"
paket="$(ls "$cikti"/kavrion_*.deb)"
cp "$paket" .
kok="$cikti/kok"
bash scripts/paket-denetimi.sh --kok "$kok" "$(basename "$paket")"
# The packaged window itself, started as an installed program is: its plan file made in
# the data folder of a user with an empty home (the test needs Xvfb and xdotool).
if [ -x build/bin/tst_DisaridanBaslatma ]; then
  KAVRION_PAKET_KOKU="$PWD/$kok" build/bin/tst_DisaridanBaslatma anInstalledProgramKeepsItsFileInTheDataFolder
fi
rm -rf "$kok"
echo "Paket: $(basename "$paket")"
