// The plan of the line: its drawing, its kilometres and station names, the
// stretch in sight and the cursor on it.
import { D, planSvg, view } from './state.js';
import { esc, first, km, lastAtOrBefore, num, textWidth } from './helpers.js';
import { tickStep } from './axis.js';
import { bringChartIntoView, setRange } from './zoom.js';
import { cursorMetres, hideCursor, showCursor } from './cursor.js';

// The plan's points; the tooltips of its stations, by index; the map from a
// point to the drawing, once drawn.
var plan = D.plan,
  planTips = [],
  planFrame = null;
function planPointAt(m) {
  var pts = plan.points,
    i = lastAtOrBefore(pts, m, first);
  if (i < 0) i = 0;
  if (i >= pts.length - 1) return planFrame.map(pts[pts.length - 1]);
  var a = pts[i],
    b = pts[i + 1],
    t = b[0] > a[0] ? (m - a[0]) / (b[0] - a[0]) : 0;
  t = Math.max(0, Math.min(1, t));
  return planFrame.map([m, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t]);
}
function planPath(from, to) {
  var pts = plan.points,
    d = '',
    p = planPointAt(Math.max(from, plan.first));
  d = 'M' + num(p.x) + ',' + num(p.y);
  for (
    var i = Math.max(0, lastAtOrBefore(pts, from, first) + 1);
    i < pts.length && pts[i][0] < to;
    i++
  ) {
    var q = planFrame.map(pts[i]);
    d += 'L' + num(q.x) + ',' + num(q.y);
  }
  p = planPointAt(Math.min(to, plan.last));
  return d + 'L' + num(p.x) + ',' + num(p.y);
}
function Box(x0, y0, x1, y1) {
  this.x0 = x0;
  this.y0 = y0;
  this.x1 = x1;
  this.y1 = y1;
}
Box.prototype.overlaps = function (o) {
  return this.x0 < o.x1 && o.x0 < this.x1 && this.y0 < o.y1 && o.y0 < this.y1;
};

// The range the plan is framed on: the chart's, or the whole line.
var framed = null;
function rawPointAt(m) {
  var pts = plan.points,
    i = Math.max(0, lastAtOrBefore(pts, m, first));
  if (i >= pts.length - 1) return pts[pts.length - 1];
  var a = pts[i],
    b = pts[i + 1],
    t = b[0] > a[0] ? Math.max(0, Math.min(1, (m - a[0]) / (b[0] - a[0]))) : 0;
  return [m, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t];
}
// The plan is framed anew when the chart's range has changed since.
export function planFollowsChart() {
  if (!planSvg || !plan || !plan.points.length) return;
  if (framed && framed.from === view.from && framed.to === view.to) return;
  renderPlan();
}

// The scale bar's length in metres: 1, 2 or 5 times a power of ten, about
// `most` metres or less.
function scaleLength(most) {
  var step = Math.pow(10, Math.floor(Math.log10(Math.max(most, 1))));
  return most >= 5 * step ? 5 * step : most >= 2 * step ? 2 * step : step;
}

export function renderPlan() {
  if (!planSvg || !plan || !plan.points.length) return;
  var width = Math.max(200, planSvg.parentNode.clientWidth - 2);
  var from = Math.max(plan.first, Math.min(plan.last, view.from)),
    to = Math.max(from, Math.min(plan.last, view.to));
  framed = { from: view.from, to: view.to };
  var pts = plan.points,
    umin = Infinity,
    umax = -Infinity,
    vmin = Infinity,
    vmax = -Infinity;
  // The points of the range shown, and its two ends.
  [rawPointAt(from), rawPointAt(to)]
    .concat(
      pts.filter(function (p) {
        return p[0] >= from && p[0] <= to;
      }),
    )
    .forEach(function (p) {
      umin = Math.min(umin, p[1]);
      umax = Math.max(umax, p[1]);
      vmin = Math.min(vmin, p[2]);
      vmax = Math.max(vmax, p[2]);
    });
  var side = Math.min(60, width * 0.06),
    margin = 26;
  var maxHeight = Math.max(260, Math.min(460, width * 0.45));
  var scale = Math.min(
    (width - 2 * side) / Math.max(umax - umin, 1e-6),
    (maxHeight - 2 * margin) / Math.max(vmax - vmin, 1e-6),
  );
  var drawn = (vmax - vmin) * scale;
  var height = Math.max(120, drawn + 2 * margin);
  var left = side + (width - 2 * side - (umax - umin) * scale) / 2;
  var top = (height - drawn) / 2 + vmax * scale;
  // A strip below the drawing for the scale bar.
  height += 18;
  planFrame = {
    map: function (p) {
      return { x: left + (p[1] - umin) * scale, y: top - p[2] * scale };
    },
  };
  var screen = pts.map(function (p) {
    return planFrame.map(p);
  });
  planTips = [];
  var body = '<path class="plan-line" d="' + planPath(plan.first, plan.last) + '"/>';
  D.stretches.forEach(function (s) {
    if (!s[2] || s[1] <= s[0]) return;
    body += '<path class="plan-tunnel" d="' + planPath(s[0], s[1]) + '"/>';
  });
  body += '<path class="plan-shown" id="plan-shown" d=""/>';
  var taken = [];
  // Kilometre ticks, about one label every 90 pixels along the line.
  var length = 0;
  for (var i = 1; i < screen.length; i++) {
    length += Math.hypot(screen[i].x - screen[i - 1].x, screen[i].y - screen[i - 1].y);
  }
  var step = tickStep(plan.last - plan.first, length, 90);
  if (step < 100) step = 100;
  function direction(m) {
    var a = planPointAt(Math.max(plan.first, m - 40)),
      b = planPointAt(Math.min(plan.last, m + 40));
    var l = Math.hypot(b.x - a.x, b.y - a.y);
    return l < 1e-9 ? { x: 1, y: 0 } : { x: (b.x - a.x) / l, y: (b.y - a.y) / l };
  }
  body += '<g class="plan-km">';
  for (var m = Math.ceil(from / step) * step; m <= to; m += step) {
    var p = planPointAt(m),
      d = direction(m),
      n = { x: d.y, y: -d.x },
      label = km(m, step >= 1000 ? 0 : 1);
    var lp = { x: p.x - n.x * 14, y: p.y - n.y * 14 },
      w = textWidth(label, 10);
    taken.push(new Box(lp.x - w / 2, lp.y - 6, lp.x + w / 2, lp.y + 6));
    body +=
      '<g class="plan-km-tick" data-km="' +
      label +
      '"><line x1="' +
      num(p.x + n.x * 4) +
      '" y1="' +
      num(p.y + n.y * 4) +
      '" x2="' +
      num(p.x - n.x * 4) +
      '" y2="' +
      num(p.y - n.y * 4) +
      '"/><text class="plan-km-label" x="' +
      num(lp.x) +
      '" y="' +
      num(lp.y + 3.5) +
      '">' +
      label +
      '</text></g>';
  }
  body += '</g>';
  // The scale bar, at the lower left.
  var metres = scaleLength((width * 0.2) / scale),
    bar = metres * scale;
  body +=
    '<g class="plan-scale" data-metres="' +
    metres +
    '"><path d="M8,' +
    num(height - 6) +
    'v-5v5h' +
    num(bar) +
    'v-5"/><text x="' +
    num(8 + bar + 5) +
    '" y="' +
    num(height - 5) +
    '">' +
    (metres >= 1000 ? metres / 1000 + ' km' : metres + ' m') +
    '</text></g>';
  taken.push(new Box(0, height - 18, 8 + bar + 60, height));
  var result = placeStationLabels(screen, taken, width, height, from, to);
  planSvg.setAttribute(
    'viewBox',
    '0 ' + num(-result.above) + ' ' + width + ' ' + num(height + result.above + result.below),
  );
  planSvg.setAttribute('width', width);
  planSvg.setAttribute('height', num(height + result.above + result.below));
  planSvg.innerHTML =
    body +
    result.svg +
    '<circle class="plan-cursor" id="plan-cursor" r="5" ' +
    'visibility="hidden"/>';
  drawPlanStretch();
}

// Every station's name: beside its dot where there is room, else in a row
// above or below the drawing with a leader line to the dot.
function placeStationLabels(screen, taken, width, height, from, to) {
  var size = 11,
    rowHeight = 15,
    items = [];
  var inRange = D.stations.filter(function (s) {
    return s[0] >= from - 1000 && s[0] <= to + 1000;
  });
  inRange.forEach(function (s) {
    var p = planPointAt(Math.max(plan.first, Math.min(plan.last, s[0])));
    items.push({ s: s, p: p, w: textWidth(s[4], size) });
    taken.push(new Box(p.x - 4, p.y - 4, p.x + 4, p.y + 4));
  });
  function coversLine(b) {
    for (var i = 0; i < screen.length; i++) {
      var q = screen[i];
      if (q.x > b.x0 - 2 && q.x < b.x1 + 2 && q.y > b.y0 - 2 && q.y < b.y1 + 2) return true;
    }
    return false;
  }
  function free(b) {
    if (b.x0 < 1 || b.x1 > width - 1 || b.y0 < 1 || b.y1 > height - 1) return false;
    for (var i = 0; i < taken.length; i++) if (taken[i].overlaps(b)) return false;
    return !coversLine(b);
  }
  var leftover = [];
  items.forEach(function (it) {
    var p = it.p,
      w = it.w,
      h = 13;
    var candidates = [
      new Box(p.x + 7, p.y - h / 2, p.x + 7 + w, p.y + h / 2),
      new Box(p.x - 7 - w, p.y - h / 2, p.x - 7, p.y + h / 2),
      new Box(p.x - w / 2, p.y - 8 - h, p.x + w / 2, p.y - 8),
      new Box(p.x - w / 2, p.y + 8, p.x + w / 2, p.y + 8 + h),
      new Box(p.x + 5, p.y - 6 - h, p.x + 5 + w, p.y - 6),
      new Box(p.x + 5, p.y + 6, p.x + 5 + w, p.y + 6 + h),
      new Box(p.x - 5 - w, p.y - 6 - h, p.x - 5, p.y - 6),
      new Box(p.x - 5 - w, p.y + 6, p.x - 5, p.y + 6 + h),
    ];
    for (var i = 0; i < candidates.length; i++) {
      if (free(candidates[i])) {
        taken.push(candidates[i]);
        it.box = candidates[i];
        return;
      }
    }
    leftover.push(it);
  });
  // The rest in rows above and below the drawing, nearest row first.
  var rows = { above: [], below: [] };
  var middle = height / 2;
  leftover.sort(function (a, b) {
    return a.p.x - b.p.x;
  });
  leftover.forEach(function (it) {
    var sideName = it.p.y <= middle ? 'above' : 'below',
      list = rows[sideName];
    var x0 = Math.max(2, Math.min(width - it.w - 2, it.p.x - it.w / 2));
    for (var level = 0; ; level++) {
      if (!list[level]) list[level] = [];
      var clash = list[level].some(function (r) {
        return x0 < r[1] + 6 && r[0] < x0 + it.w + 6;
      });
      if (!clash) {
        list[level].push([x0, x0 + it.w]);
        var y0 = sideName === 'above' ? -(level + 1) * rowHeight : height + level * rowHeight;
        it.box = new Box(x0, y0 + 1, x0 + it.w, y0 + 1 + 13);
        it.leader = true;
        return;
      }
    }
  });
  var svg = '<g class="plan-stations">';
  items.forEach(function (it) {
    var s = it.s,
      p = it.p,
      b = it.box;
    planTips.push(s[5]);
    svg +=
      '<g class="feature plan-station" tabindex="0" role="link" aria-label="' +
      esc('station ' + s[4] + ', km ' + km(s[0]) + ': show it on the chart') +
      '" data-tip="' +
      (planTips.length - 1) +
      '" data-metres="' +
      s[0] +
      '">';
    if (it.leader) {
      var ly = b.y0 > p.y ? b.y0 : b.y1;
      svg +=
        '<line class="plan-leader" x1="' +
        num(p.x) +
        '" y1="' +
        num(p.y) +
        '" x2="' +
        num(Math.max(b.x0, Math.min(b.x1, p.x))) +
        '" y2="' +
        num(ly) +
        '"/>';
    }
    svg +=
      '<circle class="hit" cx="' +
      num(p.x) +
      '" cy="' +
      num(p.y) +
      '" r="12"/><circle cx="' +
      num(p.x) +
      '" cy="' +
      num(p.y) +
      '" r="3.5"/><text class="plan-station-label" x="' +
      num(b.x0) +
      '" y="' +
      num(b.y1 - 3) +
      '">' +
      esc(s[4]) +
      '</text></g>';
  });
  return {
    svg: svg + '</g>',
    above: rows.above.length * rowHeight + (rows.above.length ? 4 : 0),
    below: rows.below.length * rowHeight + (rows.below.length ? 4 : 0),
  };
}

export function drawPlanStretch() {
  var shown = document.getElementById('plan-shown');
  if (!shown || !planFrame) return;
  var whole = view.from <= plan.first && view.to >= plan.last;
  shown.setAttribute(
    'd',
    whole ? '' : planPath(Math.max(view.from, plan.first), Math.min(view.to, plan.last)),
  );
}
export function showPlanCursor(m) {
  var dot = document.getElementById('plan-cursor');
  if (!dot || !planFrame) return;
  if (m === null) {
    dot.setAttribute('visibility', 'hidden');
    return;
  }
  var p = planPointAt(Math.max(plan.first, Math.min(plan.last, m)));
  dot.setAttribute('cx', num(p.x));
  dot.setAttribute('cy', num(p.y));
  dot.setAttribute('visibility', 'visible');
}
if (planSvg && plan) {
  planSvg.addEventListener('pointermove', function (e) {
    if (!planFrame) return;
    var rect = planSvg.getBoundingClientRect(),
      box = planSvg.viewBox.baseVal;
    var x = ((e.clientX - rect.left) * box.width) / rect.width + box.x;
    var y = ((e.clientY - rect.top) * box.height) / rect.height + box.y;
    var best = null,
      bestD = 24 * 24;
    plan.points.forEach(function (p) {
      var q = planFrame.map(p),
        d = (q.x - x) * (q.x - x) + (q.y - y) * (q.y - y);
      if (d < bestD) {
        bestD = d;
        best = p;
      }
    });
    if (best) showCursor(best[0]);
    else hideCursor();
  });
  planSvg.addEventListener('pointerleave', function () {
    hideCursor();
  });
  // A station on the plan shows its stretch on the chart, by a click or by
  // Enter; elsewhere a click centres the chart on the point under it.
  var toStation = function (target) {
    var station = target.closest ? target.closest('.plan-station') : null;
    if (!station) return false;
    var m = +station.getAttribute('data-metres');
    setRange(m - 2000, m + 2000);
    bringChartIntoView();
    return true;
  };
  planSvg.addEventListener('keydown', function (e) {
    if (e.key === 'Enter' && !e.defaultPrevented && toStation(e.target)) e.preventDefault();
  });
  planSvg.addEventListener('click', function (e) {
    if (toStation(e.target)) return;
    if (cursorMetres === null) return;
    var span = view.to - view.from;
    setRange(cursorMetres - span / 2, cursorMetres + span / 2);
  });
}
