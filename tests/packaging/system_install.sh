#!/usr/bin/env bash
# `apt-get install ./<package>.deb` on this machine pulls in what it needs and
# the launcher runs a first installation from /opt/Varnholt/Tidewell/bin;
# `apt-get purge` then leaves no /opt/Varnholt/Tidewell.
# system_install.sh OUT_DIR
source "$(dirname "$0")/common.sh"
require_system_tests
deb=$(deb_in "$1")
scratch
prepare_system

note "apt-get install $deb"
apt_get install "$deb" || fail "apt-get install of the package failed"
[ "$(package_state)" = ii ] || fail "package state after install is '$(package_state)'"
[ "$(dpkg-query -W -f='${Version}' "$TW_PKG")" = "$(dpkg-deb -f "$deb" Version)" ] ||
    fail "installed version is not the package's"
apt-get check -q || fail "dependencies are not satisfied after the install"
[ -z "$(dpkg --audit)" ] || fail "dpkg --audit: $(dpkg --audit)"
for f in "/usr/share/applications/$TW_PKG.desktop" "/usr/share/icons/hicolor/72x72/apps/$TW_PKG.png" \
         "/usr/share/doc/$TW_PKG/copyright" "$TW_PREFIX/bin/tidewell-launcher"; do
    [ -f "$f" ] || fail "$f is missing after the install"
done

note "first installation by the installed launcher"
first_installation_run "$TW_PREFIX" "$TW_SCRATCH/home"

note "apt-get purge"
apt_get purge "$TW_PKG" || fail "apt-get purge failed"
assert_purged
note "ok"
