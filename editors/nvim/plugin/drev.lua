-- DREV's UI files in Neovim (0.7 and later): drev lsp for diagnostics as you type, completion
-- (<C-x><C-o>), hover (K), go to definition (gd, <C-]>), the outline and :DrevFormat, and the
-- highlighting of syntax/drevui.vim. Add the folder above this one to 'runtimepath' in your
-- init.lua (vim.opt.runtimepath:append('/path/to/drev/editors/nvim')); set vim.g.drev_command
-- when drev is not on the PATH.
--
-- A .ui file is taken for a DREV UI file unless its first non-blank character is '<' (Qt
-- Designer's .ui files are XML).

local group = vim.api.nvim_create_augroup('drev', { clear = true })
local client_id = nil

local function is_drev_ui(buffer)
  for _, line in ipairs(vim.api.nvim_buf_get_lines(buffer, 0, 50, false)) do
    local first = line:match('^%s*(%S)')
    if first then
      return first ~= '<'
    end
  end
  return true
end

local function format()
  if vim.lsp.buf.format then
    vim.lsp.buf.format({ name = 'drev' })
  else
    vim.lsp.buf.formatting_sync(nil, 2000)
  end
end

local function attach(buffer)
  local config = {
    name = 'drev',
    cmd = { vim.g.drev_command or 'drev', 'lsp' },
    root_dir = vim.fn.fnamemodify(vim.api.nvim_buf_get_name(buffer), ':p:h'),
  }
  if vim.lsp.start then
    vim.lsp.start(config, { bufnr = buffer })
  else
    client_id = client_id and vim.lsp.get_client_by_id(client_id) and client_id or vim.lsp.start_client(config)
    vim.lsp.buf_attach_client(buffer, client_id)
  end
  vim.bo[buffer].omnifunc = 'v:lua.vim.lsp.omnifunc'
  vim.bo[buffer].tagfunc = 'v:lua.vim.lsp.tagfunc'
  vim.bo[buffer].commentstring = '# %s'
  vim.keymap.set('n', 'K', vim.lsp.buf.hover, { buffer = buffer })
  vim.keymap.set('n', 'gd', vim.lsp.buf.definition, { buffer = buffer })
  vim.api.nvim_buf_create_user_command(buffer, 'DrevFormat', format, {})
end

vim.api.nvim_create_autocmd({ 'BufRead', 'BufNewFile' }, {
  group = group,
  pattern = '*.ui',
  callback = function(event)
    if is_drev_ui(event.buf) then
      vim.bo[event.buf].filetype = 'drevui'
    end
  end,
})

vim.api.nvim_create_autocmd('FileType', {
  group = group,
  pattern = 'drevui',
  callback = function(event)
    attach(event.buf)
  end,
})
