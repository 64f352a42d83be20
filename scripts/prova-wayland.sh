#!/usr/bin/env bash
# The program as a native Wayland client (Qt's wayland platform, no X server
# and no fallback), under a headless Weston compositor:
#  1. the start-up test program (wizard, every toolbar and menu command, the
#     about box, the wizard shown again) on the wayland platform, all but its
#     check of the wizard's centring, which a Wayland compositor decides;
#  2. build/predimvelmora itself, driven from outside through the
#     accessibility bus by scripts/lettore-schermo.py: the wizard, span 5 and
#     load 200, Calcola with its results, a revision (the height the dialog
#     offers: a headless compositor has no seat, so no key can be sent) and
#     Back. Whatever the program writes to its standard error is shown.
# Expects a finished build (scripts/build.sh or scripts/test.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

NOME_PROVA=prova-wayland
SOCKET=predimvelmora-prova
# shellcheck source=scripts/prova-comune.sh
. scripts/prova-comune.sh
for f in build/predimvelmora build/tests/info/tst_avvio; do
    [ -x "$f" ] || fail "$f is missing: build first"
done

# The compositor's socket lives in the runtime folder of our own.
XDG_RUNTIME_DIR="$work" weston --backend=headless-backend.so --socket="$SOCKET" \
    --width=1280 --height=1024 --idle-time=0 --log="$work/weston.log" </dev/null \
    >/dev/null 2>&1 &
server_pid=$!
if ! attendi_server test -S "$work/$SOCKET"; then
    cat "$work/weston.log" >&2 || true
    fail "weston did not start"
fi
echo "Weston (headless) on $SOCKET"

# Wayland only: without DISPLAY and with no fallback platform, a program
# that cannot connect to the compositor stops instead of using X.
wayland() {
    env -u DISPLAY -u AT_SPI_BUS_ADDRESS XDG_RUNTIME_DIR="$work" WAYLAND_DISPLAY="$SOCKET" \
        QT_QPA_PLATFORM=wayland "$@"
}

echo
echo "== The start-up test program on Wayland"
functions=$(wayland build/tests/info/tst_avvio -functions </dev/null |
    sed -n 's/()$//p' | grep -vx finestra)
# shellcheck disable=SC2086 # one argument per test function
wayland timeout "$SECONDS_ALLOWED" build/tests/info/tst_avvio $functions </dev/null \
    >"$work/tst_avvio.log" 2>&1 || {
    cat "$work/tst_avvio.log"
    fail "tst_avvio failed on Wayland"
}
grep '^Totals:' "$work/tst_avvio.log"
if grep -q '^QWARN' "$work/tst_avvio.log"; then
    echo "Its warnings on Wayland:"
    grep '^QWARN' "$work/tst_avvio.log" | sed 's/^/  /'
else
    echo "Its warnings on Wayland: none"
fi

echo
echo "== The worked example in build/predimvelmora on Wayland, through the accessibility bus"
set +e
wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
    timeout "$SECONDS_ALLOWED" dbus-run-session -- \
    /usr/bin/python3 scripts/lettore-schermo.py build/predimvelmora "$work/stderr.log" \
    --senza-tastiera 2>&1 </dev/null | grep -v -e '^dbus-daemon\[' -e '^SpiRegistry daemon'
status=${PIPESTATUS[0]}
set -e
mostra_messaggi "The program's messages on Wayland"
[ "$status" -eq 0 ] || fail "the worked example failed on Wayland (status $status)"
echo "Wayland check passed in ${SECONDS} s."
