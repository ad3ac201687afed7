#!/usr/bin/env bash
# The package holds exactly the package installation that `cmake --install`
# lays out (which itself stays inside its prefix), placed at /opt/Varnholt/Tidewell,
# plus the desktop entry, the icon and the documents; its control data carry
# the project's version, the conffile and dependencies that cover every binary.
# contents.sh BUILD_DIR OUT_DIR VERSION
source "$(dirname "$0")/common.sh"
build=$1 out=$2 version=$3
deb=$(deb_in "$out")
scratch

note "cmake --install stays inside its prefix"
dest=$TW_SCRATCH/dest
DESTDIR=$dest cmake --install "$build" --prefix /ROOT >"$TW_SCRATCH/install.log" ||
    { cat "$TW_SCRATCH/install.log"; fail "cmake --install failed"; }
outside=$(cd "$dest" && find . -mindepth 1 ! -path './ROOT' ! -path './ROOT/*')
[ -z "$outside" ] || fail "cmake --install wrote outside its prefix: $outside"
root=$dest/ROOT
for f in bin/tidewell-launcher INFO package/tidewell.qpk images/ico_72_tidewell.png log/launcher.debug \
         lib/plugins/platforms/libqxcb.so lib/plugins/platforms/libqoffscreen.so; do
    [ -f "$root/$f" ] || fail "cmake --install laid out no $f"
done

note "dpkg-deb --contents against the installed layout"
dpkg-deb --contents "$deb" >"$TW_SCRATCH/contents"
# perms owner size date time path: the path is the sixth field on.
awk '{ $1=$2=$3=$4=$5=""; sub(/^ +/, ""); print }' "$TW_SCRATCH/contents" |
    sed -e 's|^\./||' -e 's|/$||' | grep -v '^$' | sort >"$TW_SCRATCH/have"
{
    echo opt; echo opt/Varnholt; echo "${TW_PREFIX#/}"
    (cd "$root" && find . -mindepth 1) | sed "s|^\./|${TW_PREFIX#/}/|"
    for d in usr usr/share usr/share/applications usr/share/icons usr/share/icons/hicolor \
             usr/share/icons/hicolor/72x72 usr/share/icons/hicolor/72x72/apps usr/share/doc \
             "usr/share/doc/$TW_PKG" usr/share/lintian usr/share/lintian/overrides; do
        echo "$d"
    done
    echo "usr/share/applications/$TW_PKG.desktop"
    echo "usr/share/icons/hicolor/72x72/apps/$TW_PKG.png"
    echo "usr/share/doc/$TW_PKG/copyright"
    echo "usr/share/doc/$TW_PKG/changelog.gz"
    echo "usr/share/lintian/overrides/$TW_PKG"
} | sort >"$TW_SCRATCH/want"
diff -u "$TW_SCRATCH/want" "$TW_SCRATCH/have" || fail "package contents differ from the layout (- expected, + in package)"

note "owners and modes"
while read -r perms owner _ _ _ path; do
    [ "$owner" = root/root ] || fail "$path is owned by $owner"
    case "$perms" in
    d*) want_mode=drwxr-xr-x ;;
    *) case "$path" in ./opt/Varnholt/Tidewell/bin/tidewell-launcher) want_mode=-rwxr-xr-x ;; *) want_mode=-rw-r--r-- ;; esac ;;
    esac
    [ "$perms" = "$want_mode" ] || fail "$path has mode $perms, expected $want_mode"
done <"$TW_SCRATCH/contents"

note "file contents against the installed layout"
x=$TW_SCRATCH/x
dpkg-deb -x "$deb" "$x"
(cd "$root" && find . -type f) | while read -r f; do
    f=${f#./}
    if [ "$f" = bin/tidewell-launcher ]; then
        # Stripped in the package: the same build, without the debug data.
        id_built=$(file -b "$root/$f" | grep -o 'BuildID\[[^]]*\]=[0-9a-f]*')
        id_pkg=$(file -b "$x$TW_PREFIX/$f" | grep -o 'BuildID\[[^]]*\]=[0-9a-f]*')
        [ -n "$id_built" ] && [ "$id_built" = "$id_pkg" ] || fail "packaged launcher is another build ($id_pkg, built $id_built)"
        file -b "$x$TW_PREFIX/$f" | grep -q ', stripped' || fail "packaged launcher is not stripped"
    else
        cmp -s "$root/$f" "$x$TW_PREFIX/$f" || fail "$f in the package differs from the installed one"
    fi
done
cmp -s "$root/images/ico_72_tidewell.png" "$x/usr/share/icons/hicolor/72x72/apps/$TW_PKG.png" ||
    fail "hicolor icon differs from images/ico_72_tidewell.png"

note "control data"
ctrl=$TW_SCRATCH/ctrl
dpkg-deb -e "$deb" "$ctrl"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = "$TW_PKG" ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', the project's version is '$version'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"
field Recommends | tr ',|' '\n\n' | sed 's/^ *//; s/ .*//' | grep -qx fonts-noto-cjk ||
    fail "Recommends lacks fonts-noto-cjk: '$(field Recommends)'"
printf '%s\n' "$TW_PREFIX/log/launcher.debug" | cmp -s - "$ctrl/conffiles" ||
    fail "conffiles is not just $TW_PREFIX/log/launcher.debug: $(cat "$ctrl/conffiles" 2>/dev/null)"
(cd "$x" && md5sum -c --quiet "$ctrl/md5sums") || fail "md5sums do not match the files"

note "Depends covers the libraries of every binary, the Qt plug-ins included"
depends=$(field Depends | tr ',|' '\n\n' | sed 's/^ *//; s/[ (].*//' | sort -u)
note "Depends: $(echo $depends)"
owner_of() {
    # Merged /usr: a library is registered under one of its two spellings.
    local path=$1 p pkg
    for p in "$path" "$(readlink -f "$path")" "${path#/usr}" "/usr${path}"; do
        pkg=$(dpkg-query -S "$p" 2>/dev/null | head -n 1 | sed 's/[:,].*//')
        [ -n "$pkg" ] && { echo "$pkg"; return 0; }
    done
    return 1
}
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
ldconfig -p >"$TW_SCRATCH/ldcache"
elves=0
declare -A seen=()
while IFS= read -r -d '' f; do
    [ "$(head -c 4 "$f" | tail -c 3)" = ELF ] || continue
    elves=$((elves + 1))
    for lib in $(objdump -p "$f" | awk '$1 == "NEEDED" { print $2 }'); do
        [ -n "${seen[$lib]:-}" ] && continue
        path=$(awk -v l="$lib" -v d="/$multiarch/" '$1 == l && index($NF, d) { print $NF; exit }' "$TW_SCRATCH/ldcache")
        [ -n "$path" ] || fail "${f#"$x"} needs $lib, which is not on this machine"
        pkg=$(owner_of "$path") || fail "no package owns $path (needed by ${f#"$x"})"
        echo "$depends" | grep -qx "$pkg" || fail "${f#"$x"} needs $lib from $pkg, which Depends does not name"
        seen[$lib]=$pkg
    done
done < <(find "$x$TW_PREFIX" -type f -print0)
[ "$elves" -ge 3 ] || fail "only $elves ELF files found in the package"
note "$elves binaries, ${#seen[@]} libraries, all covered"
note "ok"
