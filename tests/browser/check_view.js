// Drives headless Chromium over the pages that view_browser_test.sh made, with
// puppeteer-core, and checks what a person would see and do.
//   node check_view.js CHROMIUM WORK_DIR BUILD_DIR
'use strict';
const fs = require('fs');
const path = require('path');
const puppeteer = require('puppeteer-core');

const [chromium, work, buildDir] = process.argv.slice(2);
const builtPage = 'file://' + path.join(work, 'built', 'Pianura_Crinale_2731.html');
const sourcesPage = 'file://' + path.join(work, 'sources.html');
const faultyPage = 'file://' + path.join(work, 'faulty.html');
const warnedPage = 'file://' + path.join(work, 'warned.html');
const misspeltPage = 'file://' + path.join(work, 'misspelt.html');
const longPage = fs.existsSync(path.join(work, 'long.html')) ? 'file://' + path.join(work, 'long.html') : null;
const pause = (ms) => new Promise((r) => setTimeout(r, ms));
const geometry = JSON.parse(fs.readFileSync(path.join(work, 'geometry.json'), 'utf8'));

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

async function open(browser, url, width) {
  const page = await browser.newPage();
  page.on('pageerror', (e) => check('no script error on ' + url, false, e.message));
  page.on('request', (r) => {
    if (!r.url().startsWith('file:') && !r.url().startsWith('data:')) {
      check('nothing is fetched from outside', false, r.url());
    }
  });
  await page.setViewport({ width, height: 900 });
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForSelector('#profile[data-ready]', { timeout: 10000 });
  return page;
}

async function range(page) {
  return page.$eval('#profile', (s) => [+s.getAttribute('data-from'), +s.getAttribute('data-to')]);
}

// Pairs of boxes of `selector` that overlap by more than a pixel.
async function overlaps(page, selector) {
  return page.$$eval(selector, (elements) => {
    const boxes = elements.map((e) => [e.textContent, e.getBoundingClientRect()]);
    const out = [];
    for (let i = 0; i < boxes.length; i++) {
      for (let j = i + 1; j < boxes.length; j++) {
        const a = boxes[i][1], b = boxes[j][1];
        if (a.left < b.right - 1 && b.left < a.right - 1 && a.top < b.bottom - 1 &&
            b.top < a.bottom - 1) {
          out.push(boxes[i][0] + ' / ' + boxes[j][0]);
        }
      }
    }
    return out;
  });
}

const axeSource = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
// axe-core's rules on the page as it stands: no serious or critical
// violation.
async function axeCheck(page, what) {
  await page.evaluate(axeSource);
  const found = await page.evaluate(() =>
    window.axe.run(document, { resultTypes: ['violations'] }).then((r) =>
      r.violations.map((v) => [v.impact, v.id, v.nodes.length, v.nodes[0].target.join(' ')])));
  const bad = found.filter((v) => v[0] === 'serious' || v[0] === 'critical');
  check(what + ': axe-core finds no serious or critical violation', bad.length === 0, JSON.stringify(bad));
  return found;
}

async function widths(browser) {
  for (const width of [360, 800, 1280, 1920, 2560]) {
    const page = await open(browser, builtPage, width);
    const scroll = await page.evaluate(() => [document.documentElement.scrollWidth, innerWidth]);
    check(width + ' px: no sideways scrolling', scroll[0] <= scroll[1], scroll.join(' > '));
    const names = await page.$$eval('.plan-station-label', (t) => t.map((e) => e.textContent));
    check(width + ' px: every station named on the plan',
          JSON.stringify(names) === JSON.stringify(STATIONS), JSON.stringify(names));
    const plan = await overlaps(page, '#plan text');
    check(width + ' px: no label overlaps another on the plan', plan.length === 0, plan.join('; '));
    for (const row of ['stations', 'signals', 'slowdowns', 'speed-boards', 'text-boards', 'markers',
      'speed', 'gradient']) {
      const found = await overlaps(page, '.row-' + row + ' text:not(.row-title)');
      check(width + ' px: no label overlaps another in the ' + row + ' row', found.length === 0,
            found.join('; '));
    }
    await labelsAndText(page, width + ' px');
    if ([360, 1280, 2560].includes(width)) {
      await axeCheck(page, width + ' px, from files');
      const fromSources = await open(browser, sourcesPage, width);
      await axeCheck(fromSources, width + ' px, from sources');
      await fromSources.close();
      const faulty = await open(browser, misspeltPage, width);
      await axeCheck(faulty, width + ' px, a long list of warnings');
      await faulty.close();
    }
    const marks = await markContrast(page);
    check(width + ' px: every kind of mark has a contrast of at least 3:1', marks.length === 0, marks.join('; '));
    const contrast = await lowContrast(page);
    check(width + ' px: every text has a contrast of at least 4.5:1', contrast.length === 0,
          contrast.slice(0, 5).join('; '));
    await page.screenshot({ path: path.join(buildDir, 'view-' + width + '.png'), fullPage: true });
    await page.close();
  }
}

// The marks of the chart against the white page: at least 3:1, by the fill
// (or, for a mark drawn as a ring, the stroke) of each kind.
async function markContrast(page) {
  return page.evaluate(() => {
    function rgb(text) {
      const m = /rgba?\(([\d.]+), ([\d.]+), ([\d.]+)/.exec(text);
      return m ? [+m[1], +m[2], +m[3]] : null;
    }
    function luminance(c) {
      const f = (v) => { v /= 255; return v <= 0.03928 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4); };
      return 0.2126 * f(c[0]) + 0.7152 * f(c[1]) + 0.0722 * f(c[2]);
    }
    const out = [];
    for (const selector of ['.station-area', '.stretch:not(.tunnel) rect', '.slowdown-bar',
      '.signal.sx1 .glyph', '.signal.sx2 .glyph', '.slowdown-board.warning .glyph', '.speed-board .glyph',
      '.text-board .glyph', '.series.speed', '.series.adhesion', '.series.curvature', '.diagnostic-mark .glyph']) {
      const e = document.querySelector('#profile ' + selector);
      if (!e) continue;
      const style = getComputedStyle(e);
      const c = rgb(style.fill !== 'none' && !/255, 255, 255/.test(style.fill) ? style.fill : style.stroke);
      const r = 1.05 / (luminance(c) + 0.05);
      if (r < 3) out.push(selector + ' ' + r.toFixed(2));
    }
    return out;
  });
}

// The labels of the chart: each inside the plot, none over a mark that is not
// its own, none below 12 pixels as drawn.
async function labelsAndText(page, what) {
  const found = await page.evaluate(() => {
    const svg = document.getElementById('profile');
    const box = svg.getBoundingClientRect(), scale = box.width / svg.viewBox.baseVal.width;
    const left = box.left + 40 * scale - 1, right = box.right - 10 * scale + 1;
    const out = { outside: [], small: [], overMark: [] };
    for (const t of document.querySelectorAll('#profile text, #km-top text, #plan text')) {
      const size = parseFloat(getComputedStyle(t).fontSize) *
          (t.ownerSVGElement.getBoundingClientRect().width / t.ownerSVGElement.viewBox.baseVal.width);
      if (t.textContent && size < 11.95) out.small.push(t.textContent + ' ' + size.toFixed(1));
    }
    const labels = document.querySelectorAll('#profile .row text:not(.row-title):not(.row-note):not(.value-tick)');
    for (const t of labels) {
      const r = t.getBoundingClientRect();
      if (r.left < left || r.right > right) out.outside.push(t.textContent);
      const row = t.closest('.row'), own = t.closest('.feature');
      for (const g of row.querySelectorAll('.glyph')) {
        if (g.closest('.feature') === own) continue;
        const b = g.getBoundingClientRect();
        if (r.left < b.right - 1 && b.left < r.right - 1 && r.top < b.bottom - 1 && b.top < r.bottom - 1) {
          out.overMark.push(t.textContent);
        }
      }
    }
    return out;
  });
  check(what + ': every label inside the plot', found.outside.length === 0, found.outside.join('; '));
  check(what + ': no label over a mark not its own', found.overMark.length === 0, found.overMark.join('; '));
  check(what + ': no chart text below 12 px', found.small.length === 0, found.small.slice(0, 5).join('; '));
}

// Texts whose colour has less than 4.5:1 contrast with what lies under them.
async function lowContrast(page) {
  return page.evaluate(() => {
    function rgb(text) {
      const m = /rgba?\(([\d.]+), ([\d.]+), ([\d.]+)(?:, ([\d.]+))?\)/.exec(text);
      return m ? [+m[1], +m[2], +m[3], m[4] === undefined ? 1 : +m[4]] : null;
    }
    function luminance(c) {
      const f = (v) => { v /= 255; return v <= 0.03928 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4); };
      return 0.2126 * f(c[0]) + 0.7152 * f(c[1]) + 0.0722 * f(c[2]);
    }
    function ratio(a, b) {
      const x = luminance(a), y = luminance(b);
      return (Math.max(x, y) + 0.05) / (Math.min(x, y) + 0.05);
    }
    function background(e) {
      for (; e && e.nodeType === 1; e = e.parentElement) {
        const c = rgb(getComputedStyle(e).backgroundColor);
        if (c && c[3] > 0.5) return c;
      }
      return [255, 255, 255, 1];
    }
    const out = [];
    for (const e of document.querySelectorAll('body *')) {
      if (e.closest('svg, script, style, noscript, [hidden]')) continue;
      const own = Array.from(e.childNodes).some((n) => n.nodeType === 3 && n.textContent.trim());
      if (!own || !e.getClientRects().length) continue;
      const r = ratio(rgb(getComputedStyle(e).color), background(e));
      if (r < 4.5) out.push(e.tagName + '.' + e.className + ' ' + r.toFixed(2));
    }
    for (const t of document.querySelectorAll('svg text')) {
      if (!t.textContent.trim() || t.closest('.legend-item')) continue;
      let under = [255, 255, 255, 1];
      const stretch = t.closest('.stretch');
      if (stretch) under = rgb(getComputedStyle(stretch.querySelector('rect')).fill);
      const r = ratio(rgb(getComputedStyle(t).fill), under);
      if (r < 4.5) out.push('svg ' + t.getAttribute('class') + ' "' + t.textContent + '" ' + r.toFixed(2));
    }
    return out;
  });
}

async function planAndAxis(browser) {
  const page = await open(browser, builtPage, 1280);
  let minX = Infinity, maxX = -Infinity, minY = Infinity, maxY = -Infinity;
  for (const p of geometry.points) {
    if (p.value[0] === null || p.value[1] === null) continue;
    minX = Math.min(minX, p.value[0]);
    maxX = Math.max(maxX, p.value[0]);
    minY = Math.min(minY, p.value[1]);
    maxY = Math.max(maxY, p.value[1]);
  }
  const extent = (await page.$eval('#plan', (s) => s.getAttribute('data-extent'))).split(' ').map(Number);
  check('the plan extent is the geometry\'s', extent[0] === minX && extent[1] === maxX &&
        extent[2] === minY && extent[3] === maxY, extent.join(' '));
  const km = await page.$$eval('.km-tick', (t) => t.map((e) => +e.getAttribute('data-km')));
  check('the whole line: the axis runs from 0 to 104', km[0] === 0 && km[km.length - 1] === 104,
        JSON.stringify(km));
  const legend = await page.$$eval('.legend-item', (t) => t.length);
  check('a legend', legend >= 15, legend);
  await page.close();
}

async function zoom(browser) {
  const page = await open(browser, builtPage, 1280);
  const box = await (await page.$('#profile')).boundingBox();
  const before = await range(page);
  // The wheel over the signals row, at the kilometre 40 of the whole line.
  const signals = await (await page.$('.row-signals')).boundingBox();
  const x = box.x + 40 + (box.width - 50) * 40 / 104;
  await page.mouse.move(x, signals.y + signals.height / 2);
  // At the whole line the wheel scrolls the page; with Ctrl it zooms.
  const scrolled = await page.evaluate(() => scrollY);
  await page.mouse.wheel({ deltaY: 100 });
  await pause(200);
  const unzoomed = await range(page);
  check('at the whole line the wheel scrolls the page', unzoomed[0] === 0 && unzoomed[1] === 104000 &&
        await page.evaluate(() => scrollY) > scrolled, JSON.stringify(unzoomed));
  await page.evaluate((y) => scrollTo(0, y), scrolled);
  await pause(100);
  await page.keyboard.down('Control');
  for (let i = 0; i < 8; i++) {
    await page.mouse.wheel({ deltaY: -300 });
    await new Promise((r) => setTimeout(r, 40));
  }
  await page.keyboard.up('Control');
  await new Promise((r) => setTimeout(r, 300));
  const after = await range(page);
  check('a wheel zoom narrows the range to a few kilometres', after[1] - after[0] < 5000,
        JSON.stringify(before) + ' then ' + JSON.stringify(after));
  check('the zoom keeps the kilometre under the pointer', after[0] < 40000 && after[1] > 40000,
        JSON.stringify(after));
  const marks = await page.$$eval('.row-signals .feature', (f) => f.map((e) => +e.getAttribute('data-count')));
  const inRange = await page.evaluate((r) => {
    const d = JSON.parse(document.getElementById('view-data').textContent);
    return d.rows[0].marks.filter((m) => m[0] >= r[0] && m[0] <= r[1]).length;
  }, after);
  check('zoomed in, every signal is a mark of its own', marks.length === inRange &&
        marks.every((c) => c === 1) && inRange > 0, JSON.stringify(marks) + ' of ' + inRange);
  const hash = await page.evaluate(() => location.hash);
  check('the URL fragment keeps the range', /^#km=[0-9.]+-[0-9.]+$/.test(hash), hash);

  await page.click('#zoom-all');
  await new Promise((r) => setTimeout(r, 100));
  const whole = await range(page);
  check('the button shows the whole line again', whole[0] === 0 && whole[1] === 104000,
        JSON.stringify(whole));
  await page.$eval('#range', (e) => { e.value = '40\u201345'; });
  await page.click('#controls button[type=submit]');
  await new Promise((r) => setTimeout(r, 100));
  check('the box takes a range', JSON.stringify(await range(page)) === '[40000,45000]',
        JSON.stringify(await range(page)));
  await page.screenshot({ path: path.join(buildDir, 'view-1280-km40-45.png'), fullPage: true });
  await page.close();

  const linked = await open(browser, builtPage + '#km=40-45', 800);
  check('a link opens the same range', JSON.stringify(await range(linked)) === '[40000,45000]',
        JSON.stringify(await range(linked)));
  const shown = await linked.$eval('#plan-shown', (p) => p.getAttribute('d'));
  check('the plan draws the stretch shown', shown.length > 20, shown);
  await linked.close();
}

async function tooltips(browser) {
  const page = await open(browser, sourcesPage + '#km=0-5', 1280);
  const signal = await page.$('.row-signals .feature');
  await signal.hover();
  await page.waitForSelector('#tooltip:not([hidden])', { timeout: 3000 });
  const text = await page.$eval('#tooltip', (t) => t.textContent);
  check('hovering a signal tells its source line', /Pianura_Crinale_2731-\.txt:\d+/.test(text) &&
        text.includes('posizione 1050 m') && text.includes('sx 1'), text);
  // Hovering the rows moves the point on the plan.
  const dot = await page.$eval('#plan-cursor', (c) => c.getAttribute('visibility'));
  check('the kilometre hovered is shown on the plan', dot === 'visible', dot);
  await page.close();
}

async function diagnostics(browser) {
  const page = await open(browser, faultyPage, 1280);
  const items = await page.$$eval('#diagnostics li', (l) => l.map((e) => e.textContent));
  // The error first, then the note that explains it.
  check('a faulty source shows its message', items.length >= 1 &&
        items[0].includes('Pianura_Crinale_2731-.txt:') && items[0].includes('status 16') &&
        items.slice(1).every((i) => i.includes('note:')),
        JSON.stringify(items));
  const marks = await page.$$('.row-diagnostics .feature');
  check('the message is marked on the axis', marks.length === 1, marks.length);
  await page.click('#diagnostics a.goto');
  await new Promise((r) => setTimeout(r, 200));
  const r = await range(page);
  check('its link shows its kilometre', r[0] <= 15400 && r[1] >= 15400 && r[1] - r[0] <= 2000,
        JSON.stringify(r));
  const along = await page.$eval('#along', (e) => e.getBoundingClientRect().top);
  check('its link brings the chart into view', along > -5 && along < 100, along);
  const contrast = await lowContrast(page);
  check('the messages and the banner keep a contrast of 4.5:1', contrast.length === 0,
        contrast.slice(0, 5).join('; '));

  // The compile stopped at the second signal: said above all, with the place.
  const banner = await page.$eval('#stopped', (e) => e.textContent).catch(() => '');
  check('a banner says where the compile stopped',
        /the compile stopped at \S*faulty\/Pianura_Crinale_2731-\.txt:54: entries after it are not drawn/
          .test(banner), banner);
  await page.click('#zoom-all');
  await pause(100);
  const end = await page.evaluate(() => [
    document.querySelectorAll('#profile .extension').length,
    document.querySelectorAll('#profile .route-end').length,
    Array.from(document.querySelectorAll('#profile .km-route-end')).map((e) => e.getAttribute('data-km')),
  ]);
  check('the route\'s end is marked and the part past it shaded', end[0] === 1 && end[1] === 1 &&
        JSON.stringify(end[2]) === '["97"]', JSON.stringify(end));
  await page.screenshot({ path: path.join(buildDir, 'view-faulty.png') });
  await page.close();

  const warned = await open(browser, warnedPage, 1280);
  const links = await warned.$$eval('#diagnostics li.warning a.goto', (a) => a.map((e) => e.getAttribute('href')));
  check('a warning with a position links to it', JSON.stringify(links) === '["#km=2.5-4.5"]',
        JSON.stringify(links));
  const warnMarks = await warned.$$eval('.row-diagnostics .feature.warning', (f) => f.map((e) => +e.getAttribute('data-metres')));
  check('the warning is marked on the chart', JSON.stringify(warnMarks) === '[3500]', JSON.stringify(warnMarks));
  await warned.close();
}

// A long list of messages stays short: grouped by name, each group closed,
// the chart still on the first screen; the groups open on demand.
async function manyMessages(browser) {
  const page = await open(browser, misspeltPage, 1280);
  const groups = await page.$$eval('#diagnostics details.diagnostic-group', (d) =>
    d.map((e) => [e.getAttribute('data-group'), +e.getAttribute('data-count'), e.open]));
  const signals = await page.evaluate(() => document.querySelectorAll('#diagnostics li.warning').length);
  check('many warnings: one group for their name, with their count, closed',
        groups.length === 1 && groups[0][0] === 'misspelt-keyword' && groups[0][1] === signals &&
        signals > 20 && groups[0][2] === false, JSON.stringify(groups) + ' of ' + signals);
  const heading = await page.$eval('#diagnostics h2', (h) => h.textContent);
  check('the heading counts them', heading === '0 errors, ' + signals + ' warnings found by the check', heading);
  await page.click('#diagnostics summary');
  await pause(100);
  const box = await page.$eval('#diagnostic-groups', (e) => [e.scrollHeight, e.clientHeight]);
  check('opened, the list scrolls inside its box', box[0] > box[1] && box[1] <= 900 * 0.4 + 1,
        JSON.stringify(box));
  const along = await page.$eval('#along', (e) => e.getBoundingClientRect().top);
  check('the chart starts on the first screen', along < 900, along);
  await page.close();
}

// Every FILE:LINE of the page opens the editor given by --editor.
async function editorLinks(browser) {
  const page = await open(browser, sourcesPage, 1280);
  // A table's places become links as it comes near the window.
  await page.$eval('#signal-table', (t) => t.scrollIntoView());
  await pause(200);
  const links = await page.$$eval('#signal-table td.src a.editor', (a) => a.map((e) => [e.textContent, e.getAttribute('href')]));
  const first = links[0] || ['', ''];
  const m = /^(.*):(\d+)$/.exec(first[0]);
  check('a source line in a table opens the editor at that line', links.length > 10 && m &&
        first[1] === 'vscode://file' + encodeURI(m[1]) + ':' + m[2] + ':1', JSON.stringify(first));
  await page.close();
  const plain = await open(browser, warnedPage, 1280);
  const none = await plain.$$eval('a.editor', (a) => a.length);
  check('without --editor, places stay text', none === 0, none);
  // The warning's mark and a slowdown's warning board differ in shape.
  const shapes = await plain.evaluate(() => [
    document.querySelector('.row-diagnostics .feature .glyph').tagName,
    document.querySelector('.slowdown-board.warning .glyph').tagName]);
  check('a warning\'s mark and a warning board look different', shapes[0] !== shapes[1], JSON.stringify(shapes));
  await plain.close();
}

// Every station named at the whole-line view, from 1280 px on, on the long
// route too.
async function stationNames(browser) {
  const pages = [[builtPage, 16]].concat(longPage ? [[longPage, 0]] : []);
  for (const [url, count] of pages) {
    for (const width of [1280, 2560]) {
      const page = await open(browser, url, width);
      const found = await page.evaluate(() => [
        JSON.parse(document.getElementById('view-data').textContent).stations.length,
        document.querySelectorAll('.row-stations .station-label').length,
        document.querySelectorAll('.row-stations .row-note').length]);
      const what = path.basename(url) + ' at ' + width + ' px';
      check(what + ': every station named at the whole-line view', found[0] === found[1] &&
            found[2] === 0 && (count === 0 || found[0] === count), JSON.stringify(found));
      const clash = await overlaps(page, '.row-stations text:not(.row-title)');
      check(what + ': no station name over another', clash.length === 0, clash.slice(0, 3).join('; '));
      if (url === longPage && width === 1280) {
        // A long table's rows wait until it comes near the window.
        const rows = () => page.$eval('#signal-table', (t) => [t.querySelectorAll('tbody tr[data-m]').length,
          +/\((\d+)\)/.exec(document.getElementById('signal-table-title').textContent)[1]]);
        const before = await rows();
        const elements = await page.evaluate(() => document.getElementsByTagName('*').length);
        await page.$eval('#signal-table', (t) => t.scrollIntoView());
        await pause(300);
        const after = await rows();
        check(what + ': a long table fills in as it comes near', before[0] === 50 && after[0] === after[1] &&
              after[1] > 400, JSON.stringify([before, after]));
        check(what + ': the page loads with few elements', elements < 12000, elements);
        // On paper too, every station is named.
        await page.emulateMediaType('print');
        await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
        await pause(200);
        const printed = await page.evaluate(() => document.querySelectorAll('.row-stations .station-label').length);
        check(what + ': printed, every station named', printed === found[0], printed + ' of ' + found[0]);
        await page.emulateMediaType('screen');
      }
      await page.close();
    }
  }
}

async function tables(browser) {
  const page = await open(browser, sourcesPage, 1280);
  const counts = await page.evaluate(() => {
    const out = {};
    for (const t of document.querySelectorAll('table.sortable')) out[t.id] = t.querySelectorAll('tbody tr[data-m]').length;
    return out;
  });
  const signals = await page.evaluate(() => JSON.parse(document.getElementById('view-data').textContent).rows[0].marks.length);
  check('a table for every kind of feature', ['station-table', 'signal-table', 'slowdown-table',
    'speed-table', 'gradient-table', 'terrain-table', 'speed-board-table', 'text-board-table']
    .every((id) => counts[id] > 0) && counts['signal-table'] === signals && counts['station-table'] === 16,
  JSON.stringify(counts) + ' signals ' + signals);
  const sources = await page.$$eval('#signal-table td.src', (c) => c.map((e) => e.textContent));
  const given = path.join(work, 'sources', 'Pianura_Crinale_2731-.txt');
  check('each row names its source line, path as given', sources.length === signals &&
        sources.every((s) => s.startsWith(given + ':') && /:\d+$/.test(s)), sources[0]);
  const boards = await page.$$eval('#text-board-table tbody tr', (r) => r.map((e) => e.cells[1].textContent));
  check('board texts read without their parentheses', boards[0] === 'GALLERIA / APPENNINO / Km 18+510',
        JSON.stringify(boards));

  // Sorted by a click on a column's title, both ways.
  const km = () => page.$$eval('#signal-table tbody tr', (r) => r.map((e) => +e.getAttribute('data-m')));
  const before = await km();
  // A table is laid out as it comes near the window.
  await page.$eval('#signal-table', (t) => t.scrollIntoView());
  await pause(200);
  await page.click('#signal-table thead th:first-child button');
  await page.click('#signal-table thead th:first-child button');
  const after = await km();
  check('a column sorts both ways', JSON.stringify(after) === JSON.stringify(before.slice().sort((a, b) => b - a)),
        JSON.stringify(after.slice(0, 4)));

  // A click on a row shows it on the chart, brought into view.
  await page.click('#slowdown-table tbody tr:first-child td:nth-child(3)');
  await pause(300);
  const r = await range(page);
  const slowdown = await page.$eval('#slowdown-table tbody tr', (e) => [+e.getAttribute('data-m'), +e.getAttribute('data-to')]);
  check('a click on a row zooms the chart to it', r[0] <= slowdown[0] && r[1] >= slowdown[1] &&
        r[1] - r[0] < 10000, JSON.stringify(r) + ' for ' + JSON.stringify(slowdown));
  const top = await page.$eval('#along', (e) => e.getBoundingClientRect().top);
  check('and brings the chart into view', top > -5 && top < 100, top);
  // The km axis stays in sight while the rows scroll.
  await page.evaluate(() => window.scrollBy(0, 500));
  await pause(100);
  const axisTop = await page.$eval('#km-top', (e) => { const b = e.getBoundingClientRect(); return [b.top, b.bottom]; });
  check('the km axis stays in sight', axisTop[0] >= 0 && axisTop[1] < 200, JSON.stringify(axisTop));
  await page.close();
}

async function fragments(browser) {
  const page = await open(browser, builtPage + '#km=500-600', 1280);
  const note = await page.$eval('#range-note', (e) => e.textContent);
  check('#km= past the line says so', /beyond the line, which ends at km 104/.test(note), note);
  const r = await range(page);
  check('and shows the line\'s end', r[1] === 104000 && r[1] - r[0] === 100000, JSON.stringify(r));
  const top = await page.$eval('#along', (e) => e.getBoundingClientRect().top);
  check('a #km= address brings the chart into view', top > -5 && top < 100, top);

  await page.$eval('#range', (e) => { e.value = 'forty'; });
  await page.click('#controls button[type=submit]');
  await pause(100);
  const bad = await page.$eval('#range-note', (e) => e.textContent);
  check('a box with no range says so', /\u201cforty\u201d in the box is neither a range of kilometres nor a station/.test(bad), bad);

  // The box finds a station by its name, and takes negative kilometres.
  await page.$eval('#range', (e) => { e.value = 'vernio'; });
  await page.click('#controls button[type=submit]');
  await pause(100);
  const vernio = await page.evaluate(() => JSON.parse(document.getElementById('view-data').textContent)
    .stations.find((s) => s[4] === 'VERNIO')[0]);
  const byName = await range(page);
  check('the box finds a station by its name', byName[0] === vernio - 2000 && byName[1] === vernio + 2000,
        JSON.stringify(byName) + ' for ' + vernio);
  await page.$eval('#range', (e) => { e.value = '-2-5'; });
  await page.click('#controls button[type=submit]');
  await pause(100);
  const negative = await range(page);
  check('the box takes a negative kilometre', negative[0] === 0 && negative[1] === 7000, JSON.stringify(negative));
  await pause(400);
  const said = await page.$eval('#range-said', (e) => [e.textContent, e.getAttribute('aria-live')]);
  check('a new range is said to a screen reader', said[0] === 'Chart shows km 0 to 7' && said[1] === 'polite',
        JSON.stringify(said));
  // A station on the plan shows its stretch on the chart; the plan follows
  // the chart's range, drawn to scale with its scale bar.
  await page.click('#zoom-all');
  await pause(200);
  const wholeBar = await page.$eval('#plan .plan-scale', (g) => +g.getAttribute('data-metres'));
  const planned = await page.evaluate(() => +document.querySelector('#plan .plan-station:nth-child(7)').getAttribute('data-metres'));
  await page.click('#plan .plan-station:nth-child(7) circle');
  await pause(200);
  const fromPlan = await range(page);
  check('a station on the plan shows it on the chart', fromPlan[0] === planned - 2000 && fromPlan[1] === planned + 2000,
        JSON.stringify(fromPlan) + ' for ' + planned);
  await pause(200);
  const plan = await page.evaluate(() => [
    +document.querySelector('#plan .plan-scale').getAttribute('data-metres'),
    document.querySelectorAll('#plan .plan-station').length]);
  check('the plan follows the chart, its scale bar shorter', plan[0] < wholeBar && plan[1] >= 1 &&
        plan[1] < 16, JSON.stringify([wholeBar, plan]));
  const summary = await page.$eval('p.summary', (p) => p.textContent);
  check('one of a kind is said in the singular', !/\b1 [a-z-]+s\b/.test(summary) && /cut-off/.test(summary), summary);
  check('the page has one main landmark', await page.$$eval('main', (m) => m.length) === 1);

  // The keyboard: arrows pan, + and - zoom; the box follows.
  await page.click('#zoom-all');
  await page.focus('#chart');
  await page.keyboard.press('+');
  await pause(100);
  const zoomed = await range(page);
  await page.keyboard.press('ArrowRight');
  await pause(100);
  const panned = await range(page);
  await page.keyboard.press('-');
  await pause(100);
  const out = await range(page);
  check('+ zooms in, an arrow pans, - zooms out', zoomed[1] - zoomed[0] === 52000 &&
        panned[0] === zoomed[0] + 13000 && out[1] - out[0] === 104000,
        JSON.stringify([zoomed, panned, out]));
  await page.keyboard.press('+');
  await page.keyboard.press('ArrowLeft');
  await pause(200);
  const now = await range(page);
  const box = await page.$eval('#range', (e) => e.value);
  check('the box follows the range', box === (now[0] / 1000) + '\u2013' + (now[1] / 1000), box + ' ' + now);
  check('the focus stays on the chart', await page.evaluate(() => document.activeElement.id === 'chart'));

  // Tab reaches the marks; the one focused shows a ring and its tooltip.
  await page.keyboard.press('Tab');
  const focused = await page.evaluate(() => {
    const e = document.activeElement, hit = e.querySelector('.hit');
    return [e.classList.contains('feature'), hit ? getComputedStyle(hit).strokeWidth : '',
      !document.getElementById('tooltip').hidden];
  });
  check('Tab reaches a mark, drawn with a focus ring, its tooltip shown',
        focused[0] && parseFloat(focused[1]) >= 2 && focused[2], JSON.stringify(focused));
  await page.close();

  // Keyboard users can skip the plan; the two common signals differ by shape.
  const zoomedPage = await open(browser, builtPage + '#km=0-20', 1280);
  const skip = await zoomedPage.$eval('a.skip-plan', (a) => a.getAttribute('href'));
  check('a skip from the plan to the chart', skip === '#along', skip);
  const shapes = await zoomedPage.evaluate(() => [
    document.querySelectorAll('.row-signals .sx1 circle.glyph').length,
    document.querySelectorAll('.row-signals .sx2 rect.glyph').length]);
  check('signals sx 1 and sx 2 differ by shape', shapes[0] > 0 && shapes[1] > 0, JSON.stringify(shapes));
  const labels = await zoomedPage.$$eval('.row-signals .mark-label', (t) => t.map((e) => e.textContent));
  check('zoomed in, signals are labelled with their km', labels.includes('1.050'), JSON.stringify(labels));
  const steps = await zoomedPage.$$eval('.row-speed .step', (t) => t.length);
  check('the speed steps are labelled', steps > 0, steps);
  const tree = await zoomedPage.accessibility.snapshot({ interestingOnly: true });
  const named = [];
  (function walk(n) {
    if (!n) return;
    if (/^signal at km/.test(n.name || '')) named.push(n.name);
    (n.children || []).forEach(walk);
  })(tree);
  const long = await zoomedPage.$$eval('.row-signals .feature', (f) => f.filter((e) => /cell \d/.test(e.getAttribute('aria-label'))).length);
  check('a mark\'s name leaves its cells to its tooltip', long === 0, long);
  check('a screen reader finds every signal mark by its name', named.length ===
        await zoomedPage.$$eval('.row-signals .feature', (f) => f.length), named.length);
  await zoomedPage.close();
}

// The length of each page's content stream in a PDF from Chromium: a blank
// page draws next to nothing.
function pdfPageSizes(pdf) {
  const text = pdf.toString('latin1'), objects = {}, sizes = [];
  const re = /(\d+) 0 obj([\s\S]*?)endobj/g;
  let m;
  while ((m = re.exec(text))) objects[m[1]] = m[2].slice(0, 4000);
  for (const body of Object.values(objects)) {
    if (!/\/Type\s*\/Page\b/.test(body)) continue;
    const contents = /\/Contents\s+(\d+) 0 R/.exec(body);
    const length = contents && /\/Length\s+(\d+)/.exec(objects[contents[1]] || '');
    sizes.push(length ? +length[1] : 0);
  }
  return sizes;
}

// The text of each page of a PDF, by poppler's pdftotext; null without it.
function pdfPages(file, count) {
  const { execFileSync } = require('child_process');
  const pages = [];
  try {
    for (let n = 1; n <= count; n++) {
      pages.push(execFileSync('pdftotext', ['-layout', '-f', String(n), '-l', String(n), file, '-'],
                              { encoding: 'utf8' }));
    }
  } catch (e) {
    return null;
  }
  return pages;
}

async function printing(browser) {
  const page = await open(browser, builtPage, 2560);
  await page.emulateMediaType('print');
  await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
  await pause(100);
  const laid = await page.evaluate(() => [
    document.getElementById('profile').getAttribute('width'),
    getComputedStyle(document.querySelector('#station-table thead')).display,
    getComputedStyle(document.getElementById('range-shown')).display,
    document.getElementById('range-shown').textContent]);
  check('on paper: the chart at the page width, table headers repeated, the range printed',
        laid[0] === '1000' && laid[1] === 'table-header-group' && laid[2] !== 'none' &&
        /^km 0 to 104$/.test(laid[3]), JSON.stringify(laid));
  const pdf = Buffer.from(await page.pdf({ format: 'A4', landscape: true, preferCSSPageSize: true }));
  const sizes = pdfPageSizes(pdf);
  const blank = sizes.filter((size) => size < 300);
  check('on paper: no blank page', blank.length === 0, JSON.stringify(sizes));
  const file = path.join(buildDir, 'view-print.pdf');
  fs.writeFileSync(file, pdf);
  const pages = pdfPages(file, sizes.length);
  if (pages === null) {
    console.log('skipped: the printed pages one by one (pdftotext of poppler-utils is not installed)');
  } else {
    // The chart whole on one page: its range, its first and last lanes and
    // its km axis with the route's end.
    const chart = pages.findIndex((t) => t.includes('Along the line: km 0 to 104'));
    const text = chart >= 0 ? pages[chart] : '';
    check('on paper: the chart on one page with its lanes and its km axis', chart >= 0 &&
          ['stations', 'terrain, tunnels', 'adhesion', '97 end', 'CRINALE C.LE', 'PIANURA S.M.N.']
            .every((w) => text.includes(w)), 'page ' + (chart + 1) + ': ' + text.slice(0, 300));
    check('on paper: no word of zooming in', pages.every((t) => !/zoom in/.test(t)));
    // A table over several pages has its heading row on each.
    const signalPages = pages.filter((t) => /\bsx +s1 +s2 +s3 +rapp\b/.test(t)).length;
    check('on paper: a long table repeats its header on each page', signalPages >= 2, signalPages);
    const { execFileSync } = require('child_process');
    try {
      execFileSync('pdftoppm', ['-r', '60', '-png', file, path.join(buildDir, 'view-print')]);
    } catch (e) {
      /* the pictures are for a person to look at */
    }
  }
  await page.close();
}

(async () => {
  const profile = fs.mkdtempSync(path.join(work, 'profile-'));
  const browser = await puppeteer.launch({
    executablePath: chromium,
    userDataDir: profile,
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  try {
    await widths(browser);
    await planAndAxis(browser);
    await zoom(browser);
    await tooltips(browser);
    await diagnostics(browser);
    await tables(browser);
    await manyMessages(browser);
    await editorLinks(browser);
    await stationNames(browser);
    await fragments(browser);
    await printing(browser);
  } catch (e) {
    check('the checks ran to their end', false, e.stack);
  } finally {
    await browser.close();
  }
  console.log(passed + ' passed, ' + failed + ' failed');
  process.exit(failed === 0 ? 0 : 1);
})();
