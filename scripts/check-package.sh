#!/usr/bin/env bash
# Builds the Debian package and checks it with the ecosystem's own tools:
# lintian on the package, desktop-file-validate on its menu entry and
# appstreamcli on its AppStream data; then checks that it holds exactly the
# expected files and depends on what the program links, and runs the unpacked
# program: --version, --help, and its window on the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
id=example.numeria.hcflcm

bash scripts/package.sh
package=$(ls hcflcm_*.deb)
version=$(dpkg-deb -f "$package" Version)
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

echo "== lintian $package"
status=0
out=$(lintian --fail-on error,warning "$package" 2>&1) || status=$?
grep -v '^running with root privileges' <<<"$out" || true
[ "$status" -eq 0 ] || fail "lintian found errors or warnings"

echo "== files"
expected=(
    ./usr/bin/hcflcm
    "./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/hcflcm/libhcflcm_printing.so"
    ./usr/share/applications/$id.desktop
    ./usr/share/doc/hcflcm/README.md
    ./usr/share/doc/hcflcm/changelog.gz
    ./usr/share/doc/hcflcm/copyright
    ./usr/share/man/man1/hcflcm.1.gz
    ./usr/share/metainfo/$id.metainfo.xml
)
for size in 16 24 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
if ! diff <(printf '%s\n' "${expected[@]}" | sort) \
          <(dpkg-deb --fsys-tarfile "$package" | tar -t | grep -v '/$' | sort); then
    fail "the package does not hold exactly the expected files (< expected, > in the package)"
fi

echo "== depends"
depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
for library in libqt6widgets6 libqt6svg6 libqt6printsupport6 libgmp10 libstdc++6 fonts-liberation; do
    grep -qw -- "$library" <<<"$depends" || fail "Depends lacks $library"
done
# The script fonts are recommended, never required: an English user is not
# made to download them.
recommends=$(dpkg-deb -f "$package" Recommends)
echo "Recommends: $recommends"
for font in fonts-noto-core fonts-noto-cjk; do
    grep -qw -- "$font" <<<"$recommends" || fail "Recommends lacks $font"
    ! grep -qw -- "$font" <<<"$depends" || fail "Depends names $font, which is only recommended"
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$package" "$unpacked"

echo "== desktop-file-validate"
out=$(desktop-file-validate "$unpacked/usr/share/applications/$id.desktop" 2>&1) || true
[ -z "$out" ] || fail "desktop-file-validate: $out"

# Infos are allowed (the id's first part, "example", is no known top-level
# domain); warnings and errors are not.
echo "== appstreamcli validate --no-net"
status=0
out=$(appstreamcli validate --no-net "$unpacked/usr/share/metainfo/$id.metainfo.xml" 2>&1) || status=$?
echo "$out"
if [ "$status" -ne 0 ] || grep -q '^[WE]:' <<<"$out"; then
    fail "appstreamcli validate found warnings or errors"
fi

# The unpacked program, run with no display: --version and --help answer
# without one.
program="$unpacked/usr/bin/hcflcm"
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
echo "== hcflcm --version"
out=$("${nodisplay[@]}" "$program" --version) || fail "--version exited with $?"
echo "$out"
[ "$out" = "hcflcm $version" ] || fail "--version printed '$out', not 'hcflcm $version'"
echo "== hcflcm --help"
out=$("${nodisplay[@]}" "$program" --help) || fail "--help exited with $?"
grep -q '^Usage: .*hcflcm \[options\]' <<<"$out" || fail "--help printed no usage line: $out"

# The window on the offscreen platform: Qt's own painting log shows the window
# frmLCM drawn as a top level, and the program is still running when stopped
# after 5 seconds (timeout's status 124).
echo "== hcflcm on the offscreen platform"
status=0
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qt.widgets.painting=true" \
    timeout 5 "$program" 2>"$unpacked/window.log" || status=$?
[ "$status" -eq 124 ] || fail "the program ended (status $status) before it was stopped: $(tail -n 5 "$unpacked/window.log")"
if grep -q 'Drawing QRegion.* of frmLCM(0x[0-9a-f]*, name="frmLCM")' "$unpacked/window.log"; then
    echo "ok: the window frmLCM was drawn and the program kept running"
else
    fail "the window frmLCM was never drawn"
fi

[ "$failed" -eq 0 ] && echo "package $package: all checks passed"
exit "$failed"
