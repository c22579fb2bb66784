// Draws the plan and the rows along the line from the data in #view-data, at
// the width of the window, for the stretch of line chosen by zoom and pan. The
// stretch is kept in the URL fragment as #km=FROM-TO.
import { PRINT_WIDTH, layout, profile } from './state.js';
import { render } from './chart.js';
import { bringChartIntoView, hashRangeText, showFromHash } from './zoom.js';
import { renderPlan } from './plan.js';
import { legend } from './legend.js';
import { allTables, tables } from './tables.js';
import { linkPlaces } from './sources.js';

var resizeTimer = null;
window.addEventListener('resize', function () {
  clearTimeout(resizeTimer);
  resizeTimer = setTimeout(function () {
    renderPlan();
    render();
  }, 100);
});
// On paper the chart is drawn at a fixed width and scaled to the page's.
function printing(on) {
  layout.printWidth = on ? PRINT_WIDTH : 0;
  renderPlan();
  render();
}
window.addEventListener('beforeprint', function () {
  allTables();
  printing(true);
});
window.addEventListener('afterprint', function () {
  printing(false);
});
if (window.matchMedia) {
  var printQuery = window.matchMedia('print');
  if (printQuery.addEventListener) {
    printQuery.addEventListener('change', function (e) {
      if (e.matches) allTables();
      printing(e.matches);
    });
  }
}

legend();
renderPlan();
showFromHash(false);
render();
if (window.performance && performance.mark) performance.mark('percorso-chart-drawn');
// The tables follow the script in the page.
function whenRead() {
  tables();
  linkPlaces();
  if (hashRangeText() !== null) bringChartIntoView();
}
if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', whenRead);
else whenRead();
profile.setAttribute('data-ready', '1');
