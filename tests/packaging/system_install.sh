#!/usr/bin/env bash
# `apt-get install ./<package>.deb` on this machine pulls in what it needs; the
# installed launcher runs a first installation for a user, started from
# /opt/Varnholt/Tidewell/bin and by the desktop entry's Exec line, with the Qt
# plug-ins of Debian's packages behind the package's links; `apt-get purge`
# then leaves nothing of the package.
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
         "/usr/share/doc/$TW_PKG/copyright" "$TW_METAINFO" "$TW_PREFIX/bin/tidewell-launcher" "$TW_CONF"; do
    [ -f "$f" ] || fail "$f is missing after the install"
done
[ "$(readlink "$TW_CONF_LINK")" = "$TW_CONF" ] || fail "$TW_CONF_LINK does not lead to $TW_CONF"
# Every plug-in link resolves to a file of an installed package.
links=0
while IFS= read -r -d '' link; do
    target=$(readlink -e "$link") || fail "$link is a broken link ($(readlink "$link"))"
    dpkg-query -S "$target" >/dev/null 2>&1 || fail "$link leads to $target, which no package owns"
    links=$((links + 1))
done < <(find "$TW_PREFIX/lib/plugins" -type l -print0)
[ "$links" -gt 0 ] || fail "no plug-in links in $TW_PREFIX/lib/plugins"
[ -z "$(find "$TW_PREFIX/lib/plugins" -type f)" ] || fail "$TW_PREFIX/lib/plugins holds copies of plug-ins"
note "$links plug-in links, all to files of installed packages"

# A user without privileges, as on a machine with several users.
TW_RUN_AS=nobody
note "first installation by the installed launcher, started from $TW_PREFIX/bin"
# Qt's search list is the package's lib/plugins only, so the offscreen
# platform it starts on is found through the links.
first_installation_run "$TW_PREFIX" "$TW_SCRATCH/home-bin"

note "first installation started by the desktop entry"
entry=/usr/share/applications/$TW_PKG.desktop
exec_line=$(sed -n 's/^Exec=//p' "$entry" | head -n 1)
[ -n "$exec_line" ] || fail "no Exec line in $entry"
# Field codes (%f, %U, ...) expand to nothing here: no files are passed.
read -r -a exec_words <<<"$(echo "$exec_line" | sed -e 's/%[a-zA-Z]//g')"
first_installation_run "$TW_PREFIX" "$TW_SCRATCH/home-desktop" "${exec_words[@]}"
TW_RUN_AS=""

note "apt-get purge"
apt_get purge "$TW_PKG" || fail "apt-get purge failed"
assert_purged
note "ok"
