#!/usr/bin/env bash
# A CUPS queue that prints into PDF files (cups-pdf, files land in ~/PDF), for
# the end-to-end print test. Runs only as root, as in CI containers; it makes
# the queue the default printer only when there is no default yet, so a
# machine's own printers are left alone. Without it that test is skipped.
set -euo pipefail

CODA=VelmoraPDF
[ "$(id -u)" -eq 0 ] || exit 0

"$(dirname "$0")/installa-mancanti.sh" cups printer-driver-cups-pdf

# Containers have no service manager: start the scheduler by hand.
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    cupsd
    for _ in $(seq 1 50); do
        lpstat -r 2>/dev/null | grep -q "is running" && break
        sleep 0.2
    done
fi
lpstat -r | grep -q "is running"

if ! lpstat -v "$CODA" >/dev/null 2>&1; then
    lpadmin -p "$CODA" -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -E 2>/dev/null
fi
if ! lpstat -d 2>/dev/null | grep -q "^system default destination:"; then
    lpadmin -d "$CODA"
fi
