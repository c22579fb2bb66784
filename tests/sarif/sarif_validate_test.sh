#!/usr/bin/env bash
# The SARIF log of `percorso check` over every scenario of tests/diagnostics,
# validated by the SARIF multitool pinned here (npm ci in this folder): any
# error it finds fails the test. Skipped (77) without it.
set -uo pipefail
percorso=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
here=$(cd "$(dirname "$0")" && pwd)
tool=$here/node_modules/@microsoft/sarif-multitool-linux/Sarif.Multitool
[ -f "$tool" ] || { echo "SKIP: the SARIF multitool is not installed (npm ci in $here)"; exit 77; }
# npm leaves the tool's own install script (which makes it executable) to
# be approved; the test does its part.
[ -x "$tool" ] || chmod u+x "$tool" 2>/dev/null || { echo "SKIP: $tool is not executable"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for case in "$here"/../diagnostics/*/; do
  name=$(basename "$case")
  mkdir "$work/$name"
  cp "$case"/L_linea.txt "$case"/L_T-.txt "$work/$name/"
  (cd "$work/$name" && "$percorso" check --line L_linea.txt --train L_T-.txt \
    --diagnostics-format=sarif 2>"$work/$name.sarif" >/dev/null)
done
# The tool reports each finding as "FILE(LINE,COL): error|warning|note ...";
# its exit status does not tell errors apart.
out=$("$tool" validate "$work"/*.sarif 2>&1)
status=$?
printf '%s\n' "$out"
if [ $status -ne 0 ] || grep -q ': error ' <<<"$out"; then
  echo "FAIL: the SARIF logs do not validate"
  exit 1
fi
grep -q 'Analysis completed successfully' <<<"$out" || { echo "FAIL: no analysis"; exit 1; }
