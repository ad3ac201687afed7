# Shared helpers of the Debian package tests; sourced by each test script.
set -euo pipefail

TW_PKG=tidewell-backup
TW_PREFIX=/opt/Varnholt/Tidewell

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

note() {
    echo "-- $*"
}

# The one .deb that the build test left in the given folder.
deb_in() {
    local dir=$1
    local debs=("$dir"/*.deb)
    [ -f "${debs[0]}" ] || fail "no .deb in $dir (did packaging.deb_build pass?)"
    [ "${#debs[@]}" -eq 1 ] || fail "more than one .deb in $dir: ${debs[*]}"
    echo "${debs[0]}"
}

# A private scratch folder, removed when the test ends.
scratch() {
    TW_SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/tw-packaging.XXXXXX")
    trap 'tw_cleanup' EXIT
}

TW_CLEANUP_HOOKS=()
tw_cleanup() {
    local rc=$?
    # Last registered first: the client ends before its package goes.
    local i
    for ((i = ${#TW_CLEANUP_HOOKS[@]} - 1; i >= 0; i--)); do "${TW_CLEANUP_HOOKS[$i]}" || true; done
    [ -n "${TW_SCRATCH:-}" ] && rm -rf "$TW_SCRATCH"
    exit "$rc"
}

ini_value() {
    sed -n "s/^$2=//p" "$1" | head -n 1
}

# Ends the sample client that a launcher run started for HOME, by the pid in
# its ui.pid; only a process whose executable lies in that HOME is signalled.
end_client_of() {
    local home=$1
    local pid_file=$home/.TidewellBackup/ui.pid
    local pid=""
    [ -f "$pid_file" ] && pid=$(sed -n 's/^pid=\([0-9][0-9]*\)$/\1/p' "$pid_file")
    local pids=()
    [ -n "$pid" ] && pids+=("$pid")
    # A client that has not written its pid file yet is found by its executable.
    local p exe
    for p in /proc/[0-9]*; do
        exe=$(readlink "$p/exe" 2>/dev/null) || continue
        case "$exe" in "$home"/*) pids+=("${p#/proc/}") ;; esac
    done
    local ended=()
    for p in "${pids[@]}"; do
        exe=$(readlink "/proc/$p/exe" 2>/dev/null) || continue
        case "$exe" in "$home"/*) kill "$p" 2>/dev/null && ended+=("$p") ;; esac
    done
    # Not our child (the start script detached it): wait for it to go, then insist.
    local i
    for p in "${ended[@]}"; do
        for i in $(seq 50); do [ -e "/proc/$p" ] || break; sleep 0.1; done
        [ -e "/proc/$p" ] && kill -KILL "$p" 2>/dev/null || true
    done
}

# A full first installation by the launcher of the package installation ROOT
# for a new HOME: exit 0, the per-user copy with the package's build number,
# the log, and the started client (which is ended afterwards).
first_installation_run() {
    local root=$1 home=$2
    local tmp=$home.tmp
    mkdir -p "$home" "$tmp"
    TW_CLIENT_HOME=$home
    TW_CLEANUP_HOOKS+=(end_last_client)
    local rc=0
    env -u QT_PLUGIN_PATH -u QT_QPA_PLATFORM_PLUGIN_PATH -u XDG_RUNTIME_DIR -u LANGUAGE \
        HOME="$home" TMPDIR="$tmp" QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL=C.UTF-8 \
        "$root/bin/tidewell-launcher" </dev/null >"$home.out" 2>&1 || rc=$?
    sed 's/^/   launcher: /' "$home.out"
    [ "$rc" -eq 0 ] || fail "launcher in $root/bin exited with $rc"

    local info=$home/.TidewellBackup/Tidewell.app/INFO
    [ -f "$info" ] || fail "no per-user copy: $info is missing"
    local want got
    want=$(ini_value "$root/INFO" build_version)
    got=$(ini_value "$info" build_version)
    [ -n "$want" ] || fail "no build_version in $root/INFO"
    [ "$got" = "$want" ] || fail "per-user copy is build '$got', the package is build '$want'"
    [ -f "$home/.TidewellBackup/log/launcher.log" ] ||
        fail "no log at $home/.TidewellBackup/log/launcher.log"
    note "per-user copy is build $got, log at $home/.TidewellBackup/log/launcher.log"

    # The start script returns at once; the client writes its pid file when up.
    local i
    for i in $(seq 300); do
        grep -q '^pid=[0-9][0-9]*$' "$home/.TidewellBackup/ui.pid" 2>/dev/null && break
        sleep 0.1
    done
    grep -q '^pid=[0-9][0-9]*$' "$home/.TidewellBackup/ui.pid" 2>/dev/null ||
        fail "the started client never wrote $home/.TidewellBackup/ui.pid"
    note "client started: $(cat "$home/.TidewellBackup/ui.pid")"
    end_client_of "$home"
}

end_last_client() {
    [ -n "${TW_CLIENT_HOME:-}" ] && end_client_of "$TW_CLIENT_HOME"
}

# The tests that install the package into this machine run only where that is
# wanted (CI, or TIDEWELL_SYSTEM_TESTS=1) and possible (root); else they skip.
TW_SKIP=77
require_system_tests() {
    if [ "${CI:-}" != true ] && [ "${TIDEWELL_SYSTEM_TESTS:-}" != 1 ]; then
        echo "SKIPPED: installs the package into this machine; runs only with CI=true or TIDEWELL_SYSTEM_TESTS=1"
        exit "$TW_SKIP"
    fi
    if [ "$(id -u)" -ne 0 ]; then
        echo "SKIPPED: installing the package needs root"
        exit "$TW_SKIP"
    fi
}

apt_get() {
    DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=600 \
        -o Dpkg::Options::=--force-confdef -o Dpkg::Options::=--force-confold "$@" </dev/null
}

# "ii" installed, "rc" removed with its conffiles, "" unknown or purged.
package_state() {
    local s
    s=$(dpkg-query -W -f='${db:Status-Abbrev}' "$TW_PKG" 2>/dev/null) || true
    s=${s// /}
    [ "$s" = un ] && s=""
    echo "$s"
}

purge_package() {
    [ -z "$(package_state)" ] || apt_get purge "$TW_PKG" >/dev/null
}

# A package left by an interrupted run is purged; a package installation that
# no package owns is not touched. The package is purged again at the end.
prepare_system() {
    if [ -n "$(package_state)" ]; then
        note "purging $TW_PKG left by an earlier run"
        purge_package
    fi
    [ ! -e "$TW_PREFIX" ] || fail "$TW_PREFIX exists without the package $TW_PKG; not touching it"
    TW_HAD_VARNHOLT=0
    [ -e "$(dirname "$TW_PREFIX")" ] && TW_HAD_VARNHOLT=1
    TW_CLEANUP_HOOKS+=(purge_package)
}

assert_purged() {
    [ -z "$(package_state)" ] || fail "$TW_PKG is still known to dpkg after purge: $(package_state)"
    if [ -e "$TW_PREFIX" ]; then
        find "$TW_PREFIX" | sed 's/^/   left: /'
        fail "$TW_PREFIX is still there after purge"
    fi
    [ "$TW_HAD_VARNHOLT" -eq 1 ] || [ ! -e "$(dirname "$TW_PREFIX")" ] ||
        fail "$(dirname "$TW_PREFIX") is still there after purge"
    assert_no_system_files
}

assert_no_system_files() {
    local f
    for f in "/usr/share/applications/$TW_PKG.desktop" "/usr/share/icons/hicolor/72x72/apps/$TW_PKG.png" \
             "/usr/share/doc/$TW_PKG"; do
        [ ! -e "$f" ] || fail "$f is still there"
    done
}
