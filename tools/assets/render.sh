#!/usr/bin/env bash
# Re-renders every picture source <dir>/assets/*.svg to the PNG beside it, at the SVG's own width/height.
# Pictures are flattened onto white as 24-bit RGB, except those whose <svg> root says data-alpha="keep" (RGBA).
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/tools.sh"
cd "$root"

# Prints "<width> <height> <keep|flat>" for an SVG, from the attributes of its root element.
svg_info() {
  python3 - "$1" <<'PY'
import re, sys
import xml.etree.ElementTree as ET
r = ET.parse(sys.argv[1]).getroot()
def px(v):
    m = re.fullmatch(r"\s*([0-9]+(?:\.[0-9]+)?)\s*(px)?\s*", v or "")
    if not m:
        sys.exit("%s: width/height must be plain pixel numbers, got %r" % (sys.argv[1], v))
    return int(round(float(m.group(1))))
print(px(r.get("width")), px(r.get("height")), "keep" if r.get("data-alpha") == "keep" else "flat")
PY
}

shopt -s nullglob
count=0
for svg in */assets/*.svg; do
  png="${svg%.svg}.png"
  read -r w h mode < <(svg_info "$svg")
  tmp="$(mktemp --suffix=.png)"
  rsvg-convert -w "$w" -h "$h" -f png -o "$tmp" "$svg"
  if [ "$mode" = keep ]; then
    "$IM" "$tmp" -strip PNG32:"$png"
  else
    "$IM" "$tmp" -background white -alpha remove -alpha off -strip PNG24:"$png"
  fi
  rm -f "$tmp"
  echo "$svg -> $png (${w}x${h}, $([ "$mode" = keep ] && echo RGBA || echo RGB))"
  count=$((count + 1))
done
[ "$count" -gt 0 ] || { echo "no */assets/*.svg found under $root" >&2; exit 1; }
