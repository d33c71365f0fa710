#!/usr/bin/env bash
# Draws the window icon, the pictures and the hand cursor of the calculator
# window into the folder this script sits in.  Run: bash assets/make_assets.sh
#
# Needs Debian's ImageMagick 6 (/usr/bin/convert, with its pango coder) and
# fonts-liberation.  Everything is drawn from primitives and the Liberation
# fonts; metadata and time stamps are left out so that a second run writes the
# same bytes.
set -euo pipefail

IM=/usr/bin/convert
FONTS=/usr/share/fonts/truetype/liberation
OUT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

[[ -x "$IM" ]] || { echo "make_assets: $IM not found (apt-get install imagemagick)" >&2; exit 1; }
for f in LiberationSans-Bold.ttf LiberationSans-BoldItalic.ttf LiberationSerif-BoldItalic.ttf; do
    [[ -r "$FONTS/$f" ]] || { echo "make_assets: $FONTS/$f missing (apt-get install fonts-liberation)" >&2; exit 1; }
done
"$IM" -list format | grep -qi '^ *PANGO' ||
    { echo "make_assets: $IM lacks the pango coder (Debian's imagemagick has it)" >&2; exit 1; }

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

# Options shared by every output: no comments, profiles or time stamps.
CLEAN=(-strip -define 'png:exclude-chunks=date,time')

# ---------------------------------------------------------------------------
# hcflcm.ico: window icon, 32 x 32, 16-colour palette (4 bits per pixel).
# Three lines of block letters (FAC green, HCF red, LCM blue) with a dark
# drop shadow on a light grey bevelled square, drawn pixel by pixel.
# ---------------------------------------------------------------------------
cat > "$WORK/icon.xpm" <<'XPM'
/* XPM */
static char *icon[] = {
"32 32 9 1",
". c #C0C0C0",
"w c #FFFFFF",
"d c #808080",
"g c #00A800",
"G c #004000",
"r c #E00000",
"R c #600000",
"b c #0000E0",
"B c #000060",
"wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww",
"w..............................d",
"w....gggggg...gggg....ggggg....d",
"w....ggggggG.gggggg..ggggggG...d",
"w....ggGGGGG.ggGGggG.ggGGGGG...d",
"w....ggggg...ggG.ggG.ggG.......d",
"w....gggggG..ggggggG.ggG.......d",
"w....ggGGGG..ggggggG.ggG.......d",
"w....ggG.....ggGGggG.gggggg....d",
"w....ggG.....ggG.ggG..gggggG...d",
"w.....GG......GG..GG...GGGGG...d",
"w..............................d",
"w....rr..rr...rrrrr..rrrrrr....d",
"w....rrR.rrR.rrrrrrR.rrrrrrR...d",
"w....rrR.rrR.rrRRRRR.rrRRRRR...d",
"w....rrrrrrR.rrR.....rrrrr.....d",
"w....rrrrrrR.rrR.....rrrrrR....d",
"w....rrRRrrR.rrR.....rrRRRR....d",
"w....rrR.rrR.rrrrrr..rrR.......d",
"w....rrR.rrR..rrrrrR.rrR.......d",
"w.....RR..RR...RRRRR..RR.......d",
"w..............................d",
"w...bb.......bbbbb..bb....bb...d",
"w...bbB.....bbbbbbB.bbb..bbbB..d",
"w...bbB.....bbBBBBB.bbbbbbbbB..d",
"w...bbB.....bbB.....bbBbbBbbB..d",
"w...bbB.....bbB.....bbB.BBbbB..d",
"w...bbB.....bbB.....bbB...bbB..d",
"w...bbbbbb..bbbbbb..bbB...bbB..d",
"w...bbbbbbB..bbbbbB.bbB...bbB..d",
"w....BBBBBB...BBBBB..BB....BB..d",
"wddddddddddddddddddddddddddddddd"
};
XPM
"$IM" "$WORK/icon.xpm" -alpha off -type Palette "${CLEAN[@]}" "ico:$OUT/hcflcm.ico"

# ---------------------------------------------------------------------------
# icon-N.png: the same design as the application icon of the desktop menus,
# drawn at each size N (not scaled up from the 32 x 32 pixels). The 32 x 32
# one is the window icon's own pixels; the others draw the bevelled square and
# the three lines of letters (Liberation Sans Bold, stretched to the boxes of
# the block letters) with their shadows in the places the 32 x 32 pixels give
# them, four times larger, then scale down for smooth edges.
# ---------------------------------------------------------------------------
"$IM" "$WORK/icon.xpm" -alpha off "${CLEAN[@]}" "PNG24:$OUT/icon-32.png"
draw_icon() { # draw_icon N
    local n=$1 s=$(($1 * 4))
    local u=$((s / 32))                        # one pixel of the 32 x 32 design
    local bevel=$(( u > 8 ? u / 2 : u ))       # thin edges on the large sizes
    local args=(-size "${s}x${s}" xc:'#C0C0C0'
        -fill white -draw "rectangle 0,0 $((s - 1)),$((bevel - 1))" -draw "rectangle 0,0 $((bevel - 1)),$((s - 1))"
        -fill '#808080' -draw "rectangle $((s - bevel)),$bevel $((s - 1)),$((s - 1))"
        -draw "rectangle $bevel,$((s - bevel)) $((s - 1)),$((s - 1))")
    local line text colour shadow top
    for line in "FAC #00A800 #004000 2" "HCF #E00000 #600000 12" "LCM #0000E0 #000060 22"; do
        read -r text colour shadow top <<<"$line"
        for layer in "$shadow $u" "$colour 0"; do
            read -r fill offset <<<"$layer"
            # The letters fill their 25 x 8 box, as the wide block letters do.
            args+=(\( +size -background none -fill "$fill" -font "$FONTS/LiberationSans-Bold.ttf"
                -pointsize 200 "label:$text" -trim +repage -resize "$((25 * u))x$((8 * u))!" \)
                -geometry "+$((4 * u + offset))+$((top * u + offset))" -composite)
        done
    done
    "$IM" "${args[@]}" -resize "${n}x${n}" -alpha off "${CLEAN[@]}" "PNG24:$OUT/icon-$n.png"
}
for n in 16 24 48 64 128 256; do
    draw_icon "$n"
done

# ---------------------------------------------------------------------------
# hand.png: pointing-hand cursor, 32 x 32, black outline, white fill, clear
# elsewhere.  The tip of the index finger is at (5, 0), the hot spot.
# ---------------------------------------------------------------------------
{
    printf '%s\n' '/* XPM */' 'static char *hand[] = {' '"32 32 3 1",' \
        '". c None",' '"# c #000000",' '"o c #FFFFFF",'
    cat <<'ROWS'
".....##.........................",
"....#oo#........................",
"....#oo#........................",
"....#oo#........................",
"....#oo#........................",
"....#oo###......................",
"....#oo#oo###...................",
"....#oo#oo#oo##.................",
"....#oo#oo#oo#o#................",
".##.#oo#oo#oo#o#................",
"#oo##oo#oo#oo#o#................",
"#ooo#oooooooooo#................",
".#ooooooooooooo#................",
".#ooooooooooooo#................",
"..#oooooooooooo#................",
"..#ooooooooooo#.................",
"...#oooooooooo#.................",
"...#oooooooooo#.................",
"....#oooooooo#..................",
"....#oooooooo#..................",
"....##########..................",
"................................",
"................................",
"................................",
"................................",
"................................",
"................................",
"................................",
"................................",
"................................",
"................................",
"................................"
ROWS
    printf '%s\n' '};'
} > "$WORK/hand.xpm"
"$IM" "$WORK/hand.xpm" "${CLEAN[@]}" "PNG8:$OUT/hand.png"

# ---------------------------------------------------------------------------
# find.gif: picture of the prime button, 83 x 42, the word FIND in red bold
# capitals with a thin dark red shadow on a cyan ground.
# ---------------------------------------------------------------------------
"$IM" -size 83x42 xc:'#00FFFF' \
    -font "$FONTS/LiberationSans-Bold.ttf" -pointsize 30 -gravity center \
    -fill '#800000' -annotate +1+2 'FIND' \
    -fill '#FF0000' -annotate +0+1 'FIND' \
    "${CLEAN[@]}" "gif:$OUT/find.gif"

# Pango markup renders the lettering of the logos (per-letter colours, real
# italic faces with kerning).  It finds the Liberation fonts through
# fontconfig; the checks at the top make sure they are installed.
pango() { # pango MARKUP OUTFILE: render markup on a clear ground, trimmed
    "$IM" -density 72 -background none "pango:$1" -trim +repage "$2"
}

# ---------------------------------------------------------------------------
# reading.jpg: 118 x 110, an adult reading a picture book with a small child
# on a sofa, a window behind them.  Drawn four times larger in units of the
# final pixels ("scale 4,4") and scaled down for smooth edges.
# ---------------------------------------------------------------------------
READING_MVG=$(cat <<'MVG'
scale 4,4
stroke-linejoin round
stroke-linecap round
# window on the wall, upper right
fill '#FFFFFF' stroke none roundrectangle 72,4 112,34 2,2
fill '#BFE6FA' roundrectangle 74,6 110,32 1,1
fill '#FFFFFF' rectangle 91,6 93,32
fill '#FFFFFF' rectangle 74,18 110,20
fill '#F5C86E' rectangle 70,2 76,36
fill '#F5C86E' rectangle 108,2 114,36
# sofa behind the two
fill '#7FB59A' roundrectangle 2,54 116,126 14,14
fill '#6BA386' roundrectangle 2,86 116,126 10,10
# adult: hair behind, body, neck, face
fill '#6B3E26' ellipse 40,27 14,14 0,360
fill '#6B3E26' roundrectangle 26,26 54,48 6,6
fill '#4A78C8' roundrectangle 18,44 62,124 14,14
fill '#F2C6A0' rectangle 36,38 44,47
fill '#F2C6A0' ellipse 40,30 10.5,12 0,360
fill '#6B3E26' path 'M 29.5,28 C 31,16 49,14 50.5,28 C 46,22 38,20 29.5,28 Z'
# adult face, looking down at the book
fill none stroke '#3B2A20' stroke-width 1.1
path 'M 34,31.5 Q 36,33 38,31.5'
path 'M 42,31.5 Q 44,33 46,31.5'
path 'M 37,37 Q 40,39.5 43,37'
stroke none fill '#F29C9C' fill-opacity 0.6 ellipse 33.5,35 2,1.3 0,360 ellipse 46.5,35 2,1.3 0,360
fill-opacity 1
# child: hair, body, face
fill '#F0A830' ellipse 82,46 11,10.5 0,360
fill '#E8584C' roundrectangle 67,57 97,124 10,10
fill '#F6D2B0' rectangle 79,54 85,59
fill '#F6D2B0' ellipse 82,49 8,8.5 0,360
fill '#F0A830' path 'M 73.5,47 C 74,38 90,38 90.5,47 C 87,42 83,44 80,41 C 78,44 76,44 73.5,47 Z'
fill '#3B2A20' stroke none ellipse 79,49.5 1.1,1.3 0,360 ellipse 85,49.5 1.1,1.3 0,360
fill none stroke '#3B2A20' stroke-width 1
path 'M 79.5,53.5 Q 82,56 84.5,53.5'
stroke none fill '#F29C9C' fill-opacity 0.6 ellipse 76.5,52.5 1.7,1.1 0,360 ellipse 87.5,52.5 1.7,1.1 0,360
fill-opacity 1
# arms reaching to the book
fill none stroke '#3F67B0' stroke-width 8 line 26,56 42,80
stroke '#D94C40' stroke-width 6 line 92,64 86,79
stroke none
# the open book: cover, two pages, spine
fill '#8C2F39' polygon 38,66 62,71 86,63 89,88 62,95 36,89
fill '#FFFBEA' polygon 41,67 62,72.5 62,92 39.5,86.5
fill '#E9F6FF' polygon 62,72.5 84,65 86.5,85 62,92
stroke '#C9BFA0' stroke-width 0.6 line 62,72.5 62,92 stroke none
# pictures in the book: a sun and a bird on the left page,
# a hill, a tree and a house on the right page
fill '#FF8A1E' ellipse 48,75 4,4 0,360
fill none stroke '#3A7BD5' stroke-width 0.9 path 'M 52,82 q 2,-2 3.5,0 q 2,-2 3.5,0' stroke none
fill '#5DBB4E' path 'M 62,92 L 62,82 Q 74,74 86,80 L 86.5,85 Z'
fill '#8B5A2B' rectangle 76,73 77.5,80
fill '#2E9E44' ellipse 76.8,71.5 3.6,4 0,360
fill '#FFCF33' rectangle 65,76.5 71,82
fill '#E84A3C' polygon 64,77 68,73 72,77
# hands holding the book
fill '#F2C6A0' ellipse 41,81 4,3.6 0,360
fill '#F6D2B0' ellipse 86,79 3.4,3 0,360
MVG
)
"$IM" -size 472x440 gradient:'#FFF3DC-#FBD9B5' -draw "$READING_MVG" \
    -resize 118x110 "${CLEAN[@]}" -sampling-factor 1x1 -quality 90 "jpeg:$OUT/reading.jpg"

# ---------------------------------------------------------------------------
# club.jpg: 144 x 119, the children's club logo on white: "Numeria" in a bold
# italic serif with one colour per letter, "Kids Club" under it, an orange
# swirl that curls at the left and runs to a small red flag at the right.
# The top left stays white: the window writes a caption over it.
# ---------------------------------------------------------------------------
pango '<span font="Liberation Serif Bold Italic 136"><span foreground="#E53935">N</span><span foreground="#FB8C00">u</span><span foreground="#EFB000">m</span><span foreground="#43A047">e</span><span foreground="#1E88E5">r</span><span foreground="#5E35B1">i</span><span foreground="#D81B60">a</span></span>' \
    "$WORK/club_name.png"
pango '<span font="Liberation Sans Bold Italic 68" foreground="#6A1B9A">Kids Club</span>' \
    "$WORK/club_kids.png"
# Archimedean spiral around (18, 90), drawn from its centre outwards turning
# anticlockwise and left at its lowest point heading right; a curve then
# carries it on to the foot of the flag pole.
SWIRL=$(awk 'BEGIN {
    pi = 3.14159265358979; n = 72
    for (i = 0; i <= n; i++) {
        t = 3 * pi * i / n; r = 1.0 + 1.25 * t; a = pi / 2 + 3 * pi - t
        printf "%s %.2f,%.2f ", (i ? "L" : "M"), 18 + r * cos(a), 90 + r * sin(a)
    }
    printf "C 60,%.2f 102,106 127,88", 90 + 1.0 + 1.25 * 3 * pi
}')
"$IM" -size 576x476 xc:white \
    -draw "scale 4,4 stroke-linecap round stroke-linejoin round fill none stroke '#FF9800' stroke-width 3 path '$SWIRL'" \
    -draw "scale 4,4 stroke '#5D4037' stroke-width 1.6 stroke-linecap round line 127,89 127,50
           stroke none fill '#E53935' path 'M 128,50 C 132,48 135,53 140,50 L 140,61 C 135,64 132,59 128,61 Z'
           fill '#FFEB3B' circle 133.8,55.5 133.8,53.5" \
    "$WORK/club_name.png" -gravity north -geometry +0+88 -composite \
    "$WORK/club_kids.png" -gravity north -geometry +34+236 -composite \
    -resize 144x119 "${CLEAN[@]}" -sampling-factor 1x1 -quality 90 "jpeg:$OUT/club.jpg"

# ---------------------------------------------------------------------------
# maker.gif: 96 x 72, the maker's logo: "Numeria" in cyan bold italic with a
# soft glow, a cyan stroke and "LEARNING" under it, a small sparkle, on dark
# navy.  Drawn four times larger, scaled down, reduced to 64 colours.
# ---------------------------------------------------------------------------
pango '<span font="Liberation Serif Bold Italic 92" foreground="#3FE8FF">Numeria</span>' \
    "$WORK/maker_name.png"
pango '<span font="Liberation Sans Bold 40" foreground="#BFF6FF" letter_spacing="8192">LEARNING</span>' \
    "$WORK/maker_sub.png"
"$IM" "$WORK/maker_name.png" -alpha extract -blur 0x6 -background '#0097B2' -alpha shape \
    "$WORK/maker_glow.png"
"$IM" -size 384x288 xc:'#0B1A2E' \
    "$WORK/maker_glow.png" -gravity north -geometry +0+56 -composite \
    "$WORK/maker_name.png" -gravity north -geometry +0+56 -composite \
    -draw "stroke '#3FE8FF' stroke-width 5 fill none stroke-linecap round path 'M 60,170 Q 192,150 324,170'" \
    "$WORK/maker_sub.png" -gravity north -geometry +0+192 -composite \
    -draw "fill '#BFF6FF' stroke none path 'M 346,22 Q 349,37 364,40 Q 349,43 346,58 Q 343,43 328,40 Q 343,37 346,22 Z'" \
    -resize 96x72 +dither -colors 64 "${CLEAN[@]}" "gif:$OUT/maker.gif"

# ---------------------------------------------------------------------------
# emblem.gif: 31 x 44, four white zig-zag lines (two pixels thick, three
# peaks each) on dark green, drawn pixel-exact without anti-aliasing.
# ---------------------------------------------------------------------------
ZIGZAGS=$(awk 'BEGIN {
    for (k = 0; k < 4; k++)
        for (d = 0; d < 2; d++) {
            printf "polyline "
            for (i = 0; i <= 6; i++) printf "%d,%d ", 3 + 4 * i, 7 + 8 * k + d + (i % 2 ? 0 : 4)
            printf "\n"
        }
}')
"$IM" -size 31x44 xc:'#0E5C2F' +antialias \
    -draw "fill none stroke white stroke-width 1 $ZIGZAGS" \
    "${CLEAN[@]}" "gif:$OUT/emblem.gif"

# ---------------------------------------------------------------------------
# assets.qrc: the window icon in every size, the pictures and the cursor as
# Qt resources under :/assets/.
# ---------------------------------------------------------------------------
cat > "$OUT/assets.qrc" <<'QRC'
<!DOCTYPE RCC>
<RCC version="1.0">
    <qresource prefix="/assets">
        <file>icon-16.png</file>
        <file>icon-24.png</file>
        <file>icon-32.png</file>
        <file>icon-48.png</file>
        <file>icon-64.png</file>
        <file>icon-128.png</file>
        <file>icon-256.png</file>
        <file>find.gif</file>
        <file>reading.jpg</file>
        <file>club.jpg</file>
        <file>maker.gif</file>
        <file>emblem.gif</file>
        <file>hand.png</file>
    </qresource>
</RCC>
QRC

echo "make_assets: wrote hcflcm.ico icon-{16,24,32,48,64,128,256}.png hand.png find.gif reading.jpg club.jpg maker.gif emblem.gif assets.qrc into $OUT"
