#!/bin/sh
# Renders the still icons, flags, logos and the network animation that
# images.qrc compiles into the program, into images/.
#
# Needs (Debian packages): librsvg2-bin (rsvg-convert), imagemagick (convert),
# breeze-icon-theme (tool bar, menu and dialog icons) and iso-flags-svg (the
# language flags). The build itself uses the committed PNGs and GIF and needs
# none of these. The logo and the animation frame are our own SVGs in svg/.
#
# Usage: resources/ui/generate-images.sh
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out="$here/images"
breeze=/usr/share/icons/breeze
flags=/usr/share/iso-flags-svg/country-4x3
mkdir -p "$out"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# icon NAME THEME-PATH: a 48 x 48 PNG from the 32 px drawing when the theme
# has one (sharper at tool bar sizes), else from the 22 px one.
icon() {
    name=$1 path=$2
    source="$breeze/$(echo "$path" | sed 's#/22/#/32/#')"
    [ -e "$source" ] || source="$breeze/$path"
    rsvg-convert -w 48 -h 48 -f png -o "$out/$name.png" "$source"
}

icon min actions/22/window-minimize.svg
icon max actions/22/window-maximize.svg
icon close actions/22/window-close.svg
icon print actions/22/document-print.svg
icon pdf mimetypes/22/application-pdf.svg
icon message actions/22/mail-message-new.svg
icon help actions/22/help-contents.svg
icon about actions/22/help-about.svg
icon upgrade status/22/update-none.svg
icon use actions/22/document-share.svg
icon originalcontent actions/22/document-preview.svg
icon sitemap actions/22/view-list-tree.svg
icon pagemap actions/22/view-list-text.svg
icon siteselection actions/22/globe.svg
icon contentselection actions/22/view-list-details.svg
icon contentconfig actions/22/view-filter.svg
icon languageconfig preferences/22/preferences-desktop-locale.svg
icon preferenceconfig actions/22/configure.svg
icon keyword actions/22/tag.svg
icon networking actions/22/network-connect.svg
icon wait actions/22/chronometer.svg
icon ok actions/22/dialog-ok-apply.svg
icon error actions/22/dialog-cancel.svg
icon warning status/22/dialog-warning.svg
icon idea actions/22/games-hint.svg

# Flags: the program's language codes mapped to the country whose flag stands
# for the language. 32 x 24, the flags' own 4:3 shape.
while read -r code country; do
    rsvg-convert -w 32 -h 24 -f png -o "$out/flag_$code.png" "$flags/$country.svg"
done <<'MAP'
en gb
zh_CN cn
zh_TW tw
es es
fr fr
ru ru
uk ua
de de
ja jp
kr kr
it it
po pl
ro ro
pt pt
ar sa
iw il
tr tr
id id
hi in
vi vn
fa ir
MAP

# Logos: the window icon (large enough for the desktop icon too) and the
# title bar image at the bar's 40 px height, painted unscaled.
rsvg-convert -w 256 -h 256 -f png -o "$out/logo.png" "$here/svg/tessolin-logo.svg"
rsvg-convert -w 180 -h 40 -f png -o "$out/logotext.png" "$here/svg/tessolin-logotext.svg"

# The network activity animation: twelve frames of the dot ring, each turned
# a further 30 degrees. GIF transparency is one bit, so the soft dots are
# flattened onto white first.
frames=""
for step in 0 1 2 3 4 5 6 7 8 9 10 11; do
    angle=$((step * 30))
    sed "s#<g fill=\"\#2f6fa8\">#<g fill=\"\#2f6fa8\" transform=\"rotate($angle 32 32)\">#" \
        "$here/svg/spinner-frame.svg" >"$work/frame.svg"
    rsvg-convert -w 64 -h 64 -b white -f png -o "$work/frame$step.png" "$work/frame.svg"
    frames="$frames $work/frame$step.png"
done
# shellcheck disable=SC2086
convert -delay 8 $frames -loop 0 "$out/netreading.gif"
