#!/usr/bin/env bash
# Builds the Debian package from the build tree, unpacks it into a scratch folder and checks
# what it installs, the validators' verdicts and the declared dependencies.
set -uo pipefail
build_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build_dir/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack failed"; }
deb=$(ls "$scratch"/out/vandrel_*_amd64.deb 2>/dev/null | head -n 1)
[[ -n "$deb" ]] || fail "no vandrel_<version>_amd64.deb"
dpkg-deb -x "$deb" "$scratch/root"

id=org.vandrel.Vandrel
expected=(usr/bin/vandrel "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml")
for size in 16 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected[@]}"; do
    [[ -f "$scratch/root/$file" ]] || fail "missing $file"
done
for size in 16 32 48 64 128 256; do
    got=$(file -b "$scratch/root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
    [[ "$got" == *"$size x $size"* ]] || fail "icon ${size}: $got"
done
[[ -x "$scratch/root/usr/bin/vandrel" ]] || fail "vandrel is not executable"

verdict=$(desktop-file-validate "$scratch/root/usr/share/applications/$id.desktop" 2>&1) ||
    fail "desktop-file-validate: $verdict"
[[ -z "$verdict" ]] || fail "desktop-file-validate: $verdict"
grep -q "^Exec=vandrel$" "$scratch/root/usr/share/applications/$id.desktop" || fail "Exec"
verdict=$(appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/$id.metainfo.xml" 2>&1) ||
    fail "appstreamcli validate: $verdict"
grep -qE '^(E|W):' <<<"$verdict" && fail "appstreamcli validate: $verdict"

depends=$(dpkg-deb -f "$deb" Depends)
for package in fonts-liberation2 libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done
[[ $(dpkg-deb -f "$deb" Architecture) == amd64 ]] || fail "architecture"
apt-get install --simulate -qq "$deb" >"$scratch/apt.log" 2>&1 || { cat "$scratch/apt.log"; fail "apt-get would not install it"; }
echo "PASS: $(basename "$deb") installs its files, validates, depends on: $depends"
