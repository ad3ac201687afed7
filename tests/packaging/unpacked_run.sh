#!/usr/bin/env bash
# The launcher unpacked from the package with `dpkg-deb -x` runs a full first
# installation for a new HOME.
# unpacked_run.sh OUT_DIR
source "$(dirname "$0")/common.sh"
deb=$(deb_in "$1")
scratch
dpkg-deb -x "$deb" "$TW_SCRATCH/root"
first_installation_run "$TW_SCRATCH/root$TW_PREFIX" "$TW_SCRATCH/home"
note "ok"
