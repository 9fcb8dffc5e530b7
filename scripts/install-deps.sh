#!/usr/bin/env bash
# Installs what building and testing Tallyvane needs on Debian 12 (run as root). Installs only what is missing.
set -euo pipefail

readonly packages=(
    cmake ninja-build g++ make clang-format clang libclang-rt-14-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    zlib1g-dev libz-mingw-w64-dev
    wine wine64 xvfb fonts-wine fonts-wqy-microhei locales ccache
    dpkg-dev
    python3-openpyxl python3-xlwt python3-xlrd fp-utils-3.2.2
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Wine takes the ANSI code page from the Unix locale; the tests run it in zh_CN.UTF-8 (code page 936).
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
    localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
