#!/usr/bin/env bash
# Makes a PDF printer the default printer, so that the order printout can be
# tested without paper. Safe to run again; needs cups and printer-driver-cups-pdf.
set -euo pipefail

printer=QuilletPDF
# Every user's pages land in one known folder, whoever runs the print.
outdir=/var/spool/cups-pdf/quillet
conf=/etc/cups/cups-pdf.conf

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

if [ -f "$conf" ] && ! grep -qx "Out $outdir" "$conf"; then
  $sudo sed -i -e '/^Out[[:space:]]/d' "$conf"
  echo "Out $outdir" | $sudo tee -a "$conf" >/dev/null
fi
$sudo mkdir -p "$outdir"
$sudo chmod 1777 "$outdir"

running() { lpstat -r 2>/dev/null | grep -qx 'scheduler is running'; }

# No service manager in containers: start the daemon directly.
if ! running; then
  $sudo mkdir -p /run/cups
  $sudo cupsd
  for _ in $(seq 100); do
    running && break
    sleep 0.2
  done
  running || { echo "printer-setup: the CUPS scheduler did not start" >&2; exit 1; }
fi

if ! lpstat -p "$printer" >/dev/null 2>&1; then
  model=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_opt\.ppd/ {print $1; exit}')
  [ -n "$model" ] || model=$(lpinfo -m 2>/dev/null | awk 'tolower($0) ~ /cups-pdf/ {print $1; exit}')
  [ -n "$model" ] || { echo "printer-setup: no cups-pdf driver found" >&2; exit 1; }
  $sudo lpadmin -p "$printer" -E -v cups-pdf:/ -m "$model"
fi
# The page reaches cups-pdf as PostScript; converting it through cairo keeps
# the text readable in the final PDF (other converters garble it), so tests
# can read the printout back with pdftotext.
$sudo lpadmin -p "$printer" -o pdftops-renderer-default=pdftocairo
$sudo cupsenable "$printer" 2>/dev/null || true
$sudo cupsaccept "$printer" 2>/dev/null || true
$sudo lpadmin -d "$printer"
echo "printer-setup: default printer $(lpstat -d | sed 's/.*: //'), pages in $outdir"
