#!/usr/bin/env bash
# The page of `percorso view` in headless Chromium: a compiled built-in
# scenario is drawn, the browser's DOM is checked by check_view_dom.js, and a
# screenshot is left at BUILD_DIR/view.png for a person to look at.
#   view_browser_test.sh PERCORSO BUILD_DIR
# Exits 77 (reported as skipped by CTest) when Chromium or Node.js is missing.
set -euo pipefail

percorso=$1
build_dir=$2
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

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
scenario=$work/scenario
mkdir "$scenario"
if ! "$percorso" --dir "$scenario" >"$work/run.log" 2>&1; then
  cat "$work/run.log"
  echo "FAIL: the default run did not compile the built-in scenario"
  exit 1
fi

"$percorso" view --dir "$scenario"
page=$scenario/Pianura_Crinale_2731.html

flags=(--headless --no-sandbox --disable-gpu --disable-quic --no-first-run
       --disable-background-networking --disable-component-update --disable-sync)
if ! "$chromium" "${flags[@]}" --user-data-dir="$work/profile-dom" --dump-dom "file://$page" \
    >"$work/dom.html" 2>"$work/chromium.log"; then
  cat "$work/chromium.log"
  echo "FAIL: chromium --dump-dom failed"
  exit 1
fi
rm -f "$build_dir/view.png"
if ! "$chromium" "${flags[@]}" --user-data-dir="$work/profile-shot" \
    --screenshot="$build_dir/view.png" --window-size=1600,1200 "file://$page" \
    >>"$work/chromium.log" 2>&1; then
  cat "$work/chromium.log"
  echo "FAIL: chromium --screenshot failed"
  exit 1
fi

"$percorso" dump --json "$scenario/Pianura_Crinale_linea.dat" >"$work/geometry.json"
node "$here/check_view_dom.js" "$work/dom.html" "$work/geometry.json" "$build_dir/view.png"
