#!/bin/sh
# Installs what the sales-list benchmarks compare against (not needed to build or test): the workbook generators
# python3-xlsxwriter (.xlsx) and python3-xlwt (.xls), the peers openpyxl and xlrd (Debian), readxl (Debian's R
# package, which reads both formats) and xlsx (npm, into build/bench-peers, also both), and GNU time for the
# peak-memory figures. Run as root for the Debian packages.
set -eu
cd "$(dirname "$0")/.."

packages="python3-xlsxwriter python3-xlwt python3-openpyxl python3-xlrd r-cran-readxl time nodejs npm"
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
