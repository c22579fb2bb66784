// The TextMate grammar of editors/vscode, run by vscode-textmate with the
// Oniguruma of vscode-oniguruma as the editor runs it, over the built-in line
// and train files: section names, the keyword field of every entry, every
// number.
//   node grammar_test.js GRAMMAR LINEFILE TRAINFILE
'use strict';
const assert = require('node:assert/strict');
const fs = require('node:fs');
const vsctm = require('vscode-textmate');
const oniguruma = require('vscode-oniguruma');

const [grammarPath, ...sources] = process.argv.slice(2);

async function loadGrammar() {
  const wasm = fs.readFileSync(require.resolve('vscode-oniguruma/release/onig.wasm'));
  await oniguruma.loadWASM(wasm.buffer.slice(wasm.byteOffset, wasm.byteOffset + wasm.byteLength));
  const registry = new vsctm.Registry({
    onigLib: Promise.resolve({
      createOnigScanner: (patterns) => new oniguruma.OnigScanner(patterns),
      createOnigString: (s) => new oniguruma.OnigString(s),
    }),
    loadGrammar: async (scope) => (scope === 'source.percorso'
      ? vsctm.parseRawGrammar(fs.readFileSync(grammarPath, 'utf8'), grammarPath) : null),
  });
  return registry.loadGrammar('source.percorso');
}

/// The tokens of one line: each its text and its innermost scope.
function tokens(grammar, line) {
  const r = grammar.tokenizeLine(line, vsctm.INITIAL);
  return r.tokens.map((t) => ({
    text: line.slice(t.startIndex, t.endIndex),
    scope: t.scopes[t.scopes.length - 1],
  }));
}

const scopeOf = (grammar, line, text) => {
  const t = tokens(grammar, line).find((x) => x.text.trim() === text);
  assert.ok(t, `no token ${JSON.stringify(text)} in ${JSON.stringify(line)}`);
  return t.scope;
};

async function main() {
  const grammar = await loadGrammar();
  let checked = 0;
  for (const file of sources) {
    for (const line of fs.readFileSync(file, 'latin1').split('\r\n')) {
      if (line.trim() === '') continue;
      const first = tokens(grammar, line).find((t) => t.text.trim() !== '');
      if (line.trim().startsWith('[')) {
        assert.equal(first.scope, 'entity.name.section.percorso', line);
        continue;
      }
      assert.equal(first.scope, 'keyword.other.percorso', line);
      // Every field after the keyword that is a number is coloured as one.
      const fields = line.split(',').slice(1).flatMap((f) => f.trim().split(/\s+/));
      for (const f of fields.filter((x) => /^-?\d+$/.test(x))) {
        assert.equal(scopeOf(grammar, line, f), 'constant.numeric.percorso', `${f} in ${line}`);
      }
      ++checked;
    }
  }
  assert.ok(checked > 100, `only ${checked} entries read`);
  // What the built-in files do not show.
  const cases = [
    ['- a remark, 1', '- a remark', 'comment.line.percorso'],
    ['CURVAD3, 10, 20', 'CURVAD3', 'keyword.other.percorso'],
    ['cartello indicatore, 5000, "SOSTA, BREVE"', '"SOSTA, BREVE"', 'string.quoted.double.percorso'],
    ['stazione, 0, 8, 600, 0, 0, 0, 1,1,0, 4,1,1, 1, 6, 8, 0, SAN MARCO', 'SAN MARCO',
      'string.unquoted.percorso'],
    ['velocita, -50, 5.5', '5.5', 'constant.numeric.percorso'],
  ];
  for (const [line, text, scope] of cases) assert.equal(scopeOf(grammar, line, text), scope, line);
  console.log(`ok: the grammar over ${checked} entries and ${cases.length} cases`);
}

main().catch((e) => {
  console.error(e);
  process.exit(1);
});
