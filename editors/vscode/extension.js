// The client of `percorso lsp`: starts the program for the line and train
// files of a scenario, and opens the page of the pair being edited.
'use strict';
const vscode = require('vscode');
const { LanguageClient } = require('vscode-languageclient/node');

let client;

async function activate(context) {
  const program = vscode.workspace.getConfiguration('percorso').get('path') || 'percorso';
  client = new LanguageClient(
    'percorso', 'percorso', { command: program, args: ['lsp'] },
    { documentSelector: [{ scheme: 'file', language: 'percorso' }] });
  context.subscriptions.push(vscode.commands.registerCommand('percorso.showPage', async () => {
    const editor = vscode.window.activeTextEditor;
    if (!editor || editor.document.languageId !== 'percorso') return;
    try {
      const page = await client.sendRequest('workspace/executeCommand', {
        command: 'percorso.view',
        arguments: [editor.document.uri.toString()],
      });
      await vscode.env.openExternal(vscode.Uri.file(page.path));
    } catch (e) {
      vscode.window.showErrorMessage(`percorso: ${e.message}`);
    }
  }));
  await client.start();
}

function deactivate() {
  return client ? client.stop() : undefined;
}

module.exports = { activate, deactivate };
