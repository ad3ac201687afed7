#!/usr/bin/env bash
# Builds the Debian package from the build tree with CPack.
# build_deb.sh BUILD_DIR OUT_DIR
source "$(dirname "$0")/common.sh"
build=$1 out=$2

rm -rf "$out"
mkdir -p "$out"
cd "$build"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" || fail "cpack -G DEB failed"
deb=$(deb_in "$out")
note "built $deb"
dpkg-deb --info "$deb"
