#!/usr/bin/env bash
# Usage: check-window-picture.sh PROGRAM OUT.png
# Takes a picture of the real window under Xvfb (window-picture.sh) and checks
# it: the client area is 612 x 408 below the menu bar, and every picture
# control shows its own image.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
assets="$here/../assets"
out=$2
bash "$here/window-picture.sh" "$1" "$out"

read -r width height < <(identify -format '%w %h\n' "$out")
menu=$((height - 408))
echo "window picture: ${width} x ${height} (client area 612 x 408, menu bar ${menu} px)"
failed=0
if [ "$width" -ne 612 ] || [ "$menu" -lt 15 ] || [ "$menu" -gt 40 ]; then
    echo "FAIL: expected 612 wide and 408 plus a menu bar of 15 to 40 pixels high" >&2
    failed=1
fi

# name, left and top in the client area, width, height, the image it should
# show, and the part compared (Label9 and Label2 are drawn over Image3's top)
pictures=(
    "Image2 156 11 118 110 reading.jpg 118x110+0+0"
    "Image3 12 11 144 110 club.jpg 144x80+0+30"
    "Image4 489 291 96 72 maker.gif 96x72+0+0"
    "Image5 518 239 31 44 emblem.gif 31x44+0+0"
)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for entry in "${pictures[@]}"; do
    read -r name x y w h image part <<<"$entry"
    convert "$out" -crop "${w}x${h}+${x}+$((y + menu))" +repage -crop "$part" +repage -alpha off "$tmp/$name.png"
    convert "$assets/$image[0]" -resize "${w}x${h}!" -crop "$part" +repage -alpha off "$tmp/$name-expected.png"
    # Normalised root mean square difference, 0 (same) to 1.
    difference=$( (compare -metric RMSE "$tmp/$name.png" "$tmp/$name-expected.png" null: 2>&1 || true) | sed -E 's/.*\((.*)\)/\1/')
    if awk "BEGIN { exit !($difference < 0.05) }"; then
        echo "ok: $name shows $image (difference $difference)"
    else
        echo "FAIL: $name does not show $image (difference $difference)" >&2
        failed=1
    fi
done

# The FindPrime button: its picture is centred and clipped, so check that the
# face is not a plain area and holds the picture's red and cyan.
convert "$out" -crop "85x36+212+$((285 + menu))" +repage "$tmp/FindPrime.png"
spread=$(convert "$tmp/FindPrime.png" -colorspace Gray -format '%[fx:standard_deviation]' info:)
if awk "BEGIN { exit !($spread > 0.1) }"; then
    echo "ok: FindPrime shows its picture (spread $spread)"
else
    echo "FAIL: FindPrime shows a plain face (spread $spread)" >&2
    failed=1
fi
exit $failed
