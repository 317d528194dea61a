#!/bin/sh
# lines.sh VECPROBE PROGRAM refused|accepted LINE...: runs each LINE as the second line of a
# script (after the start-up). A refused line must stop the driver with exit status 2 and a
# single message on stderr naming line 2; an accepted one must let the script run to its end.
probe=$1 program=$2 expect=$3
shift 3
err=$(mktemp)
trap 'rm -f "$err"' EXIT
status=0
for line in "$@"; do
  printf 'run 20\n%s\ndump Line1\n' "$line" | "$probe" "$program" >/dev/null 2>"$err"
  code=$?
  if [ "$expect" = refused ]; then
    if [ "$code" -ne 2 ] || [ "$(wc -l <"$err")" -ne 1 ] || ! grep -q '^vecprobe: line 2: ' "$err"; then
      echo "not refused as it should be (exit $code): $line"
      cat "$err"
      status=1
    fi
  elif [ "$code" -ne 0 ]; then
    echo "refused (exit $code): $line"
    cat "$err"
    status=1
  fi
done
exit $status
