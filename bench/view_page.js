// Opens each page in headless Chromium and measures, at 360, 1280 and 2560 px:
// the time to interactive (the end of the last long task of the load, or the
// end of the DOMContentLoaded event when there is none), and the frame times
// while the chart pans and zooms under the wheel (median and 95th percentile
// of the time between frames, 120 frames each, an event every frame).
//   node bench/view_page.js CHROMIUM ROUNDS PAGE...
'use strict';
const fs = require('fs');
const path = require('path');
const puppeteer = require(
  path.join(__dirname, '..', 'tests', 'browser', 'node_modules', 'puppeteer-core'),
);

const [chromium, rounds, ...pages] = process.argv.slice(2);

function median(list) {
  const sorted = list.slice().sort((a, b) => a - b);
  return sorted[sorted.length >> 1];
}
function percentile(list, p) {
  const sorted = list.slice().sort((a, b) => a - b);
  return sorted[Math.min(sorted.length - 1, Math.floor(sorted.length * p))];
}

// In the page: `count` frames, each with one wheel event over the chart's
// middle (shift: a pan), and the time between frames.
async function frames(page, shift, deltaY, count) {
  return page.evaluate(
    (shift, deltaY, count) =>
      new Promise((resolve) => {
        const chart = document.getElementById('chart');
        const box = chart.getBoundingClientRect();
        const x = box.left + box.width / 2,
          y = Math.min(box.top + 100, innerHeight - 10);
        const times = [];
        let last = null,
          n = 0,
          sign = 1;
        function frame(t) {
          if (last !== null) times.push(t - last);
          last = t;
          if (n++ >= count) {
            resolve(times);
            return;
          }
          // Back and forth, so that the range stays inside the line.
          if (n % 30 === 0) sign = -sign;
          chart.dispatchEvent(
            new WheelEvent('wheel', {
              bubbles: true,
              cancelable: true,
              clientX: x,
              clientY: y,
              deltaY: sign * deltaY,
              shiftKey: shift,
              ctrlKey: !shift,
            }),
          );
          requestAnimationFrame(frame);
        }
        requestAnimationFrame(frame);
      }),
    shift,
    deltaY,
    count,
  );
}

(async () => {
  const browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    args: ['--no-sandbox', '--no-first-run', '--disable-background-networking'],
  });
  console.log(
    'page                         bytes  width  DOM   TTI ms   pan p50/p95 ms   zoom p50/p95 ms',
  );
  for (const file of pages) {
    const name = path.basename(path.dirname(file)) + ' km, ' + path.basename(file, '.html');
    for (const width of [360, 1280, 2560]) {
      const tti = [],
        pan = [],
        zoom = [];
      let dom = 0;
      for (let i = 0; i < +rounds; i++) {
        const page = await browser.newPage();
        await page.evaluateOnNewDocument(() => {
          window.__longTasks = [];
          new PerformanceObserver((list) => {
            for (const e of list.getEntries()) window.__longTasks.push(e.startTime + e.duration);
          }).observe({ type: 'longtask', buffered: true });
        });
        await page.setViewport({ width, height: 900 });
        await page.goto('file://' + file, { waitUntil: 'load' });
        await page.waitForSelector('#profile[data-ready]', { timeout: 30000 });
        await new Promise((r) => setTimeout(r, 500));
        const t = await page.evaluate(() => {
          const nav = performance.getEntriesByType('navigation')[0];
          return Math.max(nav.domContentLoadedEventEnd, ...window.__longTasks);
        });
        tti.push(t);
        dom = await page.evaluate(() => document.getElementsByTagName('*').length);
        await page.evaluate(() => document.getElementById('along').scrollIntoView());
        // Zoomed in to a tenth of the line for the pan, from the whole line
        // for the zoom.
        pan.push(...(await frames(page, false, -300, 8)).slice(0, 0));
        pan.push(...(await frames(page, true, 60, 120)));
        await page.evaluate(() => document.getElementById('zoom-all').click());
        await new Promise((r) => setTimeout(r, 100));
        zoom.push(...(await frames(page, false, 40, 120)));
        await page.close();
      }
      const f = (v) => v.toFixed(1);
      console.log(
        name.padEnd(26) +
          String(fs.statSync(file).size).padStart(8) +
          String(width).padStart(7) +
          String(dom).padStart(7) +
          f(median(tti)).padStart(8) +
          ('   ' + f(median(pan)) + ' / ' + f(percentile(pan, 0.95))).padEnd(18) +
          ('  ' + f(median(zoom)) + ' / ' + f(percentile(zoom, 0.95))),
      );
    }
  }
  await browser.close();
})();
