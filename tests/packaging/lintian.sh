#!/usr/bin/env bash
# lintian (pedantic) reports no error on the package, and none at all about the
# launcher's hardening. Without the package's overrides its only errors are
# the two that placing an add-on package in /opt and /etc/opt brings, the only
# tags the overrides name (each with its reason). Warnings and notes are shown.
# lintian.sh OUT_DIR
source "$(dirname "$0")/common.sh"
deb=$(deb_in "$1")
scratch
allowed='dir-or-file-in-opt|dir-or-file-in-etc-opt'

rc=0
lintian --fail-on error --display-info --pedantic "$deb" | tee "$TW_SCRATCH/lintian" || rc=$?
[ "$rc" -eq 0 ] || fail "lintian reports errors (exit $rc)"
! grep -E '^[EWIPX]: [^ ]+: hardening-' "$TW_SCRATCH/lintian" || fail "lintian finds the launcher without some hardening"

note "without overrides"
lintian --no-override --display-info --pedantic "$deb" >"$TW_SCRATCH/bare" || true
others=$(grep '^E: ' "$TW_SCRATCH/bare" | grep -Ev "^E: [^ ]+: ($allowed) " || true)
[ -z "$others" ] || fail "without overrides lintian reports other errors: $others"
grep -v '^E: ' "$TW_SCRATCH/bare" | sed 's/^/   /' || true

note "the overrides name only those tags"
x=$TW_SCRATCH/x
dpkg-deb -x "$deb" "$x"
overrides=$x/usr/share/lintian/overrides/$TW_PKG
tags=$(grep -v '^#' "$overrides" | grep -v '^$' | sed 's/^[^:]*: *//; s/ .*//' | sort -u | tr '\n' ' ')
[ "$tags" = "dir-or-file-in-etc-opt dir-or-file-in-opt " ] || fail "the overrides name: $tags"
note "ok"
