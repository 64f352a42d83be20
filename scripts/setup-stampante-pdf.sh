#!/usr/bin/env bash
# A CUPS queue that prints into PDF files (cups-pdf, files land in ~/PDF), for
# the end-to-end print test. Runs only as root, as in CI containers; it makes
# the queue the default printer only when there is no default yet, so a
# machine's own printers are left alone. Without it that test is skipped.
set -euo pipefail

CODA=VelmoraPDF
[ "$(id -u)" -eq 0 ] || exit 0

missing=()
for p in cups printer-driver-cups-pdf; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

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
