#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
#
# The site's apt repository as a Linux desk of the Qt 5 generation meets
# it: in a bare Debian 11 chroot, the folder served from 127.0.0.1, the
# source line and key exactly as docs/deployment.md gives them; apt-get
# update and apt-get install vellacor-qt5 succeed and the installed program
# computes the worked example on an X display; a newer version put in the
# folder comes with apt-get upgrade; and apt refuses the repository
# unsigned, signed by another key, or with its Release changed. The folder
# must be signed (VELLACOR_GPG_KEY, its key in GNUPGHOME), as
# scripts/check-signing.sh makes it, which runs this.
#   scripts/check-apt.sh SITE.zip
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 1 ] || { echo "usage: scripts/check-apt.sh SITE.zip" >&2; exit 2; }
zip=$(realpath "$1")
: "${VELLACOR_GPG_KEY:?the key that signed the repository, in GNUPGHOME}"
scripts/install-deps.sh chroot apt
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo -- "$@"; fi; }
work=$(mktemp -d)
root=$work/root
server=
cleanup() {
  [ -z "$server" ] || kill "$server" 2>/dev/null || true
  [ -z "${program:-}" ] || kill "$program" 2>/dev/null || true
  as_root rm -rf --one-file-system -- "$work"
}
trap cleanup EXIT

# The bare chroot, made once and kept; each run works in a copy of it.
bare=$(realpath -m "${VELLACOR_BARE_CHROOT:-/var/cache/vellacor/bullseye-bare}")
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
if [ ! -f "$bare/.vellacor-bare-chroot" ]; then
  [ ! -e "$bare" ] || { echo "check-apt: $bare is not a chroot of this script's; remove it or set VELLACOR_BARE_CHROOT" >&2; exit 1; }
  echo "check-apt: making a bare Debian 11 chroot in $bare"
  as_root debootstrap --keyring="$keyring" --variant=minbase bullseye "$bare.new" \
    "${VELLACOR_DEBIAN_MIRROR:-http://deb.debian.org/debian}" >/dev/null
  as_root touch "$bare.new/.vellacor-bare-chroot"
  as_root mv "$bare.new" "$bare"
fi
as_root cp -a "$bare" "$root"
in_root() { as_root chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LC_ALL=C.UTF-8 "$@"; }
# apt-get update that fails on any source it could not read, as a desk's
# administrator would read its warnings.
update() {
  local said
  if said=$(in_root apt-get update 2>&1) && ! grep -qE '^(Err:|W:|E:)' <<<"$said"; then return 0; fi
  printf '%s\n' "$said" >&2
  return 1
}

# The folder on a server of its own, on 127.0.0.1, which the chroot shares.
python3 -m zipfile -e "$zip" "$work/www"
repo=$work/www/vellacor/apt
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server --bind 127.0.0.1 --directory "$work/www" "$port" >/dev/null 2>&1 &
server=$!
for _ in $(seq 100); do python3 -c "import urllib.request as u; u.urlopen('http://127.0.0.1:$port/vellacor/apt/Release')" 2>/dev/null && break; sleep 0.1; done

# What docs/deployment.md tells the administrator to put on each desk.
source_line=$(sed -n 's|^ *\(deb \[signed-by=/usr/share/keyrings/vellacor.gpg\] http://\)SERVER/PATH\(/apt \./\)$|\1127.0.0.1:'"$port"'/vellacor\2|p' docs/deployment.md)
[ -n "$source_line" ] || { echo "check-apt: docs/deployment.md gives no source line" >&2; exit 1; }
as_root cp "$repo/vellacor.gpg" "$root/usr/share/keyrings/vellacor.gpg"
echo "$source_line" | as_root tee "$root/etc/apt/sources.list.d/vellacor.list" >/dev/null
echo "check-apt: $source_line"
update
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends vellacor-qt5 >/dev/null
# shellcheck disable=SC2016  # dpkg-query's own fields
echo "check-apt: installed $(in_root dpkg-query -W -f '${Package} ${Version}' vellacor-qt5)"

# The installed program computes the worked example of the table of
# scenarios (make test writes it): typed in, pressed, and the modulus and
# class copied from their boxes.
scenarios=${VELLACOR_SCENARIOS:-build/scenarios.json}
[ -f "$scenarios" ] || { echo "check-apt: no $scenarios: run make test first" >&2; exit 1; }
worked() {
  python3 -c 'import json, sys
table = json.load(open(sys.argv[1]))
row = next(r for r in table["scenarios"] if r["name"] == "Worked")
shown = dict(zip(table["resultBoxes"], row["shown"]))
print({"masses": "\t".join(row["masses"]), "ms": shown["ms"], "cx": shown["cx"]}[sys.argv[2]])' "$scenarios" "$1"
}
. scripts/private-display.sh
private_display
in_root mkdir -m 700 /run/user-0
as_root chroot "$root" env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" HOME=/root LC_ALL=C.UTF-8 \
  XDG_RUNTIME_DIR=/run/user-0 QT_QPA_PLATFORM=xcb vellacor >/dev/null 2>&1 &
program=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Vellacor$' | head -n 1)
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool type --delay 30 "$(worked masses)"
xdotool key --delay 60 Tab Tab Tab space shift+Tab ctrl+c
sleep 0.5
class=$(xclip -o -selection clipboard 2>/dev/null || true)
xdotool key --delay 60 shift+Tab ctrl+c
sleep 0.5
modulus=$(xclip -o -selection clipboard 2>/dev/null || true)
echo "check-apt: the installed program shows 细度模数 $modulus, 粗细程度 $class"
if [ "$modulus" != "$(worked ms)" ] || [ "$class" != "$(worked cx)" ]; then
  echo "check-apt: the installed program did not compute the worked example" >&2
  exit 1
fi
kill "$program"
program=

# A newer version in the folder, as the next release puts it there.
newer=$work/newer
dpkg-deb -R "$repo"/vellacor-qt5_*_amd64.deb "$newer"
sed -i 's/^Version: .*/Version: 9.99/' "$newer/DEBIAN/control"
dpkg-deb -b --root-owner-group "$newer" "$repo/vellacor-qt5_9.99_amd64.deb" >/dev/null
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct) scripts/apt-repo.sh "$repo"
update
in_root env DEBIAN_FRONTEND=noninteractive apt-get upgrade -y -qq >/dev/null
# shellcheck disable=SC2016  # dpkg-query's own field
[ "$(in_root dpkg-query -W -f '${Version}' vellacor-qt5)" = 9.99 ] ||
  { in_root apt-cache policy vellacor-qt5 >&2; echo "check-apt: apt-get upgrade did not take the newer version" >&2; exit 1; }
echo "check-apt: apt-get upgrade took vellacor-qt5 9.99"

# refused WHAT: apt-get update refuses the repository as it now is.
refused() {
  local said
  if said=$(update 2>&1); then echo "check-apt: apt took the repository $1" >&2; exit 1; fi
  grep -qE 'not signed|no longer signed|NO_PUBKEY|BADSIG' <<<"$said" ||
    { printf '%s\n' "$said" >&2; echo "check-apt: apt failed otherwise than on the signature, $1" >&2; exit 1; }
  echo "check-apt: refused $1: $(grep -m1 -oE '(is (no longer|not) signed|NO_PUBKEY [0-9A-F]+|BADSIG [0-9A-F]+)' <<<"$said")"
}
cp "$repo/InRelease" "$work/InRelease" && cp "$repo/Release.gpg" "$work/Release.gpg"
sed -i 's/^Label: Vellacor$/Label: Vellacorp/' "$repo/InRelease"
refused "with its Release changed"
rm "$repo/InRelease" "$repo/Release.gpg"
refused unsigned
export GNUPGHOME=$work/other-gnupg
mkdir -m 700 "$GNUPGHOME"
gpg --batch --quiet --passphrase '' --quick-generate-key 'Someone else <other@vellacor.invalid>' rsa3072 sign never 2>/dev/null
gpg --batch --quiet --clearsign --output "$repo/InRelease" "$repo/Release"
gpg --batch --quiet --armor --detach-sign --output "$repo/Release.gpg" "$repo/Release"
refused "signed by another key"
