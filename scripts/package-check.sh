#!/usr/bin/env bash
# Builds the Debian package from build/, installs it as a user would, checks
# what it put on the system, starts the installed program for a moment the
# way the desktop menu does and from a shell, then removes it again.
# Expects a finished build (scripts/build.sh or scripts/test.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

ID=org.example.PredimVelmora
PACKAGE=predimvelmora
SECONDS_RUNNING=3

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi

step() { printf '\n== %s\n' "$*"; }
fail() {
    echo "package-check: $*" >&2
    exit 1
}

step "Building the package"
rm -f build/${PACKAGE}_*.deb
cmake --build build
(cd build && cpack -G DEB >/dev/null)
debs=(build/${PACKAGE}_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one package, found: ${debs[*]}"
deb="$PWD/${debs[0]}"
version=$(sed -n 's/^project(PredimVelmora VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "${PACKAGE}_${version}_${arch}.deb" ] ||
    fail "unexpected package name $(basename "$deb")"
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
for needed in libqt6widgets6 libqt6svg6 qt6-qpa-plugins qt6-translations-l10n fonts-liberation libcups2; do
    dpkg-deb -f "$deb" Depends | grep -qw "$needed" || fail "Depends lacks $needed"
done
echo "Recommends: $(dpkg-deb -f "$deb" Recommends)"
dpkg-deb -f "$deb" Recommends | grep -qw qt6-wayland || fail "Recommends lacks qt6-wayland"

# Whatever happens from here on, the system is left without the package.
installed=0
remove_package() {
    if [ "$installed" -eq 1 ]; then
        step "Removing the package"
        $SUDO env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq "$PACKAGE" >/dev/null
    fi
}
trap remove_package EXIT

step "Installing the package"
installed=1
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" \
    >/dev/null
dpkg-query -W -f='${Status} ${Version}\n' "$PACKAGE"

step "Checking the installed files"
for f in /usr/bin/predimvelmora \
    /usr/share/applications/$ID.desktop \
    /usr/share/metainfo/$ID.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/$ID.svg \
    /usr/share/icons/hicolor/48x48/apps/$ID.png \
    /usr/share/icons/hicolor/256x256/apps/$ID.png \
    /usr/share/man/man1/$PACKAGE.1.gz; do
    [ -f "$f" ] || fail "missing $f"
done
for side in 48 256; do
    file /usr/share/icons/hicolor/${side}x${side}/apps/$ID.png | grep -q "$side x $side" ||
        fail "the ${side}x${side} icon has another size"
done
desktop-file-validate /usr/share/applications/$ID.desktop
appstreamcli validate --no-net /usr/share/metainfo/$ID.metainfo.xml
[ "$(command -v predimvelmora)" = /usr/bin/predimvelmora ] || fail "predimvelmora is not on PATH"
if readelf -d /usr/bin/predimvelmora | grep -qE 'RPATH|RUNPATH'; then
    fail "the installed program still points into the build tree"
fi

# Exit by the timeout means the program was still running its event loop.
run_for_a_moment() {
    local status=0
    (cd / && env -i PATH=/usr/bin:/bin HOME=/tmp QT_QPA_PLATFORM=offscreen \
        timeout "$SECONDS_RUNNING" "$@") || status=$?
    [ "$status" -eq 124 ] || fail "'$*' ended with status $status instead of running"
}

step "Starting it as the desktop menu does"
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/$ID.desktop)
# Field codes (%f, %U, ...) stand for files the menu would pass: none here.
read -r -a command_line <<<"${exec_line//%[a-zA-Z]/}"
run_for_a_moment "${command_line[@]}"
echo "ok: $exec_line"

step "Starting it from a shell"
run_for_a_moment predimvelmora
echo "ok: predimvelmora"

step "Sizing a slab from the command line, without a display"
result=$(cd / && env -i PATH=/usr/bin:/bin HOME=/tmp LC_ALL=C.UTF-8 \
    predimvelmora --luce 5 --sovraccarico 200 --formato csv) ||
    fail "the command line ended with status $?"
echo "$result" | grep -q '^5,200,2,4,intermedio,singola,4,16,4,24,12,10,2.51,' ||
    fail "unexpected command-line output: $result"
echo "ok: predimvelmora --luce 5 --sovraccarico 200 --formato csv"

remove_package
installed=0
[ ! -e /usr/bin/predimvelmora ] || fail "/usr/bin/predimvelmora is still there after removal"
if dpkg-query -W -f='${Status}' "$PACKAGE" 2>/dev/null | grep -q "install ok installed"; then
    fail "the package is still installed"
fi
echo "Package installed, started and removed."
