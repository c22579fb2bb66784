#!/usr/bin/env bash
# Headless Neovim drives `percorso lsp` over a faulty train file and its line
# file (tests/editors/nvim_test.lua). Skipped (77) without Debian's neovim.
set -euo pipefail
percorso=$1
editors=$2
command -v nvim >/dev/null || { echo "nvim not found: skipped"; exit 77; }
here=$(cd "$(dirname "$0")" && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$percorso" init --dir "$dir" -q
train=$dir/Pianura_Crinale_2731-.txt
line=$dir/Pianura_Crinale_linea.txt
# A second signal in the cell of the one at 4250 m, right after it; and a
# misspelt gradient keyword.
signal=$(grep -n '^segnale, *4250,' "$train" | cut -d: -f1)
sed -i "${signal}p" "$train"
error_line=$((signal + 1))
gradient=$(grep -n '^pendenza,' "$line" | head -n 1 | cut -d: -f1)
sed -i "${gradient}s/^pendenza,/pendenzza,/" "$line"
cd "$dir"
PERCORSO=$percorso PERCORSO_EDITORS=$editors DIR=$dir ERROR_LINE=$error_line \
  MISSPELT_LINE=$gradient HOME=$dir XDG_CONFIG_HOME=$dir XDG_DATA_HOME=$dir XDG_STATE_HOME=$dir \
  timeout 120 nvim --headless --clean -n -c "luafile $here/nvim_test.lua"
