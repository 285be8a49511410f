#!/usr/bin/env bash
# Draws the carried art with ImageMagick and the AR PL UKai font (fonts-arphic-ukai):
#   assets/banner.jpg  333 x 333: 小学生 in green, 汉字 近反义词 成语 in white, on black, above a
#                      5 x 5 grid of writing boxes holding 25 characters in Kai script;
#   assets/mochi.ico   the window icon: 墨 in white on an ink-green tile, in eight images.
# Run from anywhere; writes into the repository's assets/ folder.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
assets=$here/../../assets
font=/usr/share/fonts/truetype/arphic/ukai.ttc
[ -f "$font" ] || { echo "needs fonts-arphic-ukai ($font)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Banner: the header, then the grid of 46-pixel boxes with 5-pixel gaps.
rows=(到渠成家立 水照高星业 流猫福于精 云画虎勤问 行龙步学好)
box=46
gap=5
grid_left=$(((333 - 5 * box - 4 * gap) / 2))
grid_top=$((333 - 5 * box - 4 * gap - 8))
draw=()
for r in 0 1 2 3 4; do
  row=${rows[$r]}
  for c in 0 1 2 3 4; do
    x=$((grid_left + c * (box + gap)))
    y=$((grid_top + r * (box + gap)))
    mid_x=$((x + box / 2))
    mid_y=$((y + box / 2))
    draw+=(-fill white -stroke white -strokewidth 1 -draw "rectangle $x,$y $((x + box - 1)),$((y + box - 1))")
    draw+=(-stroke '#c0c0c0' -strokewidth 1 -draw "stroke-dasharray 2 3 line $x,$mid_y $((x + box - 1)),$mid_y")
    draw+=(-draw "stroke-dasharray 2 3 line $mid_x,$y $mid_x,$((y + box - 1))")
    draw+=(-stroke none -fill black -pointsize 36
           -draw "text $((x + 5)),$((y + 36)) '${row:$c:1}'")
  done
done
convert -size 333x333 xc:black -font "$font" \
  -fill '#33cc33' -pointsize 34 -gravity north -annotate +0+4 '小学生' \
  -fill white -pointsize 20 -annotate +0+44 '汉字  近反义词  成语' \
  +gravity "${draw[@]}" \
  -strip -quality 92 -sampling-factor 1x1 "$assets/banner.jpg"

# Icon: one drawing at 256 pixels, scaled to each size, then packed with its colour depths.
convert -size 256x256 xc:none -fill '#1d5c45' -draw 'roundrectangle 8,8 247,247 40,40' \
  -font "$font" -fill white -pointsize 200 -gravity center -annotate +0+8 '墨' \
  "$work/icon.png"
images=()
for image in 48:4 48:8 32:8 16:8 128:32 48:32 32:32 16:32; do
  size=${image%%:*}
  bits=${image##*:}
  out="$work/icon-$size-$bits.rgba"
  convert "$work/icon.png" -resize "${size}x${size}" -depth 8 "rgba:$out"
  images+=("$size:$bits:$out")
done
python3 "$here/pack_icon.py" "$assets/mochi.ico" "${images[@]}"
echo "wrote $assets/banner.jpg ($(stat -c %s "$assets/banner.jpg") bytes) and $assets/mochi.ico"
