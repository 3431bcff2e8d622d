#!/usr/bin/env bash
# packaging/check-package.sh <dutyloop_VERSION_ARCH.deb>
#
# Unpacks the Debian package into a temporary root (dpkg -x, nothing is installed on the
# machine), checks that the program, desktop entry, icon and metainfo are where a desktop
# expects them, then starts the unpacked program on Qt's offscreen platform with its own
# temporary configuration folder and checks it is still running (showing its window) after a
# few seconds. A crash or an early exit fails. The program has no quit option, so it is ended
# by `timeout`, whose exit status 124 is the success case.
set -euo pipefail

APP_ID=org.halvorne.Dutyloop
RUN_SECONDS=${RUN_SECONDS:-3}

if [ $# -ne 1 ]; then
    echo "usage: $0 <dutyloop_VERSION_ARCH.deb>" >&2
    exit 2
fi
deb=$1
if [ ! -f "$deb" ]; then
    echo "check-package: no such file: $deb" >&2
    exit 2
fi

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
pass() { echo "ok:   $*"; }

tmp=$(mktemp -d "${TMPDIR:-/tmp}/dutyloop-check.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
root=$tmp/root

echo "== $deb"
dpkg-deb --field "$deb" Package Version Architecture Maintainer Section Depends

# --- Control fields -------------------------------------------------------------------------
[ "$(dpkg-deb --field "$deb" Package)" = dutyloop ] && pass "Package: dutyloop" ||
    fail "Package is not dutyloop"
depends=$(dpkg-deb --field "$deb" Depends)
# Depends comes from dpkg-shlibdeps: it must name the Qt libraries the program links.
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6; do
    [[ "$depends" == *"$lib"* ]] && pass "Depends names $lib" || fail "Depends lacks $lib"
done

# --- Files at their places ------------------------------------------------------------------
dpkg -x "$deb" "$root"

binary=$root/usr/bin/dutyloop
desktop=$root/usr/share/applications/$APP_ID.desktop
icon=$root/usr/share/icons/hicolor/scalable/apps/$APP_ID.svg
metainfo=$root/usr/share/metainfo/$APP_ID.metainfo.xml
manual=$root/usr/share/man/man1/dutyloop.1.gz

[ -f "$binary" ] && [ -x "$binary" ] && pass "/usr/bin/dutyloop (executable)" ||
    fail "/usr/bin/dutyloop missing or not executable"
[ -f "$desktop" ] && pass "${desktop#"$root"}" || fail "${desktop#"$root"} missing"
[ -f "$icon" ] && grep -q "<svg" "$icon" && pass "${icon#"$root"}" ||
    fail "${icon#"$root"} missing or not SVG"
[ -f "$metainfo" ] && pass "${metainfo#"$root"}" || fail "${metainfo#"$root"} missing"
for document in copyright changelog.gz; do
    [ -f "$root/usr/share/doc/dutyloop/$document" ] && pass "/usr/share/doc/dutyloop/$document" ||
        fail "/usr/share/doc/dutyloop/$document missing"
done
[ -f "$manual" ] && zcat "$manual" | grep -q '^\.TH DUTYLOOP 1' && pass "${manual#"$root"}" ||
    fail "${manual#"$root"} missing or not a manual page"

if [ -f "$desktop" ] && command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" && pass "installed desktop file validates" ||
        fail "installed desktop file does not validate"
fi
if [ -f "$metainfo" ] && command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" >/dev/null && pass "installed metainfo validates" ||
        fail "installed metainfo does not validate"
fi

# Debian's own checks of a package, at every level; an error or a warning fails.
if command -v lintian >/dev/null; then
    lintian -I --pedantic --fail-on error,warning "$deb" && pass "lintian: no error, no warning" ||
        fail "lintian reports errors or warnings"
else
    fail "lintian is not installed (make deps installs it)"
fi

if [ "$failures" -ne 0 ] || [ ! -x "$binary" ]; then
    echo "check-package: $failures check(s) failed" >&2
    exit 1
fi

# --- The libraries: the system's Qt, found without a run path -------------------------------
if ldd "$binary" | grep -q "not found"; then
    ldd "$binary" | grep "not found" >&2
    fail "the installed program does not find all its libraries"
else
    pass "all shared libraries found"
fi
if readelf -d "$binary" | grep -Eq "\((RPATH|RUNPATH)\)"; then
    readelf -d "$binary" | grep -E "\((RPATH|RUNPATH)\)" >&2
    fail "the installed program carries a run path"
else
    pass "no RPATH/RUNPATH"
fi

# --- Start it -------------------------------------------------------------------------------
# Its own configuration, data, cache and runtime folders, so no real settings are touched.
mkdir -p "$tmp/config" "$tmp/data" "$tmp/cache" "$tmp/runtime"
chmod 700 "$tmp/runtime"
log=$tmp/dutyloop.log
set +e
env QT_QPA_PLATFORM=offscreen \
    XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" \
    XDG_CACHE_HOME="$tmp/cache" XDG_RUNTIME_DIR="$tmp/runtime" \
    timeout --kill-after=5 "$RUN_SECONDS" "$binary" >"$log" 2>&1
status=$?
set -e
if [ "$status" -eq 124 ]; then
    pass "dutyloop still running after ${RUN_SECONDS}s, then ended"
else
    echo "--- dutyloop output" >&2
    cat "$log" >&2
    fail "dutyloop exited with status $status before ${RUN_SECONDS}s (124 = still running)"
fi

if [ "$failures" -ne 0 ]; then
    echo "check-package: $failures check(s) failed" >&2
    exit 1
fi
echo "check-package: all checks passed for $(basename "$deb")"
