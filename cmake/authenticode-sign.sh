#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
#
# Signs Windows files in place (programs, installers, MSIs) with
# Authenticode, SHA-256, by the releaser's own certificate and key, as
# `make dist` is told them:
#   VELLACOR_SIGN_CERT       PEM: the code-signing certificate and its chain
#   VELLACOR_SIGN_KEY        PEM: its private key
#   VELLACOR_SIGN_PASS_FILE  the key's passphrase, where it has one
#   VELLACOR_SIGN_TIMESTAMP  an RFC 3161 server to countersign the time;
#                            without one the signing time is the commit's
#                            (SOURCE_DATE_EPOCH), so that signing the same
#                            files twice gives the same bytes
# Run by cpack for the program, by NSIS for the installer and the
# uninstaller it writes, and by `make dist` for the MSIs.
#   cmake/authenticode-sign.sh FILE...
set -euo pipefail
: "${VELLACOR_SIGN_CERT:?names no certificate}" "${VELLACOR_SIGN_KEY:?names no key}"
signing=(-certs "$VELLACOR_SIGN_CERT" -key "$VELLACOR_SIGN_KEY" -h sha256 -n Vellacor)
[ -z "${VELLACOR_SIGN_PASS_FILE:-}" ] || signing+=(-readpass "$VELLACOR_SIGN_PASS_FILE")
if [ -n "${VELLACOR_SIGN_TIMESTAMP:-}" ]; then
  signing+=(-ts "$VELLACOR_SIGN_TIMESTAMP")
else
  signing+=(-time "${SOURCE_DATE_EPOCH:?is needed for the signing time without a time-stamp server}")
fi
for file; do
  osslsigncode sign "${signing[@]}" -in "$file" -out "$file.signed" >/dev/null
  mv -f -- "$file.signed" "$file"
done
