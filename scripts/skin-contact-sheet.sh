#!/usr/bin/env bash
# A contact sheet of the program's skin, to review the design at a glance:
# every picture of the skin (enlarged 2x, the key-colour magenta shows where
# images are drawn transparently), then every control record rendered the way
# a skinned control draws it, at its own size and at a few larger sizes.
#
# Usage: scripts/skin-contact-sheet.sh [OUT.png] [SKINPACK]
#   OUT.png   default build/skin-contact-sheet.png
#   SKINPACK  default build/native/tools/skinpack/skinpack (build the native preset first)
# Needs ImageMagick (convert, montage) and the Liberation fonts (fonts-liberation2,
# installed by scripts/setup.sh): montage has no default font on a fresh machine.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/skin-contact-sheet.png}
skinpack=${2:-build/native/tools/skinpack/skinpack}
[ -x "$skinpack" ] || { echo "skin-contact-sheet: no skinpack at $skinpack (cmake --build --preset native)" >&2; exit 1; }
command -v montage >/dev/null || { echo "skin-contact-sheet: ImageMagick's montage is needed" >&2; exit 1; }
font=/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf
[ -f "$font" ] || { echo "skin-contact-sheet: no $font (fonts-liberation2, scripts/setup.sh)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$skinpack" build resources/skin/definition.ini -o "$work/skin" >/dev/null 2>&1

# Pictures, with their names and sizes.
mkdir -p "$work/pictures"
for bmp in resources/skin/*.bmp; do
  name=$(basename "$bmp" .bmp)
  size=$(identify -format '%wx%h' "$bmp")
  convert "$bmp" -scale 200% "$work/pictures/$name.png"
  echo "$work/pictures/$name.png $name $size" >>"$work/pictures.list"
done

# Control records at their own size and three larger ones.
mkdir -p "$work/records"
"$skinpack" info "$work/skin" | sed -n 's/^control: \([^ ]*\) .*/\1/p' >"$work/controls"
i=0
while read -r name; do
  for size in "0 0" "90 40" "160 70" "240 120"; do
    read -r w h <<<"$size"
    bmp="$work/records/$(printf '%03d' $i)-$name-$w.bmp"
    if [ "$w" = 0 ]; then
      dims=$("$skinpack" dump "$work/skin" "$name" | tr -d '\r' | sed -n 's/^skinrect=\([0-9]*\),\([0-9]*\),\([0-9]*\),\([0-9]*\)$/\1 \2 \3 \4/p')
      read -r l t r b <<<"${dims:-0 0 1 1}"
      w=$((r - l)); h=$((b - t))
      [ "$w" -ge 1 ] && [ "$h" -ge 1 ] || { w=1; h=1; }
    fi
    if said=$("$skinpack" render "$work/skin" "$name" "$w" "$h" "$bmp" 2>/dev/null); then
      got=$(sed -n 's/.* at \([0-9x]*\) .*/\1/p' <<<"$said")
      echo "$bmp $name $got" >>"$work/records.list"
    fi
  done
  i=$((i + 1))
done <"$work/controls"

sheet() {  # sheet LIST TITLE TILE OUT
  local args=()
  while read -r file label size; do
    args+=(-label "$label $size" "$file")
  done <"$1"
  montage "${args[@]}" -tile "$3" -geometry '+8+8' -background '#d9dee5' -fill '#253f59' -font "$font" -pointsize 11 \
    -title "$2" "$4"
}
sheet "$work/pictures.list" "Kinopod skin: pictures (2x)" 4x "$work/pictures.png"
sheet "$work/records.list" "Kinopod skin: control records rendered at their own size and at 90x40, 160x70, 240x120" \
  8x "$work/records.png"
mkdir -p "$(dirname "$out")"
convert "$work/pictures.png" "$work/records.png" -background '#d9dee5' -gravity center -append "$out"
echo "skin-contact-sheet: wrote $out ($(identify -format '%wx%h' "$out"))"
