#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop would get from it: menu
# entries that validate and name an installed program and its icons, metadata that validates,
# and programs that start from the installed path and show their window.
#   check_install.sh CMAKE BUILD_DIR APPSTREAM_ID PROGRAM...
#
# "Shows its window" is read from Qt itself, on the off-screen platform: with the
# qt.widgets.painting log category on, Qt logs every flush of a window's painted content to the
# screen, so the first "Flushing QRegion(0,0 WxH) of ..." line proves that the program got as
# far as showing and painting its whole window. No display server is needed, nothing is timed
# except a generous upper bound, and all programs start side by side, so the check takes about
# a second.
set -euo pipefail

cmake="$1" build="$2" appstream_id="$3"
shift 3
programs=("$@")
icon_sizes=(16 32 48 64 128 256)

scratch="$(mktemp -d)"
prefix="$scratch/prefix"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
has() {
  local program
  for program in "${programs[@]}"; do [ "$program" = "$1" ] && return 0; done
  return 1
}

# "FILE WIDTHxHEIGHT" for each PNG, read from its header (perl-base is on every Debian system).
png_sizes() {
  perl -e 'for (@ARGV) { open(my $f, "<", $_) or next; read($f, my $head, 24);
                         printf "%s %dx%d\n", $_, unpack("x16 N N", $head) }' "$@"
}

"$cmake" --install "$build" --prefix "$prefix" >"$scratch/install.log" ||
  { cat "$scratch/install.log" >&2; exit 1; }

command -v desktop-file-validate >/dev/null ||
  { echo "desktop-file-validate missing (apt-get install desktop-file-utils)" >&2; exit 1; }

apps="$prefix/share/applications"
icons="$prefix/share/icons/hicolor"
# The value of a key in a desktop entry.
entry_key() { local line; while IFS= read -r line; do [[ $line == "$2="* ]] && echo "${line#*=}" && return; done <"$1"; }

entries=("$apps"/*.desktop)
[ -e "${entries[0]}" ] || { fail "no menu entries installed"; entries=(); }
((${#entries[@]} == 0)) || desktop-file-validate "${entries[@]}" || fail "menu entries do not validate"
for entry in "${entries[@]}"; do
  has "$(basename "$entry" .desktop)" || fail "menu entry $(basename "$entry") for a program not installed"
done
for program in "${programs[@]}"; do
  entry="$apps/$program.desktop"
  if [ ! -f "$entry" ]; then
    fail "$program: no menu entry"
    continue
  fi
  command=$(entry_key "$entry" Exec)
  [ -x "$prefix/bin/${command%% *}" ] || fail "$program: Exec=$command is not an installed program"
  icon=$(entry_key "$entry" Icon)
  [ -f "$icons/scalable/apps/$icon.svg" ] || fail "$program: no scalable icon $icon"
  for size in "${icon_sizes[@]}"; do
    png="$icons/${size}x${size}/apps/$icon.png"
    [ -f "$png" ] || fail "$program: no ${size}px icon"
  done
done
# Each icon has the size of the folder it is in.
while read -r png found; do
  folder="${png%/apps/*}"
  [ "$found" = "${folder##*/}" ] || fail "${png#"$icons"/} is $found"
done < <(png_sizes "$icons"/*/apps/*.png)

metainfo="$prefix/share/metainfo/$appstream_id.metainfo.xml"
if [ ! -f "$metainfo" ]; then
  fail "no metadata $metainfo"
else
  for binary in $(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$metainfo"); do
    [ -x "$prefix/bin/$binary" ] || fail "the metadata names $binary, which is not installed"
  done
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" >"$scratch/appstream.log" 2>&1 ||
      { cat "$scratch/appstream.log" >&2; fail "the metadata does not validate"; }
  else
    echo "appstreamcli not installed: metadata not validated"
  fi
fi

# Start every program from the installed tree, then wait for each to show its window.
export QT_QPA_PLATFORM=offscreen
export QT_LOGGING_RULES="qt.widgets.painting=true"
export XDG_RUNTIME_DIR="$scratch/xdg"
mkdir -m 700 "$XDG_RUNTIME_DIR"
declare -A pid_of
for program in "${programs[@]}"; do
  "$prefix/bin/$program" 2>"$scratch/$program.log" &
  pid_of[$program]=$!
  pids+=($!)
done
flushed='qt\.widgets\.painting: Flushing QRegion\(0,0 [0-9]+x[0-9]+\) of'
for program in "${programs[@]}"; do
  shown=""
  for _ in $(seq 300); do  # at most 30 s, for slow sanitizer builds
    if shown=$(grep -Eom1 "$flushed" "$scratch/$program.log"); then break; fi
    kill -0 "${pid_of[$program]}" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$shown" ]; then
    fail "$program: no window shown"
    grep -v '^qt\.widgets\.painting' "$scratch/$program.log" | tail -5 >&2 || true
    continue
  fi
  size=$(grep -Eo '[0-9]+x[0-9]+' <<<"$shown")
  echo "$program: window ${size} shown"
  [ "${size%x*}" -ge 200 ] && [ "${size#*x}" -ge 150 ] || fail "$program: window only $size"
done
# A program that shows its window and then falls over at its first timer would pass the above.
sleep 0.5
for program in "${programs[@]}"; do
  kill -0 "${pid_of[$program]}" 2>/dev/null || fail "$program: ended on its own after starting"
done

if [ "$failures" -gt 0 ]; then
  echo "$failures problem(s) in the installed tree" >&2
  exit 1
fi
echo "installed tree OK: ${programs[*]}"
