#!/usr/bin/env bash
# A private PostgreSQL server for the tests:
#   pg-sunucu.sh baslat KLASOR   creates a cluster and starts it, listening only on a Unix socket in KLASOR
#   pg-sunucu.sh durdur KLASOR   stops it and removes KLASOR
#   pg-sunucu.sh durakla KLASOR  stops it as an administrator would (pg_ctl stop -m fast), keeping it
#   pg-sunucu.sh surdur KLASOR   starts it again
# Its superuser "kavrion" is trusted on the socket; every other role logs in with a
# scram-sha-256 password. No TCP port, so runs side by side never meet. KLASOR is a link
# to a short folder under /tmp: a socket path has at most 107 bytes, and the server's user
# must reach the folder whatever the folders above KLASOR allow. Run as root, the server
# runs as the "postgres" user the Debian package creates (initdb refuses root); root's
# clients still reach its socket. A KLASOR left by a killed run is stopped and removed first.
# The tests' server skips writing commits to disk; with KAVRION_PG_KALICI=1 (the benchmark) it
# keeps them as a real server does (fsync, synchronous_commit and full_page_writes at their defaults).
set -euo pipefail

islem="${1:-}"
klasor="${2:-}"
if [ -z "$klasor" ] || ! [[ "$islem" =~ ^(baslat|durdur|durakla|surdur)$ ]]; then
  echo "kullanım: $0 baslat|durdur|durakla|surdur KLASOR" >&2
  exit 2
fi

bin=""
for aday in /usr/lib/postgresql/15/bin /usr/lib/postgresql/*/bin "$(dirname "$(command -v initdb || echo /yok/initdb)")"; do
  if [ -x "$aday/initdb" ]; then bin="$aday"; break; fi
done

if [ "$(id -u)" -eq 0 ]; then
  kullanici=postgres
  olarak() { (cd / && runuser -u "$kullanici" -- "$@"); }
else
  kullanici="$(id -un)"
  olarak() { "$@"; }
fi

durdur() {
  local hedef
  if [ -L "$klasor" ]; then
    hedef="$(readlink "$klasor")"
  elif [ -d "$klasor" ]; then
    hedef="$klasor"
  else
    return 0
  fi
  if [ -n "$bin" ] && [ -f "$hedef/veri/postmaster.pid" ]; then
    olarak "$bin/pg_ctl" stop -D "$hedef/veri" -m immediate -s >/dev/null 2>&1 || true
  fi
  rm -rf -- "$klasor"
  case "$hedef" in /tmp/kavrion-pg.*) rm -rf -- "$hedef" ;; esac
}

if [ "$islem" = durdur ]; then
  durdur
  exit 0
fi
if [ "$islem" = durakla ] || [ "$islem" = surdur ]; then
  hedef="$(readlink -f "$klasor")"
  if [ "$islem" = durakla ]; then
    olarak "$bin/pg_ctl" stop -D "$hedef/veri" -m fast -s
  else
    olarak "$bin/pg_ctl" start -D "$hedef/veri" -l "$hedef/sunucu.log" -w -t 60 -s >/dev/null
  fi
  exit 0
fi

if [ -z "$bin" ]; then
  echo "initdb bulunamadı: Debian'ın postgresql paketini kurun (scripts/test.sh kurar)" >&2
  exit 1
fi
if ! id "$kullanici" >/dev/null 2>&1; then
  echo "'$kullanici' kullanıcısı yok: Debian'ın postgresql paketini kurun" >&2
  exit 1
fi

durdur
mkdir -p "$(dirname "$klasor")"
hedef="$(mktemp -d /tmp/kavrion-pg.XXXXXX)"
ln -s "$hedef" "$klasor"
[ "$(id -u)" -ne 0 ] || chown "$kullanici:" "$hedef"
# Every local client reaches the socket (tests run programs held to file permissions as
# any user is), while the data folder inside stays the server's own.
chmod 711 "$hedef"

goster() {
  cat "$hedef/$1" >&2 2>/dev/null || true
  exit 1
}
olarak env LC_ALL=C "$bin/initdb" -D "$hedef/veri" -U kavrion -E UTF8 --locale=C --no-sync \
  --auth-local=trust --auth-host=reject >"$hedef/initdb.log" 2>&1 || goster initdb.log
printf '%s\n' 'local all kavrion trust' 'local all all scram-sha-256' |
  olarak tee "$hedef/veri/pg_hba.conf" >/dev/null
ayarlar=("listen_addresses = ''" "unix_socket_directories = '$hedef'")
[ "${KAVRION_PG_KALICI:-}" = 1 ] || ayarlar+=('fsync = off' 'synchronous_commit = off' 'full_page_writes = off')
printf '%s\n' "${ayarlar[@]}" | olarak tee -a "$hedef/veri/postgresql.conf" >/dev/null
olarak "$bin/pg_ctl" start -D "$hedef/veri" -l "$hedef/sunucu.log" -w -t 60 -s >/dev/null || goster sunucu.log
