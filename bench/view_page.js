// Opens each page ROUNDS times in headless Chromium at three widths and prints
// its size and the median time to its first chart (see bench/view_page).
//   node bench/view_page.js CHROMIUM ROUNDS PAGE...
'use strict';
const fs = require('fs');
const path = require('path');
const puppeteer = require(path.join(__dirname, '..', 'tests', 'browser', 'node_modules',
  'puppeteer-core'));

const [chromium, rounds, ...pages] = process.argv.slice(2);

function median(list) {
  const sorted = list.slice().sort((a, b) => a - b);
  return sorted[sorted.length >> 1];
}

(async () => {
  const browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking'],
  });
  console.log('page                          bytes    first chart (ms, median) at 360 / 1280 / 2560 px');
  for (const file of pages) {
    const times = [];
    for (const width of [360, 1280, 2560]) {
      const each = [];
      for (let i = 0; i < +rounds; i++) {
        const page = await browser.newPage();
        await page.setViewport({ width, height: 900 });
        await page.goto('file://' + file, { waitUntil: 'load' });
        await page.waitForSelector('#profile[data-ready]', { timeout: 30000 });
        each.push(await page.evaluate(() => performance.getEntriesByName('percorso-chart-drawn')[0].startTime));
        await page.close();
      }
      times.push(median(each).toFixed(0));
    }
    const name = path.basename(path.dirname(file)) + ' km, ' + path.basename(file, '.html');
    console.log(name.padEnd(28) + String(fs.statSync(file).size).padStart(8) + '    ' + times.join(' / '));
  }
  await browser.close();
})();
