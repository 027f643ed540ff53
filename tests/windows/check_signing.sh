#!/bin/bash
# SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A school can sign the program and the installer package with its own code-signing certificate,
# with the osslsigncode commands the README shows: here with a throwaway self-signed certificate
# made for this run alone (no key is ever kept). The signatures verify against that certificate,
# and the unsigned files, as shipped, carry none.
# Usage: check_signing.sh PLACEVALUE_EXE MSI
set -euo pipefail
exe=$(realpath "$1")
msi=$(realpath "$2")
# shellcheck source=tests/support/checks.sh
source "$(dirname "$0")/../support/checks.sh"
need windows openssl osslsigncode

cd "$scratch"

openssl req -x509 -newkey rsa:3072 -sha256 -days 1 -nodes -subj "/CN=Test School IT/O=Test School" \
    -addext extendedKeyUsage=codeSigning -keyout school.key -out school.crt > /dev/null 2>&1 ||
    fail "openssl cannot make a certificate"
# As the README has it, with the school's PFX file: the same certificate and key in one.
openssl pkcs12 -export -inkey school.key -in school.crt -passout pass:test -out school.pfx ||
    fail "openssl cannot make a PFX file"

for file in "$exe" "$msi"; do
    name=$(basename "$file")
    if osslsigncode verify -CAfile school.crt -in "$file" > verify.out 2>&1 ||
        ! grep -qi 'no signature' verify.out; then
        fail "$name, as shipped, is not unsigned: $(tail -n 3 verify.out)"
    fi
    osslsigncode sign -pkcs12 school.pfx -pass test -n "البلمزية" -h sha256 \
        -in "$file" -out "signed-$name" > sign.out 2>&1 || fail "cannot sign $name: $(cat sign.out)"
    osslsigncode verify -CAfile school.crt -in "signed-$name" > verify.out 2>&1 ||
        fail "the signature of $name does not verify: $(tail -n 5 verify.out)"
    grep -q 'Subject: /CN=Test School IT/O=Test School' verify.out || fail "$name is not signed by the school"
    echo "$name: signed and verified"
done
echo "PASS"
