#!/usr/bin/env bash
# render_svg's own GIF writer: a picture of few colours comes back exactly,
# one of many colours close, at any size, and both read as GIF89a elsewhere.
#   test_render_gif.sh <build dir> <source dir>
set -euo pipefail
build=$1
render=$build/tools/render_svg
[[ -x $render ]] || { echo "missing $render"; exit 1; }
command -v compare >/dev/null || { echo "needs ImageMagick's compare"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
failures=0

cat >"$work/flat.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="300" height="200" viewBox="0 0 300 200">
  <rect width="300" height="200" fill="#8cf"/>
  <rect x="10" y="10" width="100" height="80" fill="#f80"/>
  <rect x="150" y="50" width="100" height="100" fill="#0a0"/>
</svg>
SVG
cat >"$work/many.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="500" height="300" viewBox="0 0 500 300">
  <defs>
    <linearGradient id="g"><stop offset="0" stop-color="red"/><stop offset="0.5" stop-color="#0f0"/><stop offset="1" stop-color="blue"/></linearGradient>
    <linearGradient id="v" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="white"/><stop offset="1" stop-color="black"/></linearGradient>
  </defs>
  <rect width="500" height="150" fill="url(#g)"/>
  <rect y="150" width="500" height="150" fill="url(#v)"/>
  <circle cx="250" cy="150" r="90" fill="#ff0" fill-opacity="0.5"/>
  <text x="20" y="280" font-size="40" fill="#c0f">Pilo 1 + 2 = 3</text>
</svg>
SVG

# check <name> <svg> <width> <height> <metric> <limit>
check() {
    local name=$1 svg=$2 width=$3 height=$4 metric=$5 limit=$6
    "$render" "$svg" "$work/$name.png" "$width" "$height" 2>/dev/null
    "$render" "$svg" "$work/$name.gif" "$width" "$height" 2>/dev/null
    local signature size distance
    signature=$(head -c 6 "$work/$name.gif")
    size=$(identify -format '%m %wx%h' "$work/$name.gif" 2>/dev/null || true)
    distance=$( (compare -metric "$metric" "$work/$name.png" "$work/$name.gif" null: 2>&1 || true) | sed 's/.*(\(.*\))/\1/; s/ .*//')
    if [[ $signature != GIF89a || $size != "GIF ${width}x${height}" ]]; then
        echo "FAIL $name: signature '$signature', identified as '$size'"
        failures=$((failures + 1))
    elif ! awk -v d="$distance" -v l="$limit" 'BEGIN { exit !(d <= l) }'; then
        echo "FAIL $name: $metric distance $distance above $limit"
        failures=$((failures + 1))
    else
        echo "ok   $name ($metric $distance)"
    fi
}

check "few colours exact" "$work/flat.svg" 300 200 AE 0
check "one pixel" "$work/flat.svg" 1 1 AE 0
check "odd size" "$work/flat.svg" 3 2 AE 0
check "wide strip" "$work/flat.svg" 2000 3 AE 0
# Thousands of colours: the palette is reduced, and the code table fills and
# starts over many times in a picture this size.
check "many colours close" "$work/many.svg" 500 300 RMSE 0.02
check "many colours large" "$work/many.svg" 1200 900 RMSE 0.02

exit $((failures > 0))
