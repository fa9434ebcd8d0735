#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
#
# Proves that `make dist` signs what it should, as the people who receive
# the files check them: with a throwaway certificate authority, a
# code-signing certificate under it (its key behind a passphrase) and an
# OpenPGP key, all made here and thrown away after, it runs `make dist` in
# a clone of the last commit and checks every Authenticode signature with
# `osslsigncode verify -CAfile` (the programs in both zips, both
# installers, both MSIs, and the uninstaller that the 64-bit installer leaves after a
# silent install under Wine), SHA256SUMS.asc with `gpg --verify`, and each
# signed program against the unsigned build in dist/
# (scripts/check-reproducible.sh makes it; scripts/compare-signed.sh), and
# the site's signed apt repository on a Debian 11 desk (scripts/check-apt.sh).
#   scripts/check-signing.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f dist/SHA256SUMS ] || { echo "check-signing: no unsigned dist/: run scripts/check-reproducible.sh first" >&2; exit 1; }
[ ! -f dist/SHA256SUMS.asc ] || { echo "check-signing: dist/ is signed: it must be the unsigned build" >&2; exit 1; }
scripts/install-deps.sh dist windows
work=$(mktemp -d)
# shellcheck disable=SC2317  # called by the trap
cleanup() { rm -rf "$work"; }
trap cleanup EXIT
keys=$work/keys
mkdir -m 700 "$keys"
epoch=$(git log -1 --format=%ct)

# The throwaway authority and signer, the key as a releaser keeps one.
openssl req -x509 -newkey rsa:3072 -nodes -keyout "$keys/ca.key" -out "$keys/ca.pem" -days 30 \
  -subj "/CN=Vellacor throwaway test CA" -addext "basicConstraints=critical,CA:TRUE" \
  -addext "keyUsage=critical,keyCertSign" 2>/dev/null
head -c 24 /dev/urandom | base64 >"$keys/pass"
openssl genpkey -algorithm RSA -pkeyopt rsa_keygen_bits:3072 -aes-256-cbc \
  -pass "file:$keys/pass" -out "$keys/signer.key" 2>/dev/null
openssl req -new -key "$keys/signer.key" -passin "file:$keys/pass" -out "$keys/signer.csr" \
  -subj "/CN=Vellacor throwaway test signer/O=Vellacor" 2>/dev/null
printf '%s\n' basicConstraints=CA:FALSE keyUsage=critical,digitalSignature \
  extendedKeyUsage=codeSigning >"$keys/signer.ext"
openssl x509 -req -in "$keys/signer.csr" -CA "$keys/ca.pem" -CAkey "$keys/ca.key" \
  -CAcreateserial -days 30 -extfile "$keys/signer.ext" -out "$keys/signer.pem" 2>/dev/null
cat "$keys/signer.pem" "$keys/ca.pem" >"$keys/chain.pem"
# The OpenPGP key, made as of a day before the commit, as a releaser's
# key is older than what it signs.
export GNUPGHOME=$keys/gnupg
mkdir -m 700 "$GNUPGHOME"
gpg --batch --quiet --passphrase '' --faked-system-time "$((epoch - 86400))" \
  --quick-generate-key 'Vellacor throwaway test <test@vellacor.invalid>' rsa3072 sign never 2>/dev/null
fingerprint=$(gpg --batch --with-colons --list-secret-keys | awk -F: '$1 == "fpr" { print $10; exit }')

clone=$work/vellacor
git clone -q --no-hardlinks "$PWD" "$clone"
echo "check-signing: make dist in $clone, signed"
(cd "$clone" && VELLACOR_SIGN_CERT=$keys/chain.pem VELLACOR_SIGN_KEY=$keys/signer.key \
  VELLACOR_SIGN_PASS_FILE=$keys/pass VELLACOR_GPG_KEY=$fingerprint make dist >"$work/dist.log" 2>&1) ||
  { tail -n 30 "$work/dist.log" >&2; echo "check-signing: make dist failed" >&2; exit 1; }
signed=$clone/dist

# verify FILE [NAME]: its Authenticode signature, by the throwaway authority.
verify() {
  local report
  report=$(osslsigncode verify -CAfile "$keys/ca.pem" -in "$1" 2>&1) ||
    { printf '%s\n' "$report" >&2; echo "check-signing: ${2:-$1}: not signed as it should be" >&2; exit 1; }
  echo "osslsigncode verify ${2:-$(basename "$1")}: $(grep -m1 'Signing time' <<<"$report" | sed 's/^\s*//'); $(tail -n 1 <<<"$report")"
}
for zip in "$signed"/*-win*.zip; do
  mkdir -p "$work/zips/${zip##*/}"
  python3 -m zipfile -e "$zip" "$work/zips/${zip##*/}"
  while IFS= read -r -d '' program; do
    verify "$program" "${zip##*/}: ${program#"$work/zips/${zip##*/}/"}"
  done < <(find "$work/zips/${zip##*/}" -name '*.exe' -print0)
done
for package in "$signed"/*-setup.exe "$signed"/*.msi; do verify "$package"; done

# The uninstaller as the 64-bit installer writes it: this machine runs no
# 32-bit Windows program, and the 32-bit installer's is made by the same
# lines of the same template.
. scripts/wine-env.sh
. scripts/private-display.sh
export WINEPREFIX=$work/wine
cleanup() { "$wineserver" -k 2>/dev/null || true; rm -rf "$work"; }
private_display
wine_prefix "$WINEPREFIX"
"$wine64" "$signed"/vellacor-*-win64-setup.exe /S
uninstaller=$("$wine64" winepath -u "$("$wine64" cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')\\Programs\\Vellacor\\uninstall.exe" | tr -d '\r')
verify "$uninstaller" "the installed uninstall.exe"
"$wine64" "$(dirname "$uninstaller")/uninstall.exe" /S
"$wineserver" -w

echo "gpg --verify SHA256SUMS.asc SHA256SUMS:"
gpg --batch --verify "$signed/SHA256SUMS.asc" "$signed/SHA256SUMS" 2>&1 | sed 's/^/  /'
(cd "$signed" && sha256sum --quiet -c SHA256SUMS)
scripts/compare-signed.sh "$signed" dist
# The site's apt repository, signed by the same key, on a desk.
VELLACOR_GPG_KEY=$fingerprint scripts/check-apt.sh "$signed"/vellacor-*-site.zip
echo "check-signing: every Windows file signed, SHA256SUMS and the apt repository signed, the signed programs this commit's"
