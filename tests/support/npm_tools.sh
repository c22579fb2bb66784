#!/usr/bin/env bash
# The npm packages of the browser, editor and SARIF tests, as their package-lock.json
# pins them: installed by `npm ci` when Node.js and npm are there and the
# installed ones are missing or older than the lock. Without npm it does
# nothing, and those tests report themselves skipped.
#   npm_tools.sh TESTS_DIR
set -euo pipefail

tests=$1
if ! command -v npm >/dev/null || ! command -v node >/dev/null; then
  echo "npm or Node.js missing: the browser, editor and SARIF tests will be skipped"
  exit 0
fi
for dir in "$tests/browser" "$tests/editors" "$tests/sarif"; do
  installed=$dir/node_modules/.package-lock.json
  if [ -f "$installed" ] && [ ! "$dir/package-lock.json" -nt "$installed" ]; then
    echo "up to date: $dir/node_modules"
    continue
  fi
  echo "npm ci --prefix $dir"
  npm ci --prefix "$dir" --no-audit --no-fund --loglevel=error
done
