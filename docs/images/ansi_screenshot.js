// Draws a terminal screen captured with `tmux capture-pane -e -p -N` (text with
// SGR colour sequences) as HTML in headless Chromium and saves it as a PNG.
//   node ansi_screenshot.js CHROMIUM SCREEN.ansi OUT.png COLS ROWS
// puppeteer-core is the one of tests/browser (NODE_PATH points there).
'use strict';
const fs = require('fs');
const path = require('path');
const puppeteer = require('puppeteer-core');

const [chromium, screenFile, out, cols, rows] = process.argv.slice(2);
const FOREGROUND = '#d0d0d0';
const BACKGROUND = '#1c1c1c';

// The xterm palette: 16 colours, the 6x6x6 cube, the greys.
const BASIC = [
  '#000000',
  '#cd0000',
  '#00cd00',
  '#cdcd00',
  '#0000ee',
  '#cd00cd',
  '#00cdcd',
  '#e5e5e5',
  '#7f7f7f',
  '#ff0000',
  '#00ff00',
  '#ffff00',
  '#5c5cff',
  '#ff00ff',
  '#00ffff',
  '#ffffff',
];
function palette(n) {
  if (n < 16) return BASIC[n];
  const hex = (v) => v.toString(16).padStart(2, '0');
  if (n < 232) {
    const level = (v) => (v === 0 ? 0 : 55 + 40 * v);
    const i = n - 16;
    return (
      '#' + hex(level(Math.floor(i / 36))) + hex(level(Math.floor(i / 6) % 6)) + hex(level(i % 6))
    );
  }
  const g = 8 + 10 * (n - 232);
  return '#' + hex(g) + hex(g) + hex(g);
}

// Applies the parameters of one SGR sequence to the attributes `a`.
function sgr(a, text) {
  const p = text === '' ? [0] : text.split(/[;:]/).map((s) => (s === '' ? 0 : Number(s)));
  for (let i = 0; i < p.length; i++) {
    const c = p[i];
    if (c === 0)
      Object.assign(a, {
        fg: null,
        bg: null,
        bold: false,
        italic: false,
        underline: false,
        reverse: false,
      });
    else if (c === 1) a.bold = true;
    else if (c === 3) a.italic = true;
    else if (c === 4) a.underline = true;
    else if (c === 7) a.reverse = true;
    else if (c === 22) a.bold = false;
    else if (c === 23) a.italic = false;
    else if (c === 24) a.underline = false;
    else if (c === 27) a.reverse = false;
    else if (c >= 30 && c <= 37) a.fg = BASIC[c - 30];
    else if (c >= 90 && c <= 97) a.fg = BASIC[c - 90 + 8];
    else if (c >= 40 && c <= 47) a.bg = BASIC[c - 40];
    else if (c >= 100 && c <= 107) a.bg = BASIC[c - 100 + 8];
    else if (c === 39) a.fg = null;
    else if (c === 49) a.bg = null;
    else if (c === 38 || c === 48 || c === 58) {
      let colour = null;
      if (p[i + 1] === 5) {
        colour = palette(p[i + 2]);
        i += 2;
      } else if (p[i + 1] === 2) {
        const hex = (v) => (v || 0).toString(16).padStart(2, '0');
        colour = '#' + hex(p[i + 2]) + hex(p[i + 3]) + hex(p[i + 4]);
        i += 4;
      }
      if (c === 38) a.fg = colour;
      else if (c === 48) a.bg = colour;
    }
  }
}

function escape(s) {
  return s.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
}

function style(a) {
  let fg = a.fg || FOREGROUND;
  let bg = a.bg || BACKGROUND;
  if (a.reverse) [fg, bg] = [bg, fg];
  let s = 'color:' + fg + ';background:' + bg;
  if (a.bold) s += ';font-weight:bold';
  if (a.italic) s += ';font-style:italic';
  if (a.underline) s += ';text-decoration:underline';
  return s;
}

// The screen as lines of spans; attributes carry from one line to the next.
function toHtml(ansi) {
  const a = { fg: null, bg: null, bold: false, italic: false, underline: false, reverse: false };
  const lines = ansi.replace(/\n$/, '').split('\n').slice(0, Number(rows));
  return lines
    .map((line) => {
      let html = '';
      let last = 0;
      const emit = (text) => {
        if (text !== '') html += '<span style="' + style(a) + '">' + escape(text) + '</span>';
      };
      const re = /\x1b\[([0-9;:]*)m|\x1b[()][0-9A-Za-z]/g;
      let m;
      while ((m = re.exec(line)) !== null) {
        emit(line.slice(last, m.index));
        if (m[1] !== undefined) sgr(a, m[1]);
        last = re.lastIndex;
      }
      emit(line.slice(last));
      return '<div>' + html + '</div>';
    })
    .join('');
}

const screen = toHtml(fs.readFileSync(screenFile, 'utf8'));
const page = `<!DOCTYPE html><html><head><meta charset="utf-8"><style>
body { margin: 0; background: ${BACKGROUND}; }
#screen { display: inline-block; padding: 8px 10px; background: ${BACKGROUND}; color: ${FOREGROUND};
  font: 13px/17px 'DejaVu Sans Mono', monospace; white-space: pre; }
#screen div { height: 17px; width: ${cols}ch; overflow: hidden; }
</style></head><body>
<div id="screen">${screen}</div></body></html>`;

(async () => {
  const browser = await puppeteer.launch({
    executablePath: chromium,
    userDataDir: fs.mkdtempSync(path.join(path.dirname(screenFile), 'profile-')),
    headless: true,
    args: [
      '--no-sandbox',
      '--disable-gpu',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
      '--font-render-hinting=none',
    ],
  });
  try {
    const tab = await browser.newPage();
    await tab.setViewport({ width: 1200, height: 800, deviceScaleFactor: 1 });
    await tab.setContent(page, { waitUntil: 'load' });
    await (await tab.$('#screen')).screenshot({ path: out });
  } finally {
    await browser.close();
  }
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
