// `percorso lsp` driven by vscode-jsonrpc, the JSON-RPC library of the
// editor's own language client: initialize, the diagnostics of a faulty
// train file paired with its line file, hover, inlay hints, a message of
// bytes that are no JSON, shutdown and exit with status 0.
//   node protocol_test.js PERCORSO DIR
'use strict';
const assert = require('node:assert/strict');
const { spawn } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const rpc = require('vscode-jsonrpc/node');

const [percorso, dir] = process.argv.slice(2);
const trainPath = path.join(dir, 'Pianura_Crinale_2731-.txt');
const linePath = path.join(dir, 'Pianura_Crinale_linea.txt');
const trainUri = pathToFileURL(trainPath).href;
const lineUri = pathToFileURL(linePath).href;

async function main() {
  const server = spawn(percorso, ['lsp'], { stdio: ['pipe', 'pipe', 'inherit'] });
  const exited = new Promise((resolve) => server.on('exit', (code) => resolve(code)));
  const connection = rpc.createMessageConnection(
    new rpc.StreamMessageReader(server.stdout), new rpc.StreamMessageWriter(server.stdin));
  const published = new Map();
  const waiters = [];
  connection.onNotification('textDocument/publishDiagnostics', (p) => {
    published.set(p.uri, p.diagnostics);
    for (const w of waiters.splice(0)) w();
  });
  connection.listen();
  const diagnosticsOf = async (uri, test) => {
    const deadline = Date.now() + 20000;
    while (!(published.has(uri) && test(published.get(uri)))) {
      assert.ok(Date.now() < deadline, `no diagnostics for ${uri}`);
      await new Promise((resolve) => { waiters.push(resolve); setTimeout(resolve, 200); });
    }
    return published.get(uri);
  };

  const init = await connection.sendRequest('initialize',
    { processId: process.pid, rootUri: pathToFileURL(dir).href, capabilities: {} });
  assert.equal(init.capabilities.textDocumentSync.change, 1);
  assert.ok(init.capabilities.hoverProvider);
  connection.sendNotification('initialized', {});

  // Before any document: a method the server does not know.
  await assert.rejects(connection.sendRequest('percorso/nothing', {}), (e) => e.code === -32601);

  const text = fs.readFileSync(trainPath, 'latin1');
  connection.sendNotification('textDocument/didOpen',
    { textDocument: { uri: trainUri, languageId: 'percorso', version: 1, text } });
  const diagnostics = await diagnosticsOf(trainUri, (d) => d.length > 0);
  const errors = diagnostics.filter((d) => d.severity === 1);
  assert.equal(errors.length, 1, JSON.stringify(diagnostics));
  const errorLine = Number(process.env.ERROR_LINE) - 1;
  assert.equal(errors[0].range.start.line, errorLine);
  assert.match(errors[0].message, /signal cell already taken/);
  assert.equal(errors[0].code, 'status-16');
  assert.equal(errors[0].relatedInformation[0].location.uri, trainUri);
  assert.equal(errors[0].relatedInformation[0].location.range.start.line, errorLine - 1);
  // The line file was compiled with it and told about, too.
  await diagnosticsOf(lineUri, () => true);

  const hover = await connection.sendRequest('textDocument/hover',
    { textDocument: { uri: trainUri }, position: { line: errorLine - 1, character: 3 } });
  assert.match(hover.contents.value, /\*\*segnale\*\*/);
  assert.match(hover.contents.value, /km 4\.250, cell 86/);

  const hints = await connection.sendRequest('textDocument/inlayHint',
    { textDocument: { uri: trainUri },
      range: { start: { line: 0, character: 0 }, end: { line: 1000, character: 0 } } });
  assert.ok(hints.some((h) => h.label === 'km 4.250 · cell 86'), JSON.stringify(hints));

  // Bytes that are no JSON, in a well-formed frame: an error, and the server
  // goes on.
  const garbage = Buffer.from([0x7b, 0xff, 0x00, 0x80, 0x22]);
  server.stdin.write(`Content-Length: ${garbage.length}\r\n\r\n`);
  server.stdin.write(garbage);
  const symbols = await connection.sendRequest('textDocument/documentSymbol',
    { textDocument: { uri: trainUri } });
  assert.ok(symbols.some((s) => s.name === '[stazioni]'));

  // The fix clears the error.
  const lines = text.split('\r\n');
  lines.splice(errorLine, 1);
  connection.sendNotification('textDocument/didChange',
    { textDocument: { uri: trainUri, version: 2 }, contentChanges: [{ text: lines.join('\r\n') }] });
  await diagnosticsOf(trainUri, (d) => d.every((x) => x.severity !== 1));

  await connection.sendRequest('shutdown');
  connection.sendNotification('exit');
  assert.equal(await exited, 0);
  connection.dispose();
  console.log('ok: the protocol test passed');
}

main().catch((e) => {
  console.error(e);
  process.exit(1);
});
