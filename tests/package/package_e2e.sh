#!/usr/bin/env bash
# package_e2e.sh: the Debian package on this machine: lintian finds no error (its warnings are
# shown), `apt-get install` installs it with its dependencies, /usr/games/pasturon started in
# another folder shows the splash and the title screen and ends with status 1 on ESC, and
# `apt-get remove --purge` takes every file away again. Changes the system: run as root (or
# with sudo), as the test command does; skipped outside CI when a pasturon package is
# installed already.
#   tests/package/package_e2e.sh PACKAGE.deb
set -u
deb=$(realpath "$1")
export PASTURON_SOURCE=${PASTURON_SOURCE:-$(cd "$(dirname "$0")/../.." && pwd)}
export PASTURON_DATA=/nonexistent # the installed game must find its own
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

if dpkg-query -W -f='${Status}' pasturon 2>/dev/null | grep -q 'ok installed' &&
    [ "${CI:-}" != true ]; then
    echo "skipped: a pasturon package is installed here already, and this test would remove it"
    exit 0
fi

status=0
lintian --fail-on error "$deb" >"$E2E_TMP/lintian.log" 2>&1 || status=$?
echo "lintian: $(grep -vc 'root privileges' "$E2E_TMP/lintian.log") lines"
grep -v 'root privileges' "$E2E_TMP/lintian.log"
[ "$status" -eq 0 ] || fail "lintian reports errors (status $status)"

$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >"$E2E_TMP/apt.log" 2>&1 ||
    fail "apt-get install: $(tail -5 "$E2E_TMP/apt.log")"
trap '$sudo apt-get remove --purge -y -q pasturon >/dev/null 2>&1; cleanup' EXIT
files=$(dpkg -L pasturon)

start_display
GAME_DIR=$E2E_TMP
PASTURON_BIN=/usr/games/pasturon start_game
sleep 1.5
kill -0 "$GAME_PID" 2>/dev/null || fail "the installed game ended: $(cat "$GAME_ERR")"
[ "$(readlink "/proc/$GAME_PID/cwd")" = /usr/share/games/pasturon ] ||
    fail "the installed game runs in $(readlink "/proc/$GAME_PID/cwd")"
space_leaves_splash
escape_ends_game

$sudo apt-get remove --purge -y -q pasturon >"$E2E_TMP/apt.log" 2>&1 ||
    fail "apt-get remove: $(tail -5 "$E2E_TMP/apt.log")"
left=$(for f in $files; do [ -f "$f" ] || [ -L "$f" ] && echo "$f"; done)
[ -z "$left" ] || fail "files left after removing the package: $left"
[ ! -e /usr/share/games/pasturon ] || fail "/usr/share/games/pasturon is left behind"
echo "package ok: installed, ran from $E2E_TMP to the title screen, removed"
