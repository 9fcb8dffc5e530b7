#!/bin/sh
# Installs what the sales-list benchmark compares against (not needed to build or test): the workbook generator's
# python3-xlsxwriter, the peers openpyxl (Debian), readxl (Debian's R package) and xlsx (npm, into
# build/bench-peers), and GNU time for the peak-memory figures. Run as root for the Debian packages.
set -eu
cd "$(dirname "$0")/.."

packages="python3-xlsxwriter python3-openpyxl r-cran-readxl time nodejs npm"
missing=""
for package in $packages; do
    dpkg -s "$package" >/dev/null 2>&1 || missing="$missing $package"
done
if [ -n "$missing" ]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi

mkdir -p build/bench-peers
npm install --prefix build/bench-peers --no-audit --no-fund xlsx
