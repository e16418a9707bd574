#!/usr/bin/env bash
# Checks a built kavrion .deb: lintian (no error), desktop-file-validate, appstreamcli,
# what the package holds, and that its programs work from where they are installed.
#   bash scripts/paket-denetimi.sh [--kok KLASÖR] kavrion_<version>_<arch>.deb
# --kok keeps the extracted tree in KLASÖR (it must not exist yet), for a test that
# starts the installed program; otherwise it goes to a temporary folder, removed after.
set -euo pipefail

kok=""
if [ "${1:-}" = "--kok" ]; then kok="$2"; shift 2; fi
paket="$(realpath "$1")"
if [ -z "$kok" ]; then
  kok="$(mktemp -d)"
  trap 'rm -rf "$kok"' EXIT
else
  mkdir "$kok"
fi
hata() { echo "paket-denetimi: $*" >&2; exit 1; }

echo "== lintian =="
# Warnings are printed and do not fail the check; an error does.
lintian --fail-on error --tag-display-limit 0 "$paket"

dpkg-deb -x "$paket" "$kok"
kimlik=org.kavrion.Kavrion
echo "== desktop-file-validate, appstreamcli =="
desktop-file-validate "$kok/usr/share/applications/$kimlik.desktop"
appstreamcli validate --no-net "$kok/usr/share/metainfo/$kimlik.metainfo.xml"

echo "== Contents =="
beklenen=(usr/bin/kavrion usr/bin/kavrion-rapor usr/bin/kavrion-aktar usr/bin/veritabani-olustur
  "usr/share/applications/$kimlik.desktop" "usr/share/metainfo/$kimlik.metainfo.xml"
  "usr/share/icons/hicolor/scalable/apps/$kimlik.svg" usr/share/doc/kavrion/copyright
  usr/share/doc/kavrion/changelog.gz)
for boyut in 16 32 48 64 128 256; do beklenen+=("usr/share/icons/hicolor/${boyut}x$boyut/apps/$kimlik.png"); done
for komut in kavrion kavrion-rapor kavrion-aktar veritabani-olustur; do beklenen+=("usr/share/man/man1/$komut.1.gz"); done
for yol in "${beklenen[@]}"; do [ -s "$kok/$yol" ] || hata "$yol is missing"; done
modul="$(cd "$kok" && ls usr/lib/*/kavrion/libkavrion-rapor-cizim.so)" || hata "the drawing module is missing"
# Nothing else: no library, header, test or file of the build folder comes along.
fazla="$(cd "$kok" && find usr -type f | sort | grep -vxF -f <(printf '%s\n' "${beklenen[@]}" "$modul"))" || true
[ -z "$fazla" ] || hata "unexpected files: $fazla"
for elf in "$kok"/usr/bin/* "$kok/$modul"; do
  ! readelf -d "$elf" | grep -qE 'RPATH|RUNPATH' || hata "$elf carries a search path of the build"
done
! grep -rlF "$(realpath "$(dirname "$0")/..")/build" "$kok" || hata "a file names the build folder"
bagimlilik="$(dpkg-deb -f "$paket" Depends)"
for gerekli in libqt6sql6-sqlite libqt6sql6-psql qt6-qpa-plugins libqt6svg6 qt6-translations-l10n libqt6widgets6; do
  grep -qw "$gerekli" <<< "$bagimlilik" || hata "Depends lacks $gerekli: $bagimlilik"
done

echo "== The installed programs =="
# Each from its installed place: the tool makes a file, the report finds its drawing
# module through the installed layout and draws from it.
bin="$kok/usr/bin"
"$bin/veritabani-olustur" --ornek "$kok/deneme.mdb"
"$bin/kavrion-rapor" --veritabani "$kok/deneme.mdb" gantt "ÖRNEK PROJE" --cikti "$kok/gantt.svg"
grep -q '<svg' "$kok/gantt.svg" || hata "kavrion-rapor gantt drew nothing"
"$bin/kavrion-aktar" --help > /dev/null
rm -f "$kok/deneme.mdb" "$kok/gantt.svg"
echo "Paket denetimi: $(basename "$paket") geçti."
