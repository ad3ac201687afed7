#!/usr/bin/env bash
# The desktop entry passes desktop-file-validate and starts the packaged
# launcher with the packaged icon; the AppStream metadata pass appstreamcli's
# validation and name that desktop entry and icon; copyright and changelog
# are in place.
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

note "AppStream metadata"
metainfo=$x$TW_METAINFO
[ -f "$metainfo" ] || fail "no $TW_METAINFO in the package"
appstreamcli validate --no-net --explain "$metainfo" || fail "appstreamcli validate rejects $TW_METAINFO"
# The tree as installed: the metadata with the desktop entry they launch.
appstreamcli validate-tree --no-net "$x" || fail "appstreamcli validate-tree rejects the package's files"
# The one-line element TAG (with attributes ATTRS, if given) of the metadata.
element() {
    sed -n "s|^ *<$1${2:+ $2}>\([^<]*\)</$1>\$|\1|p" "$metainfo" | head -n 1
}
grep -q '^<component type="desktop-application">$' "$metainfo" || fail "the component is no desktop-application"
[ "$(element id)" = "$(basename "$TW_METAINFO" .metainfo.xml)" ] ||
    fail "component id '$(element id)' does not match the file name $(basename "$TW_METAINFO")"
[ "$(element name)" = "$(key Name)" ] || fail "AppStream name '$(element name)' is not the desktop entry's"
[ -n "$(element summary)" ] || fail "no summary"
grep -q '<description>' "$metainfo" && grep -q '<p>' "$metainfo" || fail "no description"
[ "$(element launchable 'type="desktop-id"')" = "$TW_PKG.desktop" ] ||
    fail "launchable is not the desktop entry $TW_PKG.desktop"
[ "$(element icon 'type="stock"')" = "$icon" ] || fail "AppStream icon is not the desktop entry's '$icon'"
[ "$(element project_license)" = MIT ] || fail "project_license is '$(element project_license)'"
[ -n "$(element metadata_license)" ] || fail "no metadata_license"
release=$(sed -n 's|^ *<release version="\([^"]*\)".*|\1|p' "$metainfo" | head -n 1)
[ "$release" = "$version" ] || fail "latest AppStream release is '$release', the package is $version"

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
# The plug-ins are links to Debian's Qt packages, whose own copyright files cover them.
! grep -q '^Files: .*lib/plugins' "$copyright" || fail "copyright claims Qt plug-ins the package no longer carries"

note "changelog"
changelog=$x/usr/share/doc/$TW_PKG/changelog.gz
[ -f "$changelog" ] || fail "no /usr/share/doc/$TW_PKG/changelog.gz"
gzip -dc "$changelog" >"$TW_SCRATCH/changelog"
got=$(dpkg-parsechangelog -l "$TW_SCRATCH/changelog" -S Version)
[ "$got" = "$version" ] || fail "changelog's top entry is $got, the package is $version"
note "ok"
