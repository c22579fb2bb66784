#!/usr/bin/env bash
# The page of `percorso view` in headless Chromium, driven by puppeteer-core
# (check_view.js): the built-in scenario drawn from its compiled files, the same
# scenario drawn from its sources, and a faulty source with its messages.
# Screenshots are left in BUILD_DIR as view-WIDTH.png for a person to look at.
# With GEN_ROUTE (percorso_gen_route) it also draws a generated 1000 km route.
#   view_browser_test.sh PERCORSO BUILD_DIR [GEN_ROUTE]
# Exits 77 (reported as skipped by CTest) when Chromium, Node.js or the pinned
# puppeteer-core (npm ci in this folder) is missing.
set -euo pipefail

percorso=$1
build_dir=$2
gen_route=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
chromium=${PERCORSO_CHROMIUM:-/usr/bin/chromium}

if [ ! -x "$chromium" ]; then
  echo "SKIP: $chromium is not installed (apt-get install chromium)"
  exit 77
fi
if ! command -v node >/dev/null; then
  echo "SKIP: node is not installed"
  exit 77
fi
if [ ! -d "$here/node_modules/puppeteer-core" ]; then
  echo "SKIP: puppeteer-core is not installed (npm ci in $here)"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/built" "$work/sources" "$work/faulty"
if ! "$percorso" --dir "$work/built" >"$work/run.log" 2>&1; then
  cat "$work/run.log"
  echo "FAIL: the default run did not compile the built-in scenario"
  exit 1
fi
"$percorso" view --dir "$work/built"
"$percorso" dump --json "$work/built/Pianura_Crinale_linea.dat" >"$work/geometry.json"

"$percorso" init --dir "$work/sources" >/dev/null
"$percorso" view --line "$work/sources/Pianura_Crinale_linea.txt" \
  --train "$work/sources/Pianura_Crinale_2731-.txt" -o "$work/sources.html" \
  --editor 'vscode://file{path}:{line}:{column}'

# Every signal's keyword misspelt: a long list of warnings of one name.
mkdir "$work/misspelt"
cp "$work/sources/"*.txt "$work/misspelt/"
sed -i 's/^segnale,/segnalle,/' "$work/misspelt/Pianura_Crinale_2731-.txt"
"$percorso" view --line "$work/misspelt/Pianura_Crinale_linea.txt" \
  --train "$work/misspelt/Pianura_Crinale_2731-.txt" -o "$work/misspelt.html" 2>/dev/null

if [ -n "$gen_route" ]; then
  mkdir "$work/long"
  "$gen_route" 1000 "$work/long" >/dev/null
  "$percorso" view --line "$work/long/Gen_1000_linea.txt" --train "$work/long/Gen_1000_1-.txt" \
    -o "$work/long.html" 2>/dev/null
fi

# The signal at 20100 m moved onto the one at 15400 m: status 16.
cp "$work/sources/"*.txt "$work/faulty/"
sed -i 's/^segnale,   20100,/segnale,   15400,/' "$work/faulty/Pianura_Crinale_2731-.txt"
status=0
"$percorso" view --line "$work/faulty/Pianura_Crinale_linea.txt" \
  --train "$work/faulty/Pianura_Crinale_2731-.txt" -o "$work/faulty.html" 2>"$work/faulty.log" ||
  status=$?
if [ "$status" != 3 ]; then
  cat "$work/faulty.log"
  echo "FAIL: view of a faulty source exited $status, not 3"
  exit 1
fi

# The same, with a gradient too steep for its cell member: a warning at the
# entry's position, 3500 m.
mkdir "$work/warned"
cp "$work/faulty/"*.txt "$work/warned/"
sed -i 's/^pendenza,  3500,   5/pendenza,  3500, 200/' "$work/warned/Pianura_Crinale_linea.txt"
"$percorso" view --line "$work/warned/Pianura_Crinale_linea.txt" \
  --train "$work/warned/Pianura_Crinale_2731-.txt" -o "$work/warned.html" 2>/dev/null || true

node "$here/check_view.js" "$chromium" "$work" "$build_dir"
