#!/usr/bin/env bash
# The administrator's edit of the log-level file survives everything: moved
# from its place up to 1.0.0 (a conffile in /opt/Varnholt/Tidewell/log) to the
# conffile in /etc/opt by the upgrade to this package. Two users run the
# installed launcher; an apt upgrade to a package with a higher version (a
# higher build of the sample package, one plug-in link fewer) keeps the edit,
# drops the link, and each user's copy is upgraded at the user's next start (a
# running client is stopped first). `apt-get remove` leaves only the edited
# conffile in /etc/opt and nothing in /opt; `apt-get purge` takes it too.
# system_remove_upgrade.sh OUT_DIR SOURCE_DIR
source "$(dirname "$0")/common.sh"
require_system_tests
deb=$(deb_in "$1")
src=$2
scratch
prepare_system
version1=$(dpkg-deb -f "$deb" Version)

# This package as packages up to 1.0.0 laid it out: the conffile in log/.
old=$TW_SCRATCH/old
dpkg-deb -R "$deb" "$old"
rm "$old$TW_CONF_LINK" "$old/DEBIAN/preinst" "$old/DEBIAN/postinst" "$old/DEBIAN/postrm"
mv "$old$TW_CONF" "$old$TW_CONF_LINK"
rm -r "$old/etc"
echo "$TW_CONF_LINK" >"$old/DEBIAN/conffiles"
sed -i "s/^Version: .*/Version: 1.0.0/" "$old/DEBIAN/control"
dpkg --compare-versions 1.0.0 lt "$version1" || fail "1.0.0 is not older than $version1"
(cd "$old" && find . -path ./DEBIAN -prune -o -type f -printf '%P\0' | sort -z | xargs -0 md5sum) >"$old/DEBIAN/md5sums"
dpkg-deb --root-owner-group -b "$old" "$TW_SCRATCH/old.deb" >/dev/null

note "apt-get install of the old layout (1.0.0), then the administrator edits $TW_CONF_LINK"
apt_get install "$TW_SCRATCH/old.deb" || fail "apt-get install of the old layout failed"
[ -f "$TW_CONF_LINK" ] && [ ! -L "$TW_CONF_LINK" ] || fail "the old layout has no plain $TW_CONF_LINK"
sed -i 's/^launcher_debug=.*/launcher_debug=7/' "$TW_CONF_LINK"
echo "# raised by the administrator" >>"$TW_CONF_LINK"
cp "$TW_CONF_LINK" "$TW_SCRATCH/edited"

note "apt upgrade to $deb: the edit moves to $TW_CONF"
apt_get install "$deb" || fail "apt-get install of the package failed"
[ "$(dpkg-query -W -f='${Version}' "$TW_PKG")" = "$version1" ] || fail "upgrade did not install $version1"
[ "$(readlink "$TW_CONF_LINK")" = "$TW_CONF" ] || fail "$TW_CONF_LINK does not lead to $TW_CONF"
cmp -s "$TW_CONF" "$TW_SCRATCH/edited" || fail "the administrator's edit did not reach $TW_CONF: $(cat "$TW_CONF")"
[ ! -e "$TW_CONF.dpkg-migrate" ] || fail "$TW_CONF.dpkg-migrate was left behind"
conffiles=$(dpkg-query -W -f='${Conffiles}\n' "$TW_PKG" | awk 'NF { print $1 }' | tr '\n' ' ')
[ "$conffiles" = "$TW_CONF " ] || fail "dpkg records the conffiles: $conffiles"
build1=$(ini_value "$TW_PREFIX/INFO" build_version)

note "two users start the launcher: first installations of build $build1"
# One runs as root in a sandbox HOME, one as nobody; the first keeps its client running.
launcher_run "$TW_PREFIX" "$TW_SCRATCH/home-a" keep
TW_RUN_AS=nobody
first_installation_run "$TW_PREFIX" "$TW_SCRATCH/home-b"
TW_RUN_AS=""
# The administrator's level reached the launcher through the link.
grep -q '\[DEBUG\]' "$TW_SCRATCH/home-a/.TidewellBackup/log/launcher.log" ||
    fail "the launcher did not log at the administrator's level 7 from $TW_CONF_LINK"

# The next version as the build makes it: version M.m.B+1, the sample package
# repacked at build B+1 with the same client and start script; one plug-in fewer.
v2=$TW_SCRATCH/v2
dpkg-deb -R "$deb" "$v2"
build2=$((build1 + 1))
version2=${version1%.*}.$build2
[ "${version1##*.}" = "$build1" ] || fail "package version $version1 does not end in the build $build1"
dpkg --compare-versions "$version2" gt "$version1" || fail "$version2 is not higher than $version1"
unpacked=$TW_SCRATCH/qpk
mkdir -p "$unpacked"
bsdtar -xf "$v2$TW_PREFIX/package/tidewell.qpk" -C "$unpacked" || fail "cannot unpack the sample package"
cmake -DCLIENT="$unpacked/bin/tidewell-backup-ui" -DSCRIPT="$unpacked/package/start-stop" \
      -DVERSION="$version2" -DOUT_DIR="$v2$TW_PREFIX" -P "$src/demo/pack.cmake" ||
    fail "repacking the sample package at build $build2 failed"
sed -i "s/^Version: .*/Version: $version2/" "$v2/DEBIAN/control"
dropped=$(cd "$v2" && find "${TW_PREFIX#/}/lib/plugins" -type l | sort | head -n 1)
[ -n "$dropped" ] || fail "no plug-in link in the package to drop"
rm "$v2/$dropped"
(cd "$v2" && find . -path ./DEBIAN -prune -o -type f -printf '%P\0' | sort -z | xargs -0 md5sum) >"$v2/DEBIAN/md5sums"
dpkg-deb --root-owner-group -b "$v2" "$TW_SCRATCH/next.deb" >/dev/null

note "apt upgrade to $version2, which no longer has /$dropped"
apt_get install "$TW_SCRATCH/next.deb" || fail "apt-get install of the upgrade failed"
[ "$(dpkg-query -W -f='${Version}' "$TW_PKG")" = "$version2" ] || fail "upgrade did not install $version2"
cmp -s "$TW_CONF" "$TW_SCRATCH/edited" || fail "the upgrade changed the administrator's $TW_CONF"
[ ! -e "/$dropped" ] && [ ! -L "/$dropped" ] || fail "the upgrade left /$dropped behind"
[ "$(ini_value "$TW_PREFIX/INFO" build_version)" = "$build2" ] || fail "the upgrade did not bring build $build2"
find "$TW_PREFIX" | sort >"$TW_SCRATCH/on-disk"
dpkg-query -L "$TW_PKG" | grep -e "^$TW_PREFIX\$" -e "^$TW_PREFIX/" | sort >"$TW_SCRATCH/owned"
diff -u "$TW_SCRATCH/owned" "$TW_SCRATCH/on-disk" || fail "after the upgrade $TW_PREFIX holds files the package does not own (+)"

note "each user's next start upgrades the user's copy to build $build2"
launcher_run "$TW_PREFIX" "$TW_SCRATCH/home-a" end
TW_RUN_AS=nobody
launcher_run "$TW_PREFIX" "$TW_SCRATCH/home-b" end
TW_RUN_AS=""

note "apt-get remove"
apt_get remove "$TW_PKG" || fail "apt-get remove failed"
[ "$(package_state)" = rc ] || fail "package state after remove is '$(package_state)', expected rc"
[ ! -e "$TW_PREFIX" ] || fail "after remove $TW_PREFIX holds: $(cd "$TW_PREFIX" && find . -mindepth 1 | tr '\n' ' ')"
left=$(cd "$(dirname "$TW_CONF")" && find . -mindepth 1 | sort | tr '\n' ' ')
[ "$left" = "./$(basename "$TW_CONF") " ] || fail "after remove $(dirname "$TW_CONF") holds: $left"
cmp -s "$TW_CONF" "$TW_SCRATCH/edited" || fail "remove changed the administrator's $TW_CONF"
assert_no_system_files

note "apt-get purge"
apt_get purge "$TW_PKG" || fail "apt-get purge failed"
assert_purged
note "ok"
