#!/usr/bin/env bash
# lintian reports no error on the package (its overrides say why each
# overridden tag does not apply); warnings and notes are shown.
# lintian.sh OUT_DIR
source "$(dirname "$0")/common.sh"
deb=$(deb_in "$1")
rc=0
lintian --fail-on error --display-info --pedantic "$deb" || rc=$?
[ "$rc" -eq 0 ] || fail "lintian reports errors (exit $rc)"
note "ok"
