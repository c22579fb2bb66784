-- Headless Neovim with editors/nvim/percorso.lua against `percorso lsp`: opens
-- a faulty train file and its line file, waits for the diagnostics, checks
-- their lines and texts, hovers, completes and applies a quick fix.
-- Environment: PERCORSO (the program), PERCORSO_EDITORS (editors/), DIR (the
-- files), ERROR_LINE and MISSPELT_LINE (1-based lines of the two faults).
local failures = 0
local function check(ok, what)
  if ok then
    io.stdout:write('ok: ' .. what .. '\n')
  else
    failures = failures + 1
    io.stdout:write('FAILED: ' .. what .. '\n')
  end
end

package.path = os.getenv('PERCORSO_EDITORS') .. '/nvim/?.lua;' .. package.path
local percorso = require('percorso')
percorso.setup({ cmd = { os.getenv('PERCORSO'), 'lsp' } })

local dir = os.getenv('DIR')
local error_line = tonumber(os.getenv('ERROR_LINE')) - 1
local misspelt_line = tonumber(os.getenv('MISSPELT_LINE')) - 1

vim.cmd('edit ' .. dir .. '/Pianura_Crinale_2731-.txt')
local train = vim.api.nvim_get_current_buf()
vim.cmd('edit ' .. dir .. '/Pianura_Crinale_linea.txt')
local line = vim.api.nvim_get_current_buf()

local function errors_of(buf)
  return vim.diagnostic.get(buf, { severity = vim.diagnostic.severity.ERROR })
end
check(vim.wait(20000, function() return #errors_of(train) > 0 end, 50), 'diagnostics arrive')
local e = errors_of(train)[1] or {}
check(e.lnum == error_line, 'the error is on line ' .. (error_line + 1) .. ' (got ' ..
  tostring(e.lnum and e.lnum + 1) .. ')')
check((e.message or ''):find('signal cell already taken', 1, true) ~= nil,
  'the error says why: ' .. tostring(e.message))
check(e.user_data ~= nil and e.user_data.lsp ~= nil and
  e.user_data.lsp.relatedInformation ~= nil, 'the error carries its note')

local warnings = vim.diagnostic.get(line, { severity = vim.diagnostic.severity.WARN })
local misspelt = nil
for _, w in ipairs(warnings) do
  if w.lnum == misspelt_line then misspelt = w end
end
check(misspelt ~= nil and misspelt.message:find("did you mean 'pendenza'", 1, true) ~= nil,
  'the misspelt keyword is a warning on its line')

-- Hover on the signal's keyword.
local function request(buf, method, params)
  local r = vim.lsp.buf_request_sync(buf, method, params, 10000) or {}
  for _, v in pairs(r) do return v.result end
end
local hover = request(train, 'textDocument/hover', {
  textDocument = { uri = vim.uri_from_bufnr(train) },
  position = { line = error_line, character = 2 },
})
local hover_text = hover and hover.contents and hover.contents.value or ''
check(hover_text:find('**segnale**', 1, true) ~= nil and hover_text:find('km 4.250', 1, true) ~= nil,
  'hover names the keyword and where it landed')

local items = request(train, 'textDocument/completion', {
  textDocument = { uri = vim.uri_from_bufnr(train) },
  position = { line = error_line, character = 0 },
}) or {}
local labels = {}
for _, i in ipairs(items.items or items) do labels[i.label] = true end
check(labels['stazione'] and labels['[segnali]'] and not labels['pendenza'],
  'completion offers the train file keywords and sections')

-- The quick fix of the misspelt keyword.
local actions = request(line, 'textDocument/codeAction', {
  textDocument = { uri = vim.uri_from_bufnr(line) },
  range = { start = { line = misspelt_line, character = 0 },
            ['end'] = { line = misspelt_line, character = 0 } },
  context = { diagnostics = {} },
}) or {}
check(#actions == 1, 'one quick fix on the misspelt line')
if actions[1] then
  vim.lsp.util.apply_workspace_edit(actions[1].edit, 'utf-16')
end
local fixed = vim.api.nvim_buf_get_lines(line, misspelt_line, misspelt_line + 1, false)[1] or ''
check(fixed:sub(1, 9) == 'pendenza,', 'the fix writes the keyword meant: ' .. fixed)
check(vim.wait(20000, function()
  for _, w in ipairs(vim.diagnostic.get(line)) do
    if w.lnum == misspelt_line then return false end
  end
  return true
end, 50), 'the warning goes once the fix is made')

-- The server ends on shutdown and exit, before the editor does.
vim.lsp.stop_client(vim.lsp.get_active_clients())
check(vim.wait(5000, function() return #vim.lsp.get_active_clients() == 0 end, 50),
  'the server ends when asked to')
if failures > 0 then
  vim.cmd('cquit 1')
end
vim.cmd('qall!')
