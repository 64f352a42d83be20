#!/usr/bin/env bash
# The Windows program under Wine, as CI runs it: builds it (build-windows.sh),
# runs the Windows test programs through CTest, then checks the program
# itself in the build's own Wine prefix: the command line from the console
# in an Italian locale and under Windows' regional settings, and the
# installer, installed silently, the installed program showing its wizard
# on a virtual X server, and the uninstaller removing it all. Each check
# ends with a line of its own; the first that fails stops the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-windows.sh
"$PWD/scripts/installa-mancanti.sh" xvfb xauth x11-utils imagemagick ghostscript

B=$PWD/build-windows
export WINEPREFIX=$B/wine WINEDEBUG=-all
NOME=PredimVelmora
INSTALLATA="$WINEPREFIX/drive_c/Program Files/$NOME"
MENU="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$NOME.lnk"
CHIAVE_DISINSTALLA="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$NOME"

fail() {
    echo "Windows: $*" >&2
    exit 1
}

work=$(mktemp -d)
server_pid=""
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

rm -f "$HOME"/PDF/FELTRANOVA*.pdf
ctest --test-dir "$B" --output-on-failure
echo "Windows: test programs passed under Wine"

# The page the print test sent through Wine to the PDF queue: its picture, a
# navy window, fills the page but for the margins, as drawn at its size.
for pagina in "$HOME"/PDF/FELTRANOVA*.pdf; do
    [ -f "$pagina" ] || fail "the print test left no page in $HOME/PDF"
    gs -q -dNOPAUSE -dBATCH -sDEVICE=png16m -r30 -sOutputFile="$work/pagina.png" "$pagina"
    rm -f "$pagina"
    quota=$(convert "$work/pagina.png" -fx '(b>0.35 && r<0.2 && g<0.2)?1:0' -format '%[fx:mean]' info:)
    awk -v q="$quota" 'BEGIN { exit !(q > 0.6) }' ||
        fail "the printed window covers $quota of the page, not the page less its margins"
done
echo "Windows: printed page passed (through Wine's printing to the PDF queue)"

# The worked example from the console, its thirteen figures in Italian form,
# written into a file by redirection; the console twin hands back the status.
esempio='4;16;4;24;12;10;"2,51";191;"0,0725";"0,42";"1194,34";20;"0,327";'
csv_di() { tail -n 1 "$1" | tr -d '\r' | cut -d';' -f7-; }
LC_ALL=it_IT.UTF-8 wine "$B/predimvelmora.com" --luce 5 --sovraccarico 200 --formato csv \
    >"$work/esempio.csv" || fail "the worked example ended with status $?"
[ "$(csv_di "$work/esempio.csv")" = "$esempio" ] ||
    fail "the worked example gave: $(tail -n 1 "$work/esempio.csv")"
stato=0
wine "$B/predimvelmora.com" --luce 5 >/dev/null 2>&1 || stato=$?
[ "$stato" -eq 2 ] || fail "a missing option gave status $stato, not 2"
echo "Windows: command line passed (worked example, status 2 for a bad option)"

# A decimal comma chosen in the regional settings of an English Windows.
INTERNAZIONALE='HKCU\Control Panel\International'
wine reg add "$INTERNAZIONALE" /v sDecimal /d "," /f >/dev/null 2>&1
LC_ALL=en_US.UTF-8 wine "$B/predimvelmora.com" --luce 5 --sovraccarico 200 --formato csv \
    >"$work/regionale.csv" || true
wine reg add "$INTERNAZIONALE" /v sDecimal /d "." /f >/dev/null 2>&1
[ "$(csv_di "$work/regionale.csv")" = "$esempio" ] ||
    fail "under a decimal comma of the regional settings: $(tail -n 1 "$work/regionale.csv")"
echo "Windows: regional settings passed (decimal comma of an English Windows)"

# Installed silently: the program in Program Files, its Start menu entry, and
# its entry among the installed programs.
wine "$B/$NOME"-*-setup.exe /S || fail "the installer ended with status $?"
for file in predimvelmora.exe predimvelmora.com disinstalla.exe licenza.txt; do
    [ -f "$INSTALLATA/$file" ] || fail "not installed: $file"
done
[ -f "$MENU" ] || fail "no Start menu entry"
wine reg query "$CHIAVE_DISINSTALLA" /v UninstallString >/dev/null 2>&1 ||
    fail "not among the installed programs"
echo "Windows: installer passed"

# The installed program opens its wizard (774 x 489) on a virtual X server.
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
server_pid=$!
sleep 1
DISPLAY=$display wine "$INSTALLATA/predimvelmora.exe" >/dev/null 2>&1 &
for _ in $(seq 1 300); do
    DISPLAY=$display xwininfo -root -tree 2>/dev/null | grep -q ' 774x489+' && break
    sleep 0.1
done
DISPLAY=$display xwininfo -root -tree | grep -q ' 774x489+' ||
    fail "the installed program showed no wizard"
wineserver -k 2>/dev/null || true
kill "$server_pid" 2>/dev/null
server_pid=""
echo "Windows: the installed program started and showed its wizard"

# The uninstaller copies itself aside and removes the rest while it runs on.
wine "$INSTALLATA/disinstalla.exe" /S || fail "the uninstaller ended with status $?"
for _ in $(seq 1 300); do
    [ ! -e "$INSTALLATA" ] && break
    sleep 0.1
done
[ ! -e "$INSTALLATA" ] || fail "left behind: $(ls "$INSTALLATA")"
[ ! -e "$MENU" ] || fail "the Start menu entry is left"
! wine reg query "$CHIAVE_DISINSTALLA" >/dev/null 2>&1 ||
    fail "still among the installed programs"
echo "Windows: uninstaller passed"
