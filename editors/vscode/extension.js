// Starts drev lsp for every DREV UI file VS Code opens: diagnostics as you type, completion,
// hover, go to definition, the outline and Format Document. The setting drev.command names the
// drev program when it is not on the PATH.
const vscode = require('vscode');
const { LanguageClient } = require('vscode-languageclient/node');

let client;

function activate(context) {
  const command = vscode.workspace.getConfiguration('drev').get('command', 'drev');
  client = new LanguageClient('drev', 'DREV UI', { command, args: ['lsp'] }, {
    documentSelector: [{ language: 'drev-ui' }],
  });
  context.subscriptions.push(client);
  return client.start();
}

function deactivate() {
  return client ? client.stop() : undefined;
}

module.exports = { activate, deactivate };
