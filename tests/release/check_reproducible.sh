#!/usr/bin/env bash
# Two releases built from two copies of the same sources, in folders of different names and at
# different times, are byte for byte the same; each zip holds the program file its build made and
# a guide that reads as Chinese text. Argument: the source tree.
set -euo pipefail
export LC_ALL=C
source_tree=$1
work=$(mktemp -d /tmp/ieproxy-release-check.XXXXXX)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }

for copy in one another-copy; do
    mkdir -p "$work/$copy"
    # The files of the project as they stand in the work tree.
    (cd "$source_tree" && git ls-files -z | xargs -0 tar -cf -) | tar -xf - -C "$work/$copy"
    bash "$work/$copy/scripts/release.sh" >"$work/$copy.log" 2>&1 || { cat "$work/$copy.log"; fail "the release of $copy failed"; exit 1; }
done

zips=("$work"/one/dist/ieproxy-*-win32.zip)
[ ${#zips[@]} -eq 1 ] && [ -f "${zips[0]}" ] || { fail "no single zip in dist"; exit 1; }
name=$(basename "${zips[0]}")
echo "release: $name"
cmp "$work/one/dist/$name" "$work/another-copy/dist/$name" || fail "the two zips differ"
cmp "$work/one/dist/SHA256SUMS" "$work/another-copy/dist/SHA256SUMS" || fail "the two SHA256SUMS differ"
cmp "$work/one/build/win32/ieproxy.exe" "$work/another-copy/build/win32/ieproxy.exe" ||
    fail "the two program files differ"

for copy in one another-copy; do
    dist="$work/$copy/dist"
    [ "$(unzip -Z1 "$dist/$name" | tr '\n' ' ')" = "ieproxy.exe README.txt " ] ||
        fail "$copy: the zip does not hold exactly ieproxy.exe and README.txt"
    unzip -p "$dist/$name" ieproxy.exe | cmp - "$work/$copy/build/win32/ieproxy.exe" ||
        fail "$copy: the zip's program is not the one its build made"
    (cd "$dist" && unzip -q "$name" -d unpacked && cd unpacked && sed -n 2p ../SHA256SUMS | sha256sum -c --quiet) ||
        fail "$copy: SHA256SUMS does not hold the program's checksum"
    (cd "$dist" && head -n1 SHA256SUMS | sha256sum -c --quiet) || fail "$copy: SHA256SUMS does not hold the zip's checksum"
    if grep -a -q -e "$work" -e "$source_tree" "$work/$copy/build/win32/ieproxy.exe"; then
        fail "$copy: the program file holds a build path"
    fi
done

guide=$(mktemp -p "$work")
unzip -p "$work/one/dist/$name" README.txt >"$guide"
[ "$(head -c3 "$guide" | od -An -tx1 | tr -d ' ')" = "efbbbf" ] || fail "the guide does not start with a UTF-8 byte order mark"
iconv -f UTF-8 -t UTF-16LE "$guide" >/dev/null 2>&1 || fail "the guide is not valid UTF-8"
[ "$(grep -c $'\r$' "$guide")" -eq "$(wc -l <"$guide")" ] || fail "the guide's lines do not all end in CRLF"
grep -q "ProxyEnable" "$guide" && grep -q "使用说明" "$guide" && grep -q "Wininet.dll" "$guide" ||
    fail "the guide lacks what it must say"
[ $status -eq 0 ] && echo "two builds, the same bytes: $(sed -n 1p "$work/one/dist/SHA256SUMS")"
exit $status
