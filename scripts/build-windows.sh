#!/usr/bin/env bash
# Builds the Windows program here, cross-compiled, into build-windows/:
# predimvelmora.exe (one self-contained 64-bit program) with its console twin
# predimvelmora.com, the Windows test programs (run by CTest through Wine:
# scripts/test-windows.sh), the installer PredimVelmora-<version>-setup.exe
# and a zip of the program. Installs the missing Debian packages first.
#
# Qt for Windows: the prefix in QT_MINGW_PREFIX if set, else the prebuilt one
# beside the project (../shared/toolchains), checked and unpacked once under
# ~/.cache/velmora. README says how to build that Qt where it is missing.
# Safe to run again: only what changed is rebuilt.
set -euo pipefail
cd "$(dirname "$0")/.."

"$PWD/scripts/installa-mancanti.sh" \
    cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-svg-dev \
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
    wine wine64 nsis fonts-liberation zstd

ARCHIVIO_QT=qt-6.4.2-mingw-w64-static.tar.zst
if [ -z "${QT_MINGW_PREFIX:-}" ]; then
    QT_MINGW_PREFIX="$HOME/.cache/velmora/qt-mingw-6.4.2"
    if [ ! -f "$QT_MINGW_PREFIX/lib/cmake/toolchain-mingw.cmake" ]; then
        STRUMENTI=$(cd .. && pwd)/shared/toolchains
        if [ ! -f "$STRUMENTI/$ARCHIVIO_QT" ]; then
            echo "Qt per Windows non trovato: né QT_MINGW_PREFIX né $STRUMENTI/$ARCHIVIO_QT" >&2
            echo "(README: come costruirlo con build-qt-mingw.sh)" >&2
            exit 1
        fi
        (cd "$STRUMENTI" && sha256sum --quiet -c "$ARCHIVIO_QT.sha256")
        mkdir -p "$(dirname "$QT_MINGW_PREFIX")"
        tar --zstd -xf "$STRUMENTI/$ARCHIVIO_QT" -C "$(dirname "$QT_MINGW_PREFIX")"
    fi
fi

cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$QT_MINGW_PREFIX/lib/cmake/toolchain-mingw.cmake" \
    -DQT_MINGW_PREFIX="$QT_MINGW_PREFIX" -DVELMORA_BUILD_BENCH=OFF >/dev/null
# The icon is drawn by a Windows program under Wine, in the build's own prefix.
export WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all
cmake --build build-windows
cmake --build build-windows --target distribuzione

echo "Programma:     $PWD/build-windows/predimvelmora.exe"
echo "Installatore:  $(ls "$PWD"/build-windows/PredimVelmora-*-setup.exe)"
echo "Zip:           $(ls "$PWD"/build-windows/PredimVelmora-*-windows.zip)"
