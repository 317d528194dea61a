#!/usr/bin/env bash
# parity.sh BUILD_DIR WEB_DIR: runs driver scripts through the native BUILD_DIR's vecprobe and
# through nodeprobe on WEB_DIR's WebAssembly module, and requires the same output, the same
# exit code and the same message (less the driver's name): every *.probe of the work tree on
# each program of BUILD_DIR/lessons.json, the random scripts PROGRAM.N.script in tools/web/tests and in $VEC_GOLDEN_DIR
# (default /work/golden, when it exists), scripts that stop with an error, and bad command lines.
# png lines are left out, as only the native driver draws; a dump is added at the end of each.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
native="$(cd "$1" && pwd)/tools/vecprobe/vecprobe"
export WEBPROBE_DIR="$(cd "$2" && pwd)/probe"
nodeprobe="$root/tools/web/nodeprobe.mjs"
mapfile -t programs < <("$root/tools/lesson-names.sh" "$1/lessons.json")
[ "${#programs[@]}" -gt 0 ] || exit 2
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
passed=0
failed=0

# compare LABEL ARGS...: both drivers with ARGS, the script's text on standard input from ./in.
compare() {
  local label="$1"
  shift
  "$native" "$@" <in >native.out 2>native.err
  local nativeCode=$?
  node "$nodeprobe" "$@" <in >web.out 2>web.err
  local webCode=$?
  sed -i 's/^vecprobe: //; s/^usage: vecprobe /usage: /' native.err
  sed -i 's/^nodeprobe: //; s/^usage: nodeprobe /usage: /' web.err
  if [ "$nativeCode" = "$webCode" ] && cmp -s native.out web.out && cmp -s native.err web.err; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL $label: exit $nativeCode native, $webCode web"
    cmp native.out web.out | head -1
    diff native.err web.err | head -4
  fi
}

# run LABEL PROGRAM SCRIPT: the script without png lines and with a closing dump.
run() {
  { sed -E '/^[[:space:]]*png([[:space:]]|$)/d' "$3"; printf '\ndump\n'; } >script
  : >in
  compare "$1" "$2" script
}

while IFS= read -r probe; do
  for program in "${programs[@]}"; do run "${probe#"$root"/} on $program" "$program" "$probe"; done
done < <(find "$root" -path "$root/build*" -prune -o -path "$root/.git" -prune -o -name '*.probe' -print | sort)

golden="${VEC_GOLDEN_DIR:-/work/golden}"
for script in "$root"/tools/web/tests/*.script "$golden"/*.script; do
  [ -f "$script" ] || continue
  name="$(basename "$script")"
  run "$script" "${name%%.*}" "$script"
done

# Scripts that stop, read from standard input, on the program with every kind of control.
while IFS= read -r text; do
  printf "$text" >in
  compare "stdin: $text" vecscale -
done <<'CASES'
run 20\ndump Line1\nfrobnicate\ndump\n
run inf\n
run nan\n
run -5\n
run 1e400\n
run +5\n
run 0x10\n
run 5x\n
run\n
dump NoSuchControl\n
click NoSuchButton\n
type NoSuchBox 1\n
type\n
key Text1 x\n
key NoSuchBox 13\n
tick Timer1 -3\n
tick Timer1 2x\n
tick NoSuchTimer\n
down 1 0 1\n
move 1 0 nan nan\ndump\n
png\n
type Text1 2\r\nkey Text1 13\r\nrun 10\r\ndump Text1\r\n  # a comment\r\n\r\ndump Label1
CASES

# Command lines that are refused.
: >in
compare "unknown program" nosuch
compare "unreadable script" vecscale "$work/missing.script"
compare "no program"
compare "too many arguments" vecscale - extra

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
