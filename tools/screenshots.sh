#!/usr/bin/env bash
# Makes the pictures of the programs' windows: docs/screenshots/NAME.png at full size (for the
# README) and launcher/thumbnails/NAME.png at twice the size the launcher shows them. Each
# program is driven by the headless driver through docs/screenshots/NAME.probe (or just its
# start-up) before the picture is taken; programs the driver does not know yet are skipped.
# Last, the launcher itself is pictured: docs/screenshots/vectors.png.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
if [ -x /usr/bin/convert ]; then IM=/usr/bin/convert; else IM=convert; fi
command -v "$IM" >/dev/null || { echo "ImageMagick convert missing (apt-get install imagemagick)" >&2; exit 1; }

probe=build/tools/vecprobe/vecprobe
{ [ -x "$probe" ] && [ -f build/lessons.json ]; } || tools/setup.sh
# Qt wants a private runtime folder: a fresh one, which no one else can have made or entered.
runtime="" scratch=""
trap 'rm -rf "$runtime" "$scratch"' EXIT
runtime="$(mktemp -d)"
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
scratch="$(mktemp -d)"

thumbnail=264x192  # the launcher's picture box, 132 x 96, at twice the density
for program in $(tools/lesson-names.sh build/lessons.json); do
  script="docs/screenshots/$program.probe"
  { if [ -f "$script" ]; then cat "$script"; else echo "run 300"; fi
    echo "png $scratch/$program.png"; } >"$scratch/$program.script"
  if ! QT_QPA_PLATFORM=offscreen "$probe" "$program" "$scratch/$program.script" >/dev/null 2>"$scratch/err"; then
    if grep -q "unknown program" "$scratch/err"; then
      echo "$program: not known to the driver yet, skipped"
      continue
    fi
    cat "$scratch/err" >&2
    exit 1
  fi
  "$IM" "$scratch/$program.png" -strip PNG24:"docs/screenshots/$program.png"
  "$IM" "$scratch/$program.png" -resize "$thumbnail" -strip PNG24:"launcher/thumbnails/$program.png"
  echo "$program: docs/screenshots/$program.png, launcher/thumbnails/$program.png"
done

# The launcher with the new thumbnails embedded, pictured through Qt's minimal platform, which
# saves every frame it would show as outputNNNN.png in the working folder.
cmake --build build --target vectors >/dev/null
(cd "$scratch" && QT_QPA_PLATFORM=minimal QT_DEBUG_BACKINGSTORE=1 \
  timeout 3 "$root/build/launcher/vectors" >/dev/null 2>&1 || true)
last=$(ls "$scratch"/output*.png 2>/dev/null | tail -n 1)
[ -n "$last" ] || { echo "the launcher showed no window" >&2; exit 1; }
"$IM" "$last" -strip PNG24:docs/screenshots/vectors.png
echo "vectors: docs/screenshots/vectors.png"
