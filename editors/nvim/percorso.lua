-- percorso's language server in Neovim (0.7 or later): the compiler's errors
-- and warnings while you type, hover, completion, signature help, inlay
-- hints, symbols, go to the entry a note names, and quick fixes, in line
-- files KEY_linea.txt and train files KEY_TRAIN-.txt.
--
-- Copy this file to ~/.config/nvim/lua/percorso.lua and put in init.lua:
--   require('percorso').setup()
-- or, with the program elsewhere than on the PATH:
--   require('percorso').setup({ cmd = { '/path/to/percorso', 'lsp' } })
local M = {}

local client_id = nil
local cmd = { 'percorso', 'lsp' }

--- Starts the server once and attaches buffer `buf` to it.
function M.attach(buf)
  if client_id == nil or vim.lsp.get_client_by_id(client_id) == nil then
    client_id = vim.lsp.start_client({
      name = 'percorso',
      cmd = cmd,
      root_dir = vim.fn.getcwd(),
    })
  end
  if client_id ~= nil then
    vim.lsp.buf_attach_client(buf, client_id)
  end
end

function M.setup(opts)
  opts = opts or {}
  cmd = opts.cmd or cmd
  local group = vim.api.nvim_create_augroup('percorso', { clear = true })
  vim.api.nvim_create_autocmd({ 'BufReadPost', 'BufNewFile' }, {
    group = group,
    pattern = { '*_linea.txt', '*-.txt' },
    callback = function(args)
      -- The sources are Windows-1252 text with CR LF line ends.
      vim.bo[args.buf].filetype = 'percorso'
      vim.bo[args.buf].omnifunc = 'v:lua.vim.lsp.omnifunc'
      vim.keymap.set('n', 'K', vim.lsp.buf.hover, { buffer = args.buf })
      vim.keymap.set('n', 'gd', vim.lsp.buf.definition, { buffer = args.buf })
      vim.keymap.set('n', '<leader>a', vim.lsp.buf.code_action, { buffer = args.buf })
      M.attach(args.buf)
    end,
  })
end

--- Writes the page of the pair of buffer `buf` (percorso view) and returns
--- its path.
function M.view(buf)
  buf = buf or vim.api.nvim_get_current_buf()
  local result = vim.lsp.buf_request_sync(buf, 'workspace/executeCommand', {
    command = 'percorso.view',
    arguments = { vim.uri_from_bufnr(buf) },
  }, 10000)
  for _, r in pairs(result or {}) do
    if r.result then
      return r.result.path
    end
    if r.err then
      vim.notify('percorso: ' .. r.err.message, vim.log.levels.ERROR)
    end
  end
end

return M
