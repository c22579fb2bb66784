#!/usr/bin/env bash
# Remakes docs/images/nvim-diagnostics.png: Neovim with editors/nvim/percorso.lua
# over the built-in sources (`percorso init`) with two faults, a second signal in
# the cell of another (an error, with its note) and a misspelt keyword (a
# warning). Neovim runs in a detached tmux of 120x30; the screen, once the
# diagnostics are drawn, is captured with its colours (tmux capture-pane -e),
# and ansi_screenshot.js draws it as HTML in headless Chromium and saves it.
#   docs/images/editor_screenshot.sh [PERCORSO] [OUT.png]
# Needs nvim (0.7 or later), tmux, node, /usr/bin/chromium (or PERCORSO_CHROMIUM)
# and puppeteer-core from `npm ci --prefix tests/browser`.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
percorso=$(realpath "${1:-$root/build/percorso}")
out=$(realpath -m "${2:-$here/nvim-diagnostics.png}")
chromium=${PERCORSO_CHROMIUM:-/usr/bin/chromium}
cols=120
rows=30

for tool in nvim tmux node; do
  command -v "$tool" >/dev/null || { echo "$tool not found" >&2; exit 1; }
done
[ -x "$percorso" ] || { echo "$percorso: not a program (build it first)" >&2; exit 1; }
[ -x "$chromium" ] || { echo "$chromium not found" >&2; exit 1; }
[ -d "$root/tests/browser/node_modules/puppeteer-core" ] ||
  { echo "puppeteer-core missing: npm ci --prefix tests/browser" >&2; exit 1; }

dir=$(mktemp -d)
socket=$dir/tmux.socket
cleanup() {
  tmux -S "$socket" kill-server 2>/dev/null || true
  rm -rf "$dir"
}
trap cleanup EXIT

# The faults of tests/editors/nvim_test.sh: the signal at 4250 m twice, and a
# misspelt gradient keyword in the line file.
"$percorso" init --dir "$dir" -q
train=$dir/Pianura_Crinale_2731-.txt
line=$dir/Pianura_Crinale_linea.txt
signal=$(grep -n '^segnale, *4250,' "$train" | cut -d: -f1)
sed -i "${signal}p" "$train"
gradient=$(grep -n '^pendenza,' "$line" | head -n 1 | cut -d: -f1)
sed -i "${gradient}s/^pendenza,/pendenzza,/" "$line"

# The editor: the train file above at its error, the line file below at its
# warning. Once both have their diagnostics Neovim writes $dir/ready.
cat >"$dir/init.lua" <<EOF
package.path = '$root/editors/nvim/?.lua;' .. package.path
require('percorso').setup({ cmd = { '$percorso', 'lsp' } })
vim.o.termguicolors = true
vim.o.background = 'dark'
vim.cmd('highlight SignColumn guibg=NONE')
vim.o.number = true
vim.o.signcolumn = 'yes'
vim.o.laststatus = 2
vim.o.ruler = false
vim.o.showmode = false
vim.o.shortmess = vim.o.shortmess .. 'F'
vim.cmd('edit $train')
local train = vim.api.nvim_get_current_buf()
vim.cmd('belowright split $line')
local line = vim.api.nvim_get_current_buf()
vim.cmd('resize 11')
vim.fn.cursor($gradient, 1)
vim.cmd('normal! zz')
vim.cmd('wincmd k')
vim.fn.cursor($((signal + 1)), 1)
vim.cmd('normal! zz')
local function ready()
  return #vim.diagnostic.get(train) > 0 and #vim.diagnostic.get(line) > 0
end
vim.api.nvim_create_autocmd('DiagnosticChanged', {
  callback = function()
    if ready() then
      vim.defer_fn(function()
        vim.cmd('redraw!')
        vim.fn.writefile({}, '$dir/ready')
      end, 300)
    end
  end,
})
EOF

printf 'set -g status off\nset -g default-terminal tmux-256color\n' >"$dir/tmux.conf"
tmux -S "$socket" -f "$dir/tmux.conf" new-session -d -s shot -x "$cols" -y "$rows" -c "$dir" \
  env HOME="$dir" XDG_CONFIG_HOME="$dir" XDG_DATA_HOME="$dir" XDG_STATE_HOME="$dir" \
  nvim --clean -n -c "luafile $dir/init.lua"

for _ in $(seq 200); do
  [ -e "$dir/ready" ] && break
  sleep 0.1
done
[ -e "$dir/ready" ] || { echo "the diagnostics did not arrive" >&2; exit 1; }
# The screen, once two captures a little apart agree.
previous=
for _ in $(seq 50); do
  sleep 0.2
  tmux -S "$socket" capture-pane -e -p -N -t shot >"$dir/screen.ansi"
  current=$(cat "$dir/screen.ansi")
  [ "$current" = "$previous" ] && break
  previous=$current
done

NODE_PATH=$root/tests/browser/node_modules \
  node "$here/ansi_screenshot.js" "$chromium" "$dir/screen.ansi" "$out" "$cols" "$rows"
echo "wrote $out"
