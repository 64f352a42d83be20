#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# only those that are missing. Safe to run again.
set -euo pipefail

# As root (CI containers), also a PDF printer for the end-to-end print test.
"$(dirname "$0")/setup-stampante-pdf.sh" ||
    echo "No PDF printer set up: the end-to-end print test will be skipped"

PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev qt6-translations-l10n qt6-qpa-plugins libcups2-dev
    fonts-liberation
    libbenchmark-dev
    clang libclang-rt-dev
    desktop-file-utils appstream dpkg-dev file
)

"$(dirname "$0")/installa-mancanti.sh" "${PACKAGES[@]}"
