#!/usr/bin/env bash
# `percorso lsp` driven with vscode-jsonrpc (protocol_test.js) over the
# built-in files with a second signal in the cell of another. Skipped (77)
# without Node.js or the packages pinned here (npm ci in this folder).
set -euo pipefail
percorso=$1
here=$(cd "$(dirname "$0")" && pwd)
command -v node >/dev/null || { echo "SKIP: node is not installed"; exit 77; }
[ -d "$here/node_modules/vscode-jsonrpc" ] ||
  { echo "SKIP: vscode-jsonrpc is not installed (npm ci in $here)"; exit 77; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$percorso" init --dir "$dir" -q
train=$dir/Pianura_Crinale_2731-.txt
signal=$(grep -n '^segnale, *4250,' "$train" | cut -d: -f1)
sed -i "${signal}p" "$train"
ERROR_LINE=$((signal + 1)) node "$here/protocol_test.js" "$percorso" "$dir"
