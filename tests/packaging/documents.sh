#!/usr/bin/env bash
# The desktop entry passes desktop-file-validate and starts the packaged
# launcher with the packaged icon; copyright and changelog are in place.
# documents.sh OUT_DIR VERSION
source "$(dirname "$0")/common.sh"
out=$1 version=$2
deb=$(deb_in "$out")
scratch
x=$TW_SCRATCH/x
dpkg-deb -x "$deb" "$x"

note "desktop entry"
entry=$x/usr/share/applications/$TW_PKG.desktop
[ -f "$entry" ] || fail "no desktop entry in the package"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects the desktop entry"
key() { sed -n "s/^$1=//p" "$entry" | head -n 1; }
[ "$(key Type)" = Application ] || fail "Type is '$(key Type)'"
[ "$(key Name)" = "Tidewell Backup" ] || fail "Name is '$(key Name)'"
exec_path=$(key Exec | awk '{ print $1 }')
[ "$exec_path" = "$TW_PREFIX/bin/tidewell-launcher" ] || fail "Exec starts '$exec_path', not the packaged launcher"
[ -x "$x$exec_path" ] || fail "Exec names $exec_path, which the package does not carry"
echo ";$(key Categories)" | grep -q ';Utility;' || fail "Categories lack the main category Utility: '$(key Categories)'"
icon=$(key Icon)
png=$x/usr/share/icons/hicolor/72x72/apps/$icon.png
[ -f "$png" ] || fail "Icon '$icon' is not in the package's hicolor 72x72 apps folder"
file -b "$png" | grep -q '^PNG image data, 72 x 72,' || fail "hicolor icon is not a 72x72 PNG: $(file -b "$png")"

note "copyright"
copyright=$x/usr/share/doc/$TW_PKG/copyright
[ -f "$copyright" ] || fail "no /usr/share/doc/$TW_PKG/copyright"
head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "copyright is not in the machine-readable format"
grep -qx 'Copyright: 2026 The Tidewell Backup developers' "$copyright" || fail "copyright lacks the project's notice"
# Every license named in a Files paragraph has its own License paragraph.
for lic in $(sed -n 's/^License: //p' "$copyright" | tr ' ' '\n' | grep -vx 'or\|and' | sort -u); do
    grep -qx "License: $lic" "$copyright" || fail "copyright names license $lic without its text"
done
grep -q '^Files: .*lib/plugins/\*' "$copyright" || fail "copyright does not cover the bundled Qt plug-ins"

note "changelog"
changelog=$x/usr/share/doc/$TW_PKG/changelog.gz
[ -f "$changelog" ] || fail "no /usr/share/doc/$TW_PKG/changelog.gz"
gzip -dc "$changelog" >"$TW_SCRATCH/changelog"
got=$(dpkg-parsechangelog -l "$TW_SCRATCH/changelog" -S Version)
[ "$got" = "$version" ] || fail "changelog's top entry is $got, the package is $version"
note "ok"
