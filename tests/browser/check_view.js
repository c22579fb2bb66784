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

async function widths(browser) {
  for (const width of [360, 800, 1280, 1920]) {
    const page = await open(browser, builtPage, width);
    const scroll = await page.evaluate(() => [document.documentElement.scrollWidth, innerWidth]);
    check(width + ' px: no sideways scrolling', scroll[0] <= scroll[1], scroll.join(' > '));
    const names = await page.$$eval('.plan-station-label', (t) => t.map((e) => e.textContent));
    check(width + ' px: every station named on the plan',
          JSON.stringify(names) === JSON.stringify(STATIONS), JSON.stringify(names));
    const plan = await overlaps(page, '#plan text');
    check(width + ' px: no label overlaps another on the plan', plan.length === 0, plan.join('; '));
    for (const row of ['stations', 'signals', 'slowdowns', 'speed-boards', 'text-boards', 'markers']) {
      const found = await overlaps(page, '.row-' + row + ' text:not(.row-title)');
      check(width + ' px: no label overlaps another in the ' + row + ' row', found.length === 0,
            found.join('; '));
    }
    await page.screenshot({ path: path.join(buildDir, 'view-' + width + '.png'), fullPage: true });
    await page.close();
  }
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
  for (let i = 0; i < 8; i++) {
    await page.mouse.wheel({ deltaY: -300 });
    await new Promise((r) => setTimeout(r, 40));
  }
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
  await page.screenshot({ path: path.join(buildDir, 'view-faulty.png') });
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
  } catch (e) {
    check('the checks ran to their end', false, e.stack);
  } finally {
    await browser.close();
  }
  console.log(passed + ' passed, ' + failed + ' failed');
  process.exit(failed === 0 ? 0 : 1);
})();
