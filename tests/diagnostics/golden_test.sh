#!/usr/bin/env bash
# The diagnostics of `percorso check` over the small scenarios of this
# folder, each compared byte for byte with what is expected beside it: every
# folder holds L_linea.txt and L_T-.txt, expected.txt (the text diagnostics,
# what goes to standard output after them, and the exit status) and, when it
# has them, expected.json and expected.sarif, and fixed.txt (what
# `check --fix` says, and the files as it leaves them). With --update the
# expected files are written afresh from what the program says: review them
# as a diff.
set -uo pipefail
percorso=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
mode=${2:-check}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0

# What `check` says about the folder's files, run from a copy of the folder
# so that the places name the files alone.
run() {
  local case=$1 format=$2
  rm -rf "$work/c" && mkdir "$work/c" && cp "$case"/L_linea.txt "$case"/L_T-.txt "$work/c/"
  (cd "$work/c" && { "$percorso" check --line L_linea.txt --train L_T-.txt --color=never \
      --diagnostics-format="$format" 2>&1; echo "[exit $?]"; })
}

fixed() {
  local case=$1
  rm -rf "$work/c" && mkdir "$work/c" && cp "$case"/L_linea.txt "$case"/L_T-.txt "$work/c/"
  (cd "$work/c" && {
    "$percorso" check --fix --no-backup --line L_linea.txt --train L_T-.txt --color=never 2>&1
    echo "[exit $?]"
    for f in L_linea.txt L_T-.txt; do echo "--- $f"; cat "$f"; done
  })
}

compare() {
  local want=$1 got=$2
  if [ "$mode" = --update ]; then
    printf '%s\n' "$got" >"$want"
  elif ! diff -u "$want" <(printf '%s\n' "$got"); then
    echo "FAIL: $want"
    fail=1
  fi
}

for case in "$here"/*/; do
  case=${case%/}
  compare "$case/expected.txt" "$(run "$case" text)"
  for format in json sarif; do
    [ -f "$case/expected.$format" ] || continue
    compare "$case/expected.$format" "$(run "$case" "$format")"
  done
  [ -f "$case/fixed.txt" ] && compare "$case/fixed.txt" "$(fixed "$case")"
done
exit $fail
