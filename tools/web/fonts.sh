#!/usr/bin/env bash
# fonts.sh SITE_DIR: writes SITE_DIR/fonts/: fonts.css with WOFF2 subsets of the lessons' faces
# (AR PL UMing CN, AR PL UKai CN, Liberation Serif regular and bold, the last named Vectors Serif)
# cut from Debian's font packages to the characters the lessons of SITE_DIR/lessons.json can
# show, each embedded as a data: URL (so a page opened from file:// has them; no page reads a
# font file of its own), each page's own sheet, and the fonts' licences. Installs
# Debian's fontTools, brotli and the fonts when missing; safe to run again. Same sources and
# fonts, same bytes. Prints the sizes.
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: tools/web/fonts.sh SITE_DIR" >&2; exit 2; }
[ -f "$1/lessons.json" ] || { echo "fonts.sh: no lesson list $1/lessons.json" >&2; exit 2; }
mkdir -p "$1/fonts"
fonts_dir="$(cd "$1/fonts" && pwd)"
lessons="$(cd "$1" && pwd)/lessons.json"
cd "$(dirname "$0")/../.."

packages=(python3-fonttools python3-brotli fonts-arphic-uming fonts-arphic-ukai fonts-liberation2)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    -o DPkg::Lock::Timeout=600 "${missing[@]}"
fi

# Debian's Python, which the packages above install into (another python3 may come first).
/usr/bin/python3 tools/web/fonts.py . "$lessons" "$fonts_dir"
