// Checks the DOM that headless Chromium built from the page of `percorso view`
// for the built-in scenario, against the scenario's geometry as `percorso dump
// --json` lists it. Node.js standard library only.
//   node check_view_dom.js DOM.html GEOMETRY.json SCREENSHOT.png
'use strict';
const fs = require('fs');

const [domPath, geometryPath, screenshotPath] = process.argv.slice(2);
const dom = fs.readFileSync(domPath, 'utf8');
const geometry = JSON.parse(fs.readFileSync(geometryPath, 'utf8'));

const STATIONS = [
  'PIANURA S.M.N.', 'PIANURA RIFREDI', 'PIANURA CASTELLO', 'SESTO FIORENTINO', 'CALENZANO',
  'PRATO', 'VAIANO', 'VERNIO', 'PRECEDENZE', 'SAN BENEDETTO V.d.S', 'GRIZZANA', 'MONZUNO-VADO',
  'PIANORO', 'CR.S.RUFFILLO', 'BIVIO CROCIALI', 'CRINALE C.LE',
];

let passed = 0;
let failed = 0;
function check(what, ok, detail) {
  if (ok) {
    passed++;
    console.log('ok: ' + what);
  } else {
    failed++;
    console.log('FAIL: ' + what + (detail === undefined ? '' : ': ' + detail));
  }
}

function unescape(text) {
  return text.replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&quot;/g, '"')
      .replace(/&#39;/g, "'").replace(/&nbsp;/g, '\u00a0').replace(/&amp;/g, '&');
}

function all(re) {
  const out = [];
  for (const m of dom.matchAll(re)) out.push(m[1]);
  return out;
}

check('the browser built a document', dom.includes('<svg id="plan"') &&
      dom.includes('<svg id="profile"'), dom.slice(0, 200));

const labels = all(/<text class="station-label"[^>]*>([^<]*)<\/text>/g).map(unescape);
check('sixteen station labels', labels.length === 16, labels.length);
check('station labels carry the names, first to last',
      JSON.stringify(labels) === JSON.stringify(STATIONS), JSON.stringify(labels));

let minX = Infinity, maxX = -Infinity, minY = Infinity, maxY = -Infinity;
for (const p of geometry.points) {
  if (p.value[0] === null || p.value[1] === null) continue;
  minX = Math.min(minX, p.value[0]);
  maxX = Math.max(maxX, p.value[0]);
  minY = Math.min(minY, p.value[1]);
  maxY = Math.max(maxY, p.value[1]);
}
const extent = all(/<svg id="plan"[^>]* data-extent="([^"]*)"/g);
check('one plan with its extent', extent.length === 1, extent.length);
if (extent.length === 1) {
  const e = extent[0].split(' ').map(Number);
  check('the plan extent is the geometry\'s', e.length === 4 && e[0] === minX &&
        e[1] === maxX && e[2] === minY && e[3] === maxY,
        extent[0] + ' vs ' + [minX, maxX, minY, maxY].join(' '));
}
check('the geometry reaches metre 104000', geometry.last_metre === 104000, geometry.last_metre);

const km = all(/<g class="km-tick[^"]*" data-km="([^"]*)"/g).map(Number);
check('kilometre ticks', km.length >= 5, km.length);
check('the kilometre axis runs from 0 to 104', km[0] === 0 && km[km.length - 1] === 104,
      JSON.stringify(km));
check('the kilometre ticks increase', km.every((v, i) => i === 0 || v > km[i - 1]),
      JSON.stringify(km));

check('nothing is fetched from outside', !/(src|href)="?(https?:)?\/\//i.test(dom) &&
      !dom.includes('<link'));

const png = fs.readFileSync(screenshotPath);
const signature = png.subarray(0, 8).toString('hex') === '89504e470d0a1a0a';
check('the screenshot is a 1600x1200 PNG', signature && png.readUInt32BE(16) === 1600 &&
      png.readUInt32BE(20) === 1200, png.length);

console.log(passed + ' checks passed, ' + failed + ' failed');
process.exit(failed === 0 ? 0 : 1);
