#!/bin/sh
# Renders the arrow animations of the index and article views from the SVG
# sources in svg/ and writes the GIFs that ui.qrc compiles into the program.
#
# Needs (Debian packages): librsvg2-bin (rsvg-convert), imagemagick (convert),
# and adwaita-icon-theme only to refresh svg/ from the installed theme.
# The build itself uses the committed GIFs and needs none of these.
#
# Usage: resources/ui/generate-icons.sh [--refresh-sources]
set -eu

here=$(cd "$(dirname "$0")" && pwd)
svgdir="$here/svg"
theme=/usr/share/icons/Adwaita/scalable/actions

# Colour of the idle frame and of the frames played while the mouse rests on
# the arrow (the skin's highlight colour).
idle='#2e3436'
hot='#ec00d8'

if [ "${1:-}" = "--refresh-sources" ]; then
    mkdir -p "$svgdir"
    for name in go-up go-down go-previous go-next; do
        cp -L "$theme/$name-symbolic.svg" "$svgdir/$name-symbolic.svg"
    done
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# render SOURCE COLOUR GLYPHSIZE OUT: the glyph at its display size, so no
# bitmap scaling softens it.
render() {
    sed "s/fill=\"#2e3436\"/fill=\"$2\"/g" "$svgdir/$1-symbolic.svg" >"$work/recoloured.svg"
    rsvg-convert -w "$3" -h "$3" -f png -o "$4" "$work/recoloured.svg"
}

# animate SOURCE SIZE DX DY OUT: a SIZE x SIZE animation whose first frame is
# the idle arrow and whose other frames nudge the highlighted arrow by
# (DX, DY) per step, out and back.
animate() {
    source=$1 size=$2 dx=$3 dy=$4 out=$5
    glyph=$((size * 7 / 10))
    base=$(((size - glyph) / 2))
    render "$source" "$idle" "$glyph" "$work/idle.png"
    render "$source" "$hot" "$glyph" "$work/hot.png"
    frames=""
    index=0
    for step in 0 0 1 2 1; do
        if [ "$index" -eq 0 ]; then glyphpng="$work/idle.png"; else glyphpng="$work/hot.png"; fi
        x=$((base + dx * step))
        y=$((base + dy * step))
        frame="$work/frame$index.png"
        convert -size "${size}x${size}" xc:none "$glyphpng" -geometry "+$x+$y" -composite \
            "$frame"
        frames="$frames $frame"
        index=$((index + 1))
    done
    # Background disposal keeps the frames from piling up; GIF transparency is
    # one bit, so the alpha channel is cut at half.
    # shellcheck disable=SC2086
    convert -dispose Background -delay 10 $frames -channel A -threshold 50% +channel \
        -set dispose Background -loop 0 "$out"
}

animate go-up 20 0 -1 "$here/uparrow.gif"
animate go-down 20 0 1 "$here/downarrow.gif"
animate go-previous 25 -1 0 "$here/leftarrow.gif"
animate go-next 25 1 0 "$here/rightarrow.gif"
