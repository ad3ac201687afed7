#!/usr/bin/env bash
# The package holds exactly the package installation that `cmake --install`
# lays out (which itself stays inside its prefix, self-contained: copies of the
# Qt plug-ins, a plain log-level file), placed at /opt/Varnholt/Tidewell, where
# the plug-ins are links to Debian's own and log/launcher.debug a link to the
# conffile in /etc/opt; plus the desktop entry, the AppStream metadata, the icon
# and the documents. Its control data carry the project's version (INFO says
# the same), the conffile and dependencies that cover every binary and plug-in.
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
    [ -f "$root/$f" ] && [ ! -L "$root/$f" ] || fail "cmake --install laid out no plain file $f"
done
links=$(cd "$root" && find . -type l)
[ -z "$links" ] || fail "cmake --install laid out links, not a self-contained tree: $links"

note "INFO, in the installation and in the package archive, carries the version $version"
IFS=. read -r major minor build <<<"$version"
bsdtar -xOf "$root/package/tidewell.qpk" INFO >"$TW_SCRATCH/qpk-INFO" || fail "no INFO in package/tidewell.qpk"
for info in "$root/INFO" "$TW_SCRATCH/qpk-INFO"; do
    got="$(ini_value "$info" major_version).$(ini_value "$info" minor_version).$(ini_value "$info" build_version)"
    [ "$got" = "$major.$minor.$build" ] || fail "${info#"$TW_SCRATCH/"} says version $got, the project's is $version"
done

note "dpkg-deb --contents against the installed layout"
dpkg-deb --contents "$deb" >"$TW_SCRATCH/contents"
# perms owner size date time path: the path is the sixth field on.
# A link is listed as "path -> target"; the path is compared here, the target below.
awk '{ $1=$2=$3=$4=$5=""; sub(/^ +/, ""); sub(/ -> .*/, ""); print }' "$TW_SCRATCH/contents" |
    sed -e 's|^\./||' -e 's|/$||' | grep -v '^$' | sort >"$TW_SCRATCH/have"
conf=${TW_CONF#/}
metainfo=${TW_METAINFO#/}
{
    echo opt; echo opt/Varnholt; echo "${TW_PREFIX#/}"
    (cd "$root" && find . -mindepth 1) | sed "s|^\./|${TW_PREFIX#/}/|"
    for d in etc etc/opt etc/opt/Varnholt "$(dirname "$conf")" "$conf" \
             usr usr/share usr/share/applications usr/share/icons usr/share/icons/hicolor \
             usr/share/icons/hicolor/72x72 usr/share/icons/hicolor/72x72/apps usr/share/doc \
             "usr/share/doc/$TW_PKG" usr/share/lintian usr/share/lintian/overrides \
             usr/share/metainfo "$metainfo"; do
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
    l*) want_mode=lrwxrwxrwx ;;
    *) case "$path" in ./opt/Varnholt/Tidewell/bin/tidewell-launcher) want_mode=-rwxr-xr-x ;; *) want_mode=-rw-r--r-- ;; esac ;;
    esac
    [ "$perms" = "$want_mode" ] || fail "$path has mode $perms, expected $want_mode"
done <"$TW_SCRATCH/contents"

note "file contents against the installed layout"
x=$TW_SCRATCH/x
dpkg-deb -x "$deb" "$x"
(cd "$root" && find . -type f) | while read -r f; do
    f=${f#./}
    if [ "$f" = log/launcher.debug ]; then
        # The conffile, and in the installation a link to it.
        [ "$(readlink "$x$TW_PREFIX/$f")" = "$TW_CONF" ] ||
            fail "$f in the package is not a link to $TW_CONF: $(ls -l "$x$TW_PREFIX/$f")"
        cmp -s "$root/$f" "$x$TW_CONF" || fail "$TW_CONF in the package differs from the installed $f"
    elif [ "${f#lib/plugins/}" != "$f" ]; then
        # A link to the same plug-in of Debian's Qt, whose copy cmake --install made.
        target=$(readlink "$x$TW_PREFIX/$f") || fail "$f in the package is not a link"
        case "$target" in /usr/lib/*/"${f#lib/plugins/}") ;; *) fail "$f in the package leads to $target" ;; esac
        cmp -s "$root/$f" "$target" || fail "$f installed differs from $target"
    elif [ "$f" = bin/tidewell-launcher ]; then
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
printf '%s\n' "$TW_CONF" | cmp -s - "$ctrl/conffiles" ||
    fail "conffiles is not just $TW_CONF: $(cat "$ctrl/conffiles" 2>/dev/null)"
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
[ "$elves" -ge 1 ] || fail "no ELF file found in the package"
note "$elves binaries, ${#seen[@]} libraries, all covered"

note "Depends names the packages of the linked Qt plug-ins"
plugins=0
while IFS= read -r -d '' link; do
    target=$(readlink "$link")
    pkg=$(owner_of "$target") || fail "no package owns $target (linked by ${link#"$x"})"
    echo "$depends" | grep -qx "$pkg" || fail "${link#"$x"} leads to $target of $pkg, which Depends does not name"
    plugins=$((plugins + 1))
done < <(find "$x$TW_PREFIX/lib/plugins" -type l -print0)
[ "$plugins" -ge 2 ] || fail "only $plugins plug-in links in the package"
[ -z "$(find "$x$TW_PREFIX/lib/plugins" -type f)" ] || fail "the package carries copies of plug-ins"
note "$plugins plug-in links, their packages all in Depends"
note "ok"
