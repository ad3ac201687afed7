#!/usr/bin/env bash
# The project() line is the one source of the version: raised there, a rebuild
# of an existing build tree brings it to the sample package's INFO (in the
# package installation and in the package archive), to the Debian package's
# version, changelog and AppStream release. An old build number left in the
# cache by earlier build trees has no say. Works on a copy of the sources in a
# build tree of its own, building only the sample package.
# version_bump.sh SOURCE_DIR GENERATOR
source "$(dirname "$0")/common.sh"
src=$1 generator=$2
scratch
copy=$TW_SCRATCH/src
build=$TW_SCRATCH/build
mkdir -p "$copy"
tar -C "$src" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$copy" -xf -

# The version of the copy's project() line, and the line with another.
project_version() {
    sed -n 's/^project(tidewell-launcher VERSION \([0-9.]*\)[ )].*/\1/p' "$copy/CMakeLists.txt"
}
set_project_version() {
    sed -i "s/^\(project(tidewell-launcher VERSION \)[0-9.]*/\1$1/" "$copy/CMakeLists.txt"
    [ "$(project_version)" = "$1" ] || fail "could not set the version in $copy/CMakeLists.txt"
}

# Everything that carries the version, checked against VERSION.
check_version() {
    local version=$1 info got
    local root=$build/demo/package-root
    bsdtar -xOf "$root/package/tidewell.qpk" INFO >"$TW_SCRATCH/qpk-INFO" || fail "no INFO in the package archive"
    for info in "$root/INFO" "$TW_SCRATCH/qpk-INFO"; do
        got="$(ini_value "$info" major_version).$(ini_value "$info" minor_version).$(ini_value "$info" build_version)"
        [ "$got" = "$version" ] || fail "${info#"$TW_SCRATCH/"} says $got, the project is $version"
    done
    got=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
    [ "$got" = "$version" ] || fail "the Debian package would be version '$got', the project is $version"
    got=$(dpkg-parsechangelog -l "$build/packaging/changelog" -S Version)
    [ "$got" = "$version" ] || fail "the changelog's top entry is $got, the project is $version"
    grep -q "<release version=\"$version\"" "$build/packaging/"*.metainfo.xml ||
        fail "the AppStream metadata have no release $version"
    note "INFO (both), package version, changelog and AppStream release say $version"
}

v1=$(project_version)
[ -n "$v1" ] || fail "no version in the project() line of $src/CMakeLists.txt"
note "configure and build the sample package at $v1 (with an old build number in the cache)"
cmake -S "$copy" -B "$build" -G "$generator" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTIDEWELL_BUILD_TESTS=OFF \
      -DTIDEWELL_DEMO_BUILD=1234 >"$TW_SCRATCH/configure.log" 2>&1 ||
    { cat "$TW_SCRATCH/configure.log"; fail "configure failed"; }
cmake --build "$build" --target sample-package >"$TW_SCRATCH/build.log" 2>&1 ||
    { cat "$TW_SCRATCH/build.log"; fail "build failed"; }
check_version "$v1"

IFS=. read -r major minor build_no <<<"$v1"
v2=$major.$((minor + 1)).$((build_no + 1))
note "raise the project() version to $v2 and rebuild the same build tree"
set_project_version "$v2"
cmake --build "$build" --target sample-package >"$TW_SCRATCH/build.log" 2>&1 ||
    { cat "$TW_SCRATCH/build.log"; fail "rebuild failed"; }
check_version "$v2"

note "a build number alone: $major.$((minor + 1)).$((build_no + 2))"
v3=$major.$((minor + 1)).$((build_no + 2))
set_project_version "$v3"
cmake --build "$build" --target sample-package >"$TW_SCRATCH/build.log" 2>&1 ||
    { cat "$TW_SCRATCH/build.log"; fail "rebuild failed"; }
check_version "$v3"
note "ok"
