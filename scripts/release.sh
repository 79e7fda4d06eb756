#!/usr/bin/env bash
# Builds the 32-bit program in a clean build folder and packs the release for Windows users:
#   dist/ieproxy-<version>-win32.zip  the program and the user guide (README.txt, Chinese)
#   dist/SHA256SUMS                   the checksums of the zip and of the program file in it
# The same sources give the same bytes: the program file has no time stamp or build path, and
# the zip has its files in a fixed order with fixed times and modes.
source "$(dirname "$0")/common.sh"

install_packages cmake make g++-mingw-w64-i686 zip
if git -C "$ROOT" rev-parse --git-dir >/dev/null 2>&1 && [ -n "$(git -C "$ROOT" status --porcelain)" ]; then
    say "note: the work tree has uncommitted changes; this release is not the one of a commit"
fi
rm -rf "$BUILD/win32"
build_program
version=$(sed -n 's/^#define IEPROXY_VERSION_TEXT "\(.*\)"$/\1/p' "$BUILD/win32/generated/build_config.h")
[ -n "$version" ] || { say "FAILED: no version in the build's configuration"; exit 1; }

dist="$ROOT/dist"
zip_name="ieproxy-$version-win32.zip"
stage="$BUILD/release-stage"
rm -rf "$dist" "$stage"
mkdir -p "$dist" "$stage"
cp "$BUILD/win32/ieproxy.exe" "$stage/ieproxy.exe"
# The guide for Windows Notepad: UTF-8 with a byte order mark (Notepad of every Windows version
# and every system language reads it as Unicode; code page 936 reads right only on a Chinese
# system), with CRLF line ends (older Notepad shows no other).
{ printf '\xEF\xBB\xBF'; sed 's/$/\r/' "$ROOT/docs/guide-zh.txt"; } >"$stage/README.txt"
chmod 644 "$stage/ieproxy.exe" "$stage/README.txt"
TZ=UTC touch -d '2000-01-01 00:00:00' "$stage/ieproxy.exe" "$stage/README.txt"
(cd "$stage" && TZ=UTC zip -X -D -q -9 "$dist/$zip_name" ieproxy.exe README.txt)
(cd "$dist" && sha256sum "$zip_name") >"$dist/SHA256SUMS"
(cd "$stage" && sha256sum ieproxy.exe) >>"$dist/SHA256SUMS"
rm -rf "$stage"
say "release: $dist/$zip_name"
cat "$dist/SHA256SUMS"
