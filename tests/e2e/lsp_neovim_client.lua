-- Run by lsp_neovim_test.py in a headless Neovim: opens a copy of vantora.ui with the Neovim setup
-- of editors/, drives the built-in LSP client against drev lsp and writes what it saw as JSON.
local env = vim.env
vim.g.drev_command = env.DREV
dofile(env.SETUP)

local results = {}
local function finish()
  vim.fn.writefile({ vim.fn.json_encode(results) }, env.RESULT)
  vim.cmd('qall!')
end

local function line_of(text)
  for number, line in ipairs(vim.api.nvim_buf_get_lines(0, 0, -1, false)) do
    if line == text then
      return number - 1
    end
  end
  error('no line ' .. text)
end

local function request(method, line, column)
  local params = { textDocument = vim.lsp.util.make_text_document_params(), position = { line = line, character = column } }
  for _, answer in pairs(vim.lsp.buf_request_sync(0, method, params, 5000) or {}) do
    return answer.result
  end
end

vim.cmd('edit ' .. env.UI_FILE)
results.filetype = vim.bo.filetype
vim.wait(5000, function() return #vim.lsp.buf_get_clients(0) > 0 and vim.lsp.buf_get_clients(0)[1].initialized end)

-- A broken line gets its diagnostic; mending it clears it.
local broken = line_of('uiLabel "RollX" "Animations" {') + 1
local good = vim.api.nvim_buf_get_lines(0, broken, broken + 1, false)[1]
vim.api.nvim_buf_set_lines(0, broken, broken + 1, false, { (good:gsub('Left 124', 'Left +124')) })
vim.wait(5000, function() return #vim.diagnostic.get(0) > 0 end)
results.broken_line = broken
results.diagnostics = vim.tbl_map(function(d) return { line = d.lnum, message = d.message } end, vim.diagnostic.get(0))
vim.api.nvim_buf_set_lines(0, broken, broken + 1, false, { good })
results.cleared = vim.wait(5000, function() return #vim.diagnostic.get(0) == 0 end)

-- Completion inside a Style block that holds Aspect and Fill already.
local style = line_of('    Style { Aspect 2 Fill 12 DoPath true }')
local completion = request('textDocument/completion', style, 12) or {}
results.style_keys = vim.tbl_map(function(item) return item.label end, completion.items or {})
local hover = request('textDocument/hover', style, 14) or {}
results.hover = hover.contents and hover.contents.value or ''

-- From the parent name of a label to its window.
local label = line_of('uiLabel "Fade" "Animations" {')
vim.api.nvim_win_set_cursor(0, { label + 1, 20 })
vim.lsp.buf.definition()
vim.wait(5000, function() return vim.api.nvim_win_get_cursor(0)[1] ~= label + 1 end)
results.definition_line = vim.api.nvim_win_get_cursor(0)[1] - 1
results.window_line = line_of('uiWindow "Animations" "Application" {')

-- The outline, and formatting a text squeezed onto two lines.
results.symbols = vim.tbl_map(function(symbol) return symbol.name .. ':' .. #(symbol.children or {}) end,
  request('textDocument/documentSymbol', 0, 0) or {})
vim.api.nvim_buf_set_lines(0, 0, -1, false, vim.fn.readfile(env.SQUEEZED))
vim.cmd('DrevFormat')
results.formatted = vim.api.nvim_buf_get_lines(0, 0, -1, false)
finish()
