#!/usr/bin/env bash
# Renders every menu icon source packaging/icons/NAME.svg to packaging/icons/SIZE/NAME.png at the
# sizes the desktop's icon theme looks up (transparent corners kept).
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/tools.sh"
cd "$root/packaging/icons"

sizes=(16 32 48 64 128 256)  # keep in step with VEC_ICON_SIZES in cmake/install.cmake
shopt -s nullglob
count=0
for svg in *.svg; do
  name="${svg%.svg}"
  for size in "${sizes[@]}"; do
    mkdir -p "$size"
    tmp="$(mktemp --suffix=.png)"
    rsvg-convert -w "$size" -h "$size" -f png -o "$tmp" "$svg"
    "$IM" "$tmp" -strip PNG32:"$size/$name.png"
    rm -f "$tmp"
  done
  echo "$svg -> ${sizes[*]} px"
  count=$((count + 1))
done
[ "$count" -gt 0 ] || { echo "no icon sources in packaging/icons" >&2; exit 1; }
