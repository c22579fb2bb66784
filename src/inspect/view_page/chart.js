// The chart along the line, drawn whole for the stretch in sight.
import { D, GUTTER, RIGHT, chart, layout, profile, profileFixed, view } from './state.js';
import { km, num } from './helpers.js';
import { ROW_TITLES, Renderer, diagnosticMarks, resetTips } from './rows.js';
import { axisTicks, extensionMarkup, renderTopAxis } from './axis.js';
import { cursorMetres, showCursor } from './cursor.js';
import { drawPlanStretch, planFollowsChart } from './plan.js';

// A signal's kilometre, as its label once the range is narrow enough to
// tell signals apart.
function signalLabel(m) {
  return view.to - view.from <= 20000 ? (m[0] / 1000).toFixed(3) : '';
}

export function render() {
  var width = Math.max(200, layout.printWidth || chart.clientWidth);
  layout.width = width;
  layout.plotLeft = GUTTER;
  layout.plotWidth = Math.max(50, width - GUTTER - RIGHT);
  resetTips();
  var r = new Renderer();
  if (diagnosticMarks.length)
    r.markRow('diagnostics', 'compile messages', diagnosticMarks, 'messages', 0);
  r.stations();
  r.markRow('signals', ROW_TITLES.signals, rowMarks('signals'), 'signals', 2, signalLabel);
  r.slowdowns();
  r.markRow(
    'speed-boards',
    ROW_TITLES['speed-boards'],
    rowMarks('speed-boards'),
    'speed boards',
    2,
  );
  r.markRow('text-boards', ROW_TITLES['text-boards'], rowMarks('text-boards'), 'text boards', 2);
  r.markRow('markers', ROW_TITLES.markers, rowMarks('markers'), 'markers', 0);
  r.series();
  r.stretches();
  var gridHeight = r.y,
    ticks = axisTicks();
  r.axis(ticks);
  var height = r.y + 4;
  [profile, profileFixed].forEach(function (svg) {
    svg.setAttribute('viewBox', '0 0 ' + width + ' ' + height);
    svg.setAttribute('width', width);
    svg.setAttribute('height', height);
  });
  profile.setAttribute('data-from', Math.round(view.from));
  profile.setAttribute('data-to', Math.round(view.to));
  profile.setAttribute(
    'aria-label',
    'Route along the kilometres, km ' + km(view.from, 2) + ' to ' + km(view.to, 2),
  );
  // A mark with the focus is drawn anew: the focus goes to the chart.
  var hadFocus = profile.contains(document.activeElement);
  layout.drawn = { from: view.from, to: view.to, width: width };
  profile.style.transform = '';
  chart.classList.remove('moving');
  profile.innerHTML =
    '<g class="grid-lines">' + extensionMarkup(gridHeight) + r.grid + '</g>' + r.body;
  // The gutter stays clear of the marks that a pan slides under it.
  profileFixed.innerHTML =
    '<rect class="gutter" x="0" y="0" width="' +
    num(layout.plotLeft - 8) +
    '" height="' +
    num(height) +
    '"/><rect class="gutter" x="' +
    num(layout.plotLeft + layout.plotWidth + 8) +
    '" y="0" width="' +
    num(RIGHT) +
    '" height="' +
    num(height) +
    '"/>' +
    r.fixed +
    '<line class="cursor-line" id="cursor-line" y1="0" y2="' +
    num(gridHeight) +
    '" visibility="hidden"/><g id="cursor-label" visibility="hidden"><rect class="cursor-label-back" ' +
    'height="16" rx="2"/><text class="cursor-label" y="12"></text></g>';
  layout.gridHeight = gridHeight;
  if (hadFocus) chart.focus({ preventScroll: true });
  renderTopAxis(ticks);
  planFollowsChart();
  rangeTexts(layout.drawnOnce);
  layout.drawnOnce = true;
  drawPlanStretch();
  if (cursorMetres !== null) showCursor(cursorMetres);
}

// The range in words, in the box and for a screen reader, who hears it once
// the chart is drawn anew.
function rangeTexts(said) {
  var live = document.getElementById('range-said');
  if (live && said)
    live.textContent = 'Chart shows km ' + km(view.from, 2) + ' to ' + km(view.to, 2);
  var shown = document.getElementById('range-shown');
  if (shown) shown.textContent = 'km ' + km(view.from, 2) + ' to ' + km(view.to, 2);
  var box = document.getElementById('range');
  if (box && document.activeElement !== box) {
    box.value = km(view.from, 2) + '\u2013' + km(view.to, 2);
  }
}

// While the range changes, the drawing of the range last drawn is moved and
// stretched to the new one, which costs the browser next to nothing; the
// chart is drawn anew once the range has kept still for a moment. False
// when there is no drawing to move (another width, or none yet).
export function moveDrawing() {
  var d = layout.drawn;
  if (!d || d.width !== Math.max(200, layout.printWidth || chart.clientWidth)) return false;
  var span = view.to - view.from,
    k = (d.to - d.from) / span,
    shift = layout.plotLeft + ((d.from - view.from) * layout.plotWidth) / span;
  // On the screen the drawing's units are pixels (its viewBox is its size).
  chart.classList.add('moving');
  profile.style.transform = 'translateX(' + (shift - k * layout.plotLeft) + 'px) scaleX(' + k + ')';
  profile.setAttribute('data-from', Math.round(view.from));
  profile.setAttribute('data-to', Math.round(view.to));
  renderTopAxis(axisTicks());
  rangeTexts();
  drawPlanStretch();
  if (cursorMetres !== null) showCursor(cursorMetres);
  return true;
}
function rowMarks(id) {
  for (var i = 0; i < D.rows.length; i++) if (D.rows[i].id === id) return D.rows[i].marks;
  return [];
}
