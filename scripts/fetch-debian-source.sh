#!/usr/bin/env bash
# Fetches and unpacks the Debian source package PACKAGE (at VERSION, the upstream version the build expects) into
# DEST/PACKAGE-VERSION, through a private deb-src list of the system's own archives, so the system's apt
# configuration stays untouched. Does nothing when DEST/PACKAGE-VERSION exists already.
# Usage: fetch-debian-source.sh PACKAGE VERSION DEST
set -euo pipefail

package=$1
version=$2
dest=$3
unpacked=$dest/$package-$version
[[ -f $unpacked/.unpacked ]] && exit 0

work=$dest/apt
mkdir -p "$work/lists/partial" "$work/archives/partial" "$dest"
# The deb-src twin of every deb entry the system has.
sources=$work/sources.list
: >"$sources"
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [[ -f $file ]] && sed -n 's/^deb \(.*\)/deb-src \1/p' "$file" >>"$sources"
done
for file in /etc/apt/sources.list.d/*.sources; do
    [[ -f $file ]] || continue
    awk '/^Types:/ { print "Types: deb-src"; next } { print }' "$file" >"$work/$(basename "$file")"
done

options=(-o "Dir::Etc::sourcelist=$sources" -o "Dir::Etc::sourceparts=$work" -o "Dir::State::lists=$work/lists"
         -o "Dir::Cache::archives=$work/archives" -o "Debug::NoLocking=1")
apt-get "${options[@]}" update -qq
(cd "$dest" && apt-get "${options[@]}" source --download-only "$package=$(apt-cache "${options[@]}" showsrc "$package" |
    awk -v v="$version" '$1 == "Version:" && index($2, v) { print $2; exit }')")
dsc=$(ls "$dest"/"${package}"_*"${version}"*.dsc | head -n 1)
rm -rf "$dest/unpacking" "$unpacked"
dpkg-source --no-check -x "$dsc" "$dest/unpacking" >/dev/null
mv "$dest/unpacking" "$unpacked"
touch "$unpacked/.unpacked"
