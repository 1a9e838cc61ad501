#!/usr/bin/env bash
# Builds the Windows program and writes dist/tarvik-<version>-win64.zip for
# Windows users: the stripped tarvik.exe and tarvik-cfg.exe, the help file, the demo
# configuration under a name that replaces nobody's tarvik7.cfg, and a short
# README.txt. The version is the one the program shows.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup.sh
bash scripts/build.sh windows

version=$(sed -nE 's/^#define TARVIK_VERSION_TEXT "([0-9.]+)"/\1/p' src/shell/VersionString.h)
[ -n "$version" ] || { echo "package: no version in src/shell/VersionString.h" >&2; exit 1; }
bin="$root/build/windows/bin"
name="tarvik-$version-win64"
stage="$root/build/package/$name"
rm -rf "$stage"
mkdir -p "$stage" "$root/dist"

x86_64-w64-mingw32-strip -o "$stage/tarvik.exe" "$bin/tarvik.exe"
x86_64-w64-mingw32-strip -o "$stage/tarvik-cfg.exe" "$bin/tarvik-cfg.exe"
cp "$bin/tarvik7.chm" "$stage/"
source scripts/package-demo.sh
package_demo_config "$stage/tarvik-demo.cfg"
sed "s/@VERSION@/$version/" resources/package/README.txt | sed 's/$/\r/' >"$stage/README.txt"

zip="$root/dist/$name.zip"
rm -f "$zip"
(cd "$root/build/package" && zip -q -r -X "$zip" "$name")
echo "package: $zip"
unzip -l "$zip" | sed -n '4,$p'
