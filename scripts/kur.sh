#!/usr/bin/env bash
# Installs the Debian packages Kavrion needs that are not there yet, and those named
# as arguments (the test and benchmark scripts add theirs).
set -euo pipefail

paketler=(cmake make g++ qt6-base-dev qt6-svg-dev libqt6sql6-sqlite libqt6sql6-psql qt6-translations-l10n "$@")
eksik=()
for paket in "${paketler[@]}"; do
  dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q 'install ok installed' || eksik+=("$paket")
done
[ ${#eksik[@]} -eq 0 ] && exit 0

yetki=()
[ "$(id -u)" -eq 0 ] || yetki=(sudo)
"${yetki[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${yetki[@]}" apt-get install -y -qq --no-install-recommends "${eksik[@]}"
