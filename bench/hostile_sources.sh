#!/bin/bash
# The cost of hostile sources: `percorso check` on line files of growing size
# made of (a) curve records whose last value runs onto the next line, each of
# which is warned about with the text of that line, and (b) short lines that
# match no keyword. Prints, per size, the elapsed time and the peak resident
# memory: both should grow at most in proportion to the size (time) and stay
# bounded (memory: the sources are held, the diagnostics kept are capped).
#
#   bench/hostile_sources.sh [PERCORSO] [MB...]   (default: build/percorso, 1 2.5 5 10)
set -euo pipefail
exe=${1:-build/percorso}
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1 2.5 5 10)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$exe" init --dir "$work" >/dev/null
header=$(sed -n '1,/^\[curve\]/p' "$work/Pianura_Crinale_linea.txt")

make_source() {  # KIND BYTES FILE
  awk -v kind="$1" -v bytes="$2" -v header="$header" 'BEGIN {
    printf "%s", header
    n = 0
    while (n < bytes) {
      if (kind == "runon") { s = "curvas2,  1000\r\n400\r\n" } else { s = "zz\r\n" }
      printf "%s", s
      n += length(s)
    }
  }' > "$3"
}

printf '%-8s %8s %10s %12s\n' kind MB seconds "peak KiB"
for kind in runon junk; do
  for mb in "${sizes[@]}"; do
    bytes=$(awk -v mb="$mb" 'BEGIN { printf "%d", mb * 1000000 }')
    make_source "$kind" "$bytes" "$work/H_linea.txt"
    /usr/bin/time -f '%e %M' -o "$work/time" "$exe" check --line "$work/H_linea.txt" \
      --train "$work/Pianura_Crinale_2731-.txt" --max-errors 0 >/dev/null 2>&1 || true
    read -r seconds peak < <(tail -n 1 "$work/time")
    printf '%-8s %8s %10s %12s\n' "$kind" "$mb" "$seconds" "$peak"
  done
done
