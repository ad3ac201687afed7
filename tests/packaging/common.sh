# Shared helpers of the Debian package tests; sourced by each test script.
set -euo pipefail

TW_PKG=tidewell-backup
TW_PREFIX=/opt/Varnholt/Tidewell
# The log-level conffile, and the link to it in the package installation.
TW_CONF=/etc/opt/Varnholt/Tidewell/launcher.debug
TW_CONF_LINK=$TW_PREFIX/log/launcher.debug
TW_METAINFO=/usr/share/metainfo/example.tidewell_backup.tidewell.metainfo.xml

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
    # An empty HOME would make every process on the machine match "$home"/*.
    case "$home" in "" | / | //*) return 0 ;; esac
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

# The user the launcher runs as (TW_RUN_AS, needs root); the caller if empty.
TW_RUN_AS=""
as_user() {
    if [ -n "$TW_RUN_AS" ]; then
        runuser -u "$TW_RUN_AS" -- "$@"
    else
        "$@"
    fi
}

# A HOME and a TMPDIR beside it for a launcher run, belonging to TW_RUN_AS.
new_home() {
    local home=$1
    mkdir -p "$home" "$home.tmp"
    if [ -n "$TW_RUN_AS" ]; then
        # The scratch folder is private to its creator; the user must reach the home.
        chmod 755 "$(dirname "$home")"
        chown "$TW_RUN_AS:" "$home" "$home.tmp"
    fi
}

# The launcher of the package installation ROOT started for HOME (by COMMAND,
# the launcher in ROOT/bin unless given): exit 0, the per-user copy with the
# package's build number, the log, and a client started afresh. The client is
# ended afterwards unless KEEP is "keep" (it runs on as a user's would).
# launcher_run ROOT HOME KEEP [COMMAND...]
launcher_run() {
    local root=$1 home=$2 keep=$3
    shift 3
    [ "$#" -gt 0 ] || set -- "$root/bin/tidewell-launcher"
    [ -d "$home" ] || new_home "$home"
    # Registered at the first run: clients end before a package hook purges.
    [ "${#TW_CLIENT_HOMES[@]}" -gt 0 ] || TW_CLEANUP_HOOKS+=(end_last_client)
    TW_CLIENT_HOMES+=("$home")
    local pid_file=$home/.TidewellBackup/ui.pid
    local old_pid=""
    [ -f "$pid_file" ] && old_pid=$(cat "$pid_file")
    local rc=0
    as_user env -u QT_PLUGIN_PATH -u QT_QPA_PLATFORM_PLUGIN_PATH -u XDG_RUNTIME_DIR -u LANGUAGE \
        HOME="$home" TMPDIR="$home.tmp" QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL=C.UTF-8 \
        "$@" </dev/null >"$home.out" 2>&1 || rc=$?
    sed 's/^/   launcher: /' "$home.out"
    [ "$rc" -eq 0 ] || fail "launcher ($*) exited with $rc"

    local info=$home/.TidewellBackup/Tidewell.app/INFO
    [ -f "$info" ] || fail "no per-user copy: $info is missing"
    local want got
    want=$(ini_value "$root/INFO" build_version)
    got=$(ini_value "$info" build_version)
    [ -n "$want" ] || fail "no build_version in $root/INFO"
    [ "$got" = "$want" ] || fail "per-user copy is build '$got', the package is build '$want'"
    [ -f "$home/.TidewellBackup/log/launcher.log" ] ||
        fail "no log at $home/.TidewellBackup/log/launcher.log"
    if [ -n "$TW_RUN_AS" ]; then
        local owner
        owner=$(stat -c %U "$info")
        [ "$owner" = "$TW_RUN_AS" ] || fail "the per-user copy belongs to $owner, not $TW_RUN_AS"
    fi
    note "per-user copy is build $got${TW_RUN_AS:+ (user $TW_RUN_AS)}, log at $home/.TidewellBackup/log/launcher.log"

    # The start script returns at once; the client writes its pid file when up.
    local i now
    for i in $(seq 300); do
        now=$(cat "$pid_file" 2>/dev/null) || now=""
        echo "$now" | grep -q '^pid=[0-9][0-9]*$' && [ "$now" != "$old_pid" ] && break
        sleep 0.1
    done
    echo "$now" | grep -q '^pid=[0-9][0-9]*$' && [ "$now" != "$old_pid" ] ||
        fail "the started client never wrote a new $pid_file (before: '$old_pid', now: '$now')"
    note "client started: $now"
    if [ -n "$old_pid" ]; then
        local exe
        exe=$(readlink "/proc/${old_pid#pid=}/exe" 2>/dev/null) || exe=""
        case "$exe" in "$home"/*) fail "the client that ran before ($old_pid) still runs" ;; esac
    fi
    [ "$keep" = keep ] || end_client_of "$home"
}

# A full first installation by the launcher of the package installation ROOT
# for a new HOME (see launcher_run); the client is ended afterwards.
first_installation_run() {
    local root=$1 home=$2
    shift 2
    [ ! -e "$home/.TidewellBackup" ] || fail "$home is not a new HOME"
    launcher_run "$root" "$home" end "$@"
}

TW_CLIENT_HOMES=()
end_last_client() {
    local h
    for h in "${TW_CLIENT_HOMES[@]}"; do end_client_of "$h"; done
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
    [ ! -e "$(dirname "$TW_CONF")" ] || fail "$(dirname "$TW_CONF") exists without the package $TW_PKG; not touching it"
    # Folders that were there before (/opt, /etc/opt, ...) are shared: dpkg
    # removes them at purge when empty, like any folder of a package, so they
    # are put back as they were. Those the package made must go.
    TW_KEEP_DIRS=()
    local d
    for d in /opt "$(dirname "$TW_PREFIX")" /etc/opt "$(dirname "$(dirname "$TW_CONF")")"; do
        [ -d "$d" ] && TW_KEEP_DIRS+=("$d $(stat -c '%a %u %g' "$d")")
    done
    TW_CLEANUP_HOOKS+=(restore_shared_dirs)
    TW_CLEANUP_HOOKS+=(purge_package)
}

restore_shared_dirs() {
    local entry d mode uid gid
    for entry in "${TW_KEEP_DIRS[@]}"; do
        read -r d mode uid gid <<<"$entry"
        [ -d "$d" ] && continue
        note "dpkg removed the empty shared folder $d; putting it back"
        mkdir -p "$d" && chmod "$mode" "$d" && chown "$uid:$gid" "$d"
    done
}

assert_purged() {
    [ -z "$(package_state)" ] || fail "$TW_PKG is still known to dpkg after purge: $(package_state)"
    local d
    for d in "$TW_PREFIX" "$(dirname "$TW_CONF")"; do
        if [ -e "$d" ]; then
            find "$d" | sed 's/^/   left: /'
            fail "$d is still there after purge"
        fi
    done
    for d in "$(dirname "$TW_PREFIX")" "$(dirname "$(dirname "$TW_CONF")")"; do
        [ ! -e "$d" ] || printf '%s\n' "${TW_KEEP_DIRS[@]}" | grep -q "^$d " || fail "$d is still there after purge"
    done
    assert_no_system_files
    restore_shared_dirs
}

assert_no_system_files() {
    local f
    for f in "/usr/share/applications/$TW_PKG.desktop" "/usr/share/icons/hicolor/72x72/apps/$TW_PKG.png" \
             "/usr/share/doc/$TW_PKG" "$TW_METAINFO"; do
        [ ! -e "$f" ] || fail "$f is still there"
    done
}
