#!/usr/bin/env bash
# The administrator's edited log/launcher.debug is a conffile: an upgrade keeps
# it and drops the files the new version no longer has, `apt-get remove` leaves
# only it under /opt/Varnholt/Tidewell, and `apt-get purge` takes it too.
# system_remove_upgrade.sh OUT_DIR
source "$(dirname "$0")/common.sh"
require_system_tests
deb=$(deb_in "$1")
scratch
prepare_system
conf=$TW_PREFIX/log/launcher.debug

note "apt-get install $deb, then the administrator edits $conf"
apt_get install "$deb" || fail "apt-get install of the package failed"
sed -i 's/^launcher_debug=.*/launcher_debug=7/' "$conf"
echo "# raised by the administrator" >>"$conf"
cp "$conf" "$TW_SCRATCH/edited"

# The next version: same package, one plug-in fewer.
v2=$TW_SCRATCH/v2
dpkg-deb -R "$deb" "$v2"
version2="$(dpkg-deb -f "$deb" Version)+next1"
sed -i "s/^Version: .*/Version: $version2/" "$v2/DEBIAN/control"
dropped=$(cd "$v2" && find "${TW_PREFIX#/}/lib/plugins" -type f | sort | head -n 1)
[ -n "$dropped" ] || fail "no plug-in in the package to drop"
rm "$v2/$dropped"
awk -v f="$dropped" '$2 != f' "$v2/DEBIAN/md5sums" >"$v2/md5sums" && mv "$v2/md5sums" "$v2/DEBIAN/md5sums"
dpkg-deb --root-owner-group -b "$v2" "$TW_SCRATCH/next.deb" >/dev/null

note "upgrade to $version2, which no longer has /$dropped"
apt_get install "$TW_SCRATCH/next.deb" || fail "apt-get install of the upgrade failed"
[ "$(dpkg-query -W -f='${Version}' "$TW_PKG")" = "$version2" ] || fail "upgrade did not install $version2"
cmp -s "$conf" "$TW_SCRATCH/edited" || fail "the upgrade changed the administrator's $conf"
[ ! -e "/$dropped" ] || fail "the upgrade left /$dropped behind"
find "$TW_PREFIX" | sort >"$TW_SCRATCH/on-disk"
dpkg-query -L "$TW_PKG" | grep -e "^$TW_PREFIX\$" -e "^$TW_PREFIX/" | sort >"$TW_SCRATCH/owned"
diff -u "$TW_SCRATCH/owned" "$TW_SCRATCH/on-disk" || fail "after the upgrade $TW_PREFIX holds files the package does not own (+)"

note "apt-get remove"
apt_get remove "$TW_PKG" || fail "apt-get remove failed"
[ "$(package_state)" = rc ] || fail "package state after remove is '$(package_state)', expected rc"
left=$(cd "$TW_PREFIX" && find . -mindepth 1 | sort | tr '\n' ' ')
[ "$left" = "./log ./log/launcher.debug " ] || fail "after remove $TW_PREFIX holds: $left"
cmp -s "$conf" "$TW_SCRATCH/edited" || fail "remove changed the administrator's $conf"
assert_no_system_files

note "apt-get purge"
apt_get purge "$TW_PKG" || fail "apt-get purge failed"
assert_purged
note "ok"
