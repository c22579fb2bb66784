#!/usr/bin/env bash
# The TextMate grammar of editors/vscode over the built-in sources, with
# vscode-textmate and vscode-oniguruma (grammar_test.js). Skipped (77) without
# Node.js or the packages pinned here (npm ci in this folder).
set -euo pipefail
percorso=$1
grammar=$2
here=$(cd "$(dirname "$0")" && pwd)
command -v node >/dev/null || { echo "SKIP: node is not installed"; exit 77; }
[ -d "$here/node_modules/vscode-textmate" ] ||
  { echo "SKIP: vscode-textmate is not installed (npm ci in $here)"; exit 77; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$percorso" init --dir "$dir" -q
node "$here/grammar_test.js" "$grammar" "$dir/Pianura_Crinale_linea.txt" \
  "$dir/Pianura_Crinale_2731-.txt"
