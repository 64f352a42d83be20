#!/usr/bin/env bash
# Installs, where missing, the Debian packages the desktop checks need:
# Qt's Wayland platform plugin and a headless Wayland compositor for
# scripts/prova-wayland.sh, a virtual X server for
# scripts/prova-lettore-schermo.sh, and for both the accessibility bus with
# the Python bindings that read it from outside the program. Safe to run again.
set -euo pipefail

PACKAGES=(
    qt6-wayland weston
    xvfb
    dbus-daemon at-spi2-core python3 python3-pyatspi gir1.2-atspi-2.0
)

"$(dirname "$0")/installa-mancanti.sh" "${PACKAGES[@]}"
