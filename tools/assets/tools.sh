# Sourced by the render scripts: sets root to the repository and IM to ImageMagick's convert,
# and stops with a hint when the SVG renderer or ImageMagick is missing.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

command -v rsvg-convert >/dev/null || { echo "rsvg-convert missing (apt-get install librsvg2-bin)" >&2; exit 1; }
# Prefer ImageMagick's own binary over any wrapper earlier in PATH.
if [ -x /usr/bin/convert ]; then IM=/usr/bin/convert; else IM=convert; fi
command -v "$IM" >/dev/null || { echo "ImageMagick convert missing (apt-get install imagemagick)" >&2; exit 1; }
