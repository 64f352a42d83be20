#!/usr/bin/env bash
# What a screen reader finds in the program, checked from outside it: starts
# build/predimvelmora on a virtual X server with the accessibility bus and
# lets scripts/lettore-schermo.py walk its windows and do the worked example
# through that bus alone (names of every field, list, option and button, the
# results read back, a revision chosen with the arrow key, Back).
# Expects a finished build (scripts/build.sh or scripts/test.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

NOME_PROVA=prova-lettore-schermo
# shellcheck source=scripts/prova-comune.sh
. scripts/prova-comune.sh
[ -x build/predimvelmora ] || fail "build/predimvelmora is missing: build first"

# Xvfb picks a free display and writes its number to the descriptor given.
# It must not reset when its last client leaves: the bus tools connect and
# leave before the program comes, and a program that connected during such a
# reset could not open the display (one run in four).
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
server_pid=$!
attendi_server test -s "$work/display" || { cat "$work/xvfb.log" >&2; fail "Xvfb did not start"; }
display=":$(head -n 1 "$work/display")"
echo "Xvfb on $display"

# A session bus of its own: the accessibility bus and its registry are
# started on it when the program and the reader first ask for them. The
# bus daemons' notes about activation are left out of the log.
set +e
env -u WAYLAND_DISPLAY -u AT_SPI_BUS_ADDRESS DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work" \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
    timeout "$SECONDS_ALLOWED" dbus-run-session -- \
    /usr/bin/python3 scripts/lettore-schermo.py build/predimvelmora "$work/stderr.log" \
    2>&1 </dev/null | grep -v -e '^dbus-daemon\[' -e '^SpiRegistry daemon'
status=${PIPESTATUS[0]}
set -e
mostra_messaggi "The program's messages"
[ "$status" -eq 0 ] || fail "the accessibility check failed (status $status)"
echo "Screen reader check passed in ${SECONDS} s."
