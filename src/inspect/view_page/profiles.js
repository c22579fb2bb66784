// The profiles along the line: line speed, gradient, altitude and adhesion as
// step lines with their values.
import { AXIS, D, LABEL_SIZE, TITLE, layout, view } from './state.js';
import { X, esc, first, lastAtOrBefore, num, textWidth } from './helpers.js';
import { Lanes } from './lanes.js';
import { Renderer, featureOpen, tip } from './rows.js';
import { seriesTip } from './tooltips.js';

// Altitude from the gradient runs: each run climbs its gradient (per mille)
// over its length.
var altitude = [];
(function () {
  var h = 0;
  for (var i = 0; i < D.gradient.length; i++) {
    var m = D.gradient[i][0];
    var next = i + 1 < D.gradient.length ? D.gradient[i + 1][0] : AXIS;
    altitude.push([m, h]);
    h += (D.gradient[i][1] * (Math.max(next, m) - m)) / 1000;
  }
  altitude.push([AXIS, h]);
})();

function extreme(runs, f) {
  var v = 0;
  for (var i = 0; i < runs.length; i++) v = f(v, runs[i][1]);
  return v;
}
function roundUp(v, step) {
  return Math.max(step, Math.ceil(v / step) * step);
}
var SPEED_TOP = roundUp(extreme(D.speed, Math.max), 40);
var GRADIENT_TOP = roundUp(
  Math.max(extreme(D.gradient, Math.max), -extreme(D.gradient, Math.min)),
  5,
);
var ADHESION_TOP = roundUp(extreme(D.adhesion, Math.max), 50);
var ALT_LOW = Math.min(0, extreme(altitude, Math.min)),
  ALT_HIGH = Math.max(0, extreme(altitude, Math.max));

// A step line through runs of [metres, value]; with more runs than pixel
// columns, each column shows the least and greatest value in it.
function stepPath(runs, y) {
  var i = Math.max(0, lastAtOrBefore(runs, view.from, first));
  var end = lastAtOrBefore(runs, view.to, first);
  if (end < i || runs.length === 0) return '';
  if (end - i <= layout.plotWidth) {
    var d = 'M' + num(X(view.from)) + ',' + num(y(runs[i][1]));
    for (var k = i + 1; k <= end; k++) d += 'H' + num(X(runs[k][0])) + 'V' + num(y(runs[k][1]));
    return d + 'H' + num(X(view.to));
  }
  var columns = Math.ceil(layout.plotWidth),
    lo = [],
    hi = [];
  for (var c = 0; c < columns; c++) {
    lo.push(Infinity);
    hi.push(-Infinity);
  }
  for (var r = i; r <= end; r++) {
    var a = Math.max(runs[r][0], view.from);
    var b = r + 1 < runs.length ? Math.min(runs[r + 1][0], view.to) : view.to;
    var c0 = Math.max(0, Math.floor(X(a) - layout.plotLeft));
    var c1 = Math.min(columns - 1, Math.floor(X(Math.max(a, b)) - layout.plotLeft));
    for (var col = c0; col <= c1; col++) {
      lo[col] = Math.min(lo[col], runs[r][1]);
      hi[col] = Math.max(hi[col], runs[r][1]);
    }
  }
  var out = '';
  for (var q = 0; q < columns; q++) {
    if (lo[q] > hi[q]) continue;
    var x = layout.plotLeft + q + 0.5;
    out += (out ? 'L' : 'M') + num(x) + ',' + num(y(hi[q])) + 'V' + num(y(lo[q]));
  }
  return out;
}

// The altitude at metres m, between the points of the altitude list.
export function altitudeAt(m) {
  var i = lastAtOrBefore(altitude, m, first);
  if (i < 0) return altitude.length ? altitude[0][1] : 0;
  if (i + 1 >= altitude.length) return altitude[i][1];
  var a = altitude[i],
    b = altitude[i + 1];
  return b[0] > a[0] ? a[1] + ((b[1] - a[1]) * (m - a[0])) / (b[0] - a[0]) : a[1];
}

// A step's label of width `w` at (lx, ly), with a hit area a little larger
// than its text.
function stepLabel(lx, ly, w, text) {
  return (
    '<rect class="hit" x="' +
    num(lx - 2) +
    '" y="' +
    num(ly - 12) +
    '" width="' +
    num(w + 4) +
    '" height="15"/><text class="step-label" x="' +
    num(lx) +
    '" y="' +
    num(ly) +
    '">' +
    esc(text) +
    '</text>'
  );
}

function altitudePath(y, height) {
  var i = Math.max(0, lastAtOrBefore(altitude, view.from, first));
  var d = 'M' + num(X(view.from)) + ',' + num(y(altitudeAt(view.from))),
    lastColumn = -1;
  for (var k = i + 1; k < altitude.length && altitude[k][0] < view.to; k++) {
    var x = X(altitude[k][0]),
      column = Math.floor(x);
    if (column === lastColumn) continue;
    lastColumn = column;
    d += 'L' + num(x) + ',' + num(y(altitude[k][1]));
  }
  d += 'L' + num(X(view.to)) + ',' + num(y(altitudeAt(view.to)));
  return d + 'V' + num(height - 6) + 'H' + num(X(view.from)) + 'Z';
}

// A value written in the gutter, which stays still, and its rule across the
// plot, under the profile that it measures.
Renderer.prototype.valueTick = function (y, text) {
  this.fixed +=
    '<text class="value-tick" x="' +
    num(layout.plotLeft - 4) +
    '" y="' +
    num(y + TITLE + 3.5) +
    '">' +
    esc(text) +
    '</text>';
  this.body +=
    '<line class="value-rule" x1="' +
    num(layout.plotLeft) +
    '" x2="' +
    num(layout.plotLeft + layout.plotWidth) +
    '" y1="' +
    num(y) +
    '" y2="' +
    num(y) +
    '"/>';
};

// The curvature as runs: 1000 / radius (per km), to the left above 0 and
// to the right below it, 0 on straight track.
export var curvature = [[0, 0]];
D.curves.forEach(function (c) {
  var last = curvature[curvature.length - 1];
  if (last[0] === c[0]) curvature.pop();
  curvature.push([c[0], 1000 / c[2]], [c[1], 0]);
});
var CURVE_TOP = roundUp(Math.max(extreme(curvature, Math.max), -extreme(curvature, Math.min)), 1);
// The curve at metres m, or null.
export function curveAt(m) {
  var i = lastAtOrBefore(D.curves, m, first);
  return i >= 0 && m <= D.curves[i][1] ? D.curves[i] : null;
}

var SERIES = [
  { id: 'speed', title: 'line speed', unit: 'km/h', height: 80 },
  { id: 'curvature', title: 'curves', unit: 'left up, right down, radius in m', height: 56 },
  { id: 'gradient', title: 'gradient', unit: '\u2030, rising +', height: 76 },
  { id: 'altitude', title: 'altitude', unit: 'm, summed gradients', height: 64 },
  { id: 'adhesion', title: 'adhesion', unit: '', height: 46 },
];

// The value of each step of a profile in the range, written beside the
// step: a mark of its own that tells the value and the source line that set
// it. The number of steps that found no room is returned.
Renderer.prototype.stepLabels = function (id, runs, y, height, format) {
  var i = Math.max(0, lastAtOrBefore(runs, view.from, first));
  var end = lastAtOrBefore(runs, view.to, first),
    hidden = 0,
    lanes = new Lanes(1);
  var right = layout.plotLeft + layout.plotWidth;
  // Too many steps to write: none is tried, all are counted.
  if (end - i + 1 > layout.plotWidth / 24) return Math.max(0, end - i + 1);
  for (var k = i; k <= end; k++) {
    var m = Math.max(runs[k][0], view.from),
      x = X(m),
      text = format(runs[k][1]);
    var w = textWidth(text, LABEL_SIZE),
      vy = y(runs[k][1]);
    var ly = vy - 15 >= 0 ? vy - 4 : vy + 14,
      lx = x + 3;
    if (lx + w > right) lx = x - 3 - w;
    if (lx < layout.plotLeft || !lanes.free(0, lx - 3, lx + w + 3)) {
      hidden++;
      continue;
    }
    lanes.take(0, lx - 3, lx + w + 3);
    this.body +=
      featureOpen('step ' + id, ' data-metres="' + runs[k][0] + '"', tip(seriesTip(id, m))) +
      stepLabel(lx, ly, w, text) +
      '</g>';
  }
  return hidden;
};

// The radius of each curve in the range that has room for it, beside its
// bar: a mark of its own with its tooltip. The number left out is returned.
Renderer.prototype.curveLabels = function (y) {
  var hidden = 0,
    lanes = new Lanes(1),
    self = this;
  var right = layout.plotLeft + layout.plotWidth;
  var i = Math.max(0, lastAtOrBefore(D.curves, view.from, first));
  for (; i < D.curves.length && D.curves[i][0] <= view.to; i++) {
    var c = D.curves[i];
    if (c[1] < view.from) continue;
    var text = (c[2] > 0 ? 'L ' : 'R ') + Math.abs(c[2]),
      w = textWidth(text, LABEL_SIZE);
    var x = X(Math.max(c[0], view.from)),
      lx = x + 2,
      ly = c[2] > 0 ? y(0) + 14 : y(0) - 4;
    if (lx + w > right || !lanes.free(0, lx - 3, lx + w + 3)) {
      hidden++;
      continue;
    }
    lanes.take(0, lx - 3, lx + w + 3);
    self.body +=
      featureOpen(
        'step curvature',
        ' data-metres="' + c[0] + '"',
        tip(seriesTip('curvature', c[0])),
      ) +
      stepLabel(lx, ly, w, text) +
      '</g>';
  }
  return hidden;
};

Renderer.prototype.series = function () {
  var self = this,
    top = 8,
    bottom = 6;
  SERIES.forEach(function (s) {
    var h = s.height,
      y;
    self.beginRow(s.id, s.title, h, s.unit);
    self.body +=
      '<rect class="series-hit" data-series="' +
      s.id +
      '" x="' +
      num(layout.plotLeft) +
      '" y="0" width="' +
      num(layout.plotWidth) +
      '" height="' +
      h +
      '" fill="transparent"/>';
    if (s.id === 'speed') {
      y = function (v) {
        return h - bottom - (v / SPEED_TOP) * (h - top - bottom);
      };
      self.valueTick(y(0), '0');
      self.valueTick(y(SPEED_TOP), String(SPEED_TOP));
      self.body += '<path class="series speed" d="' + stepPath(D.speed, y) + '"/>';
      self.hiddenLabels(self.stepLabels('speed', D.speed, y, h, String));
    } else if (s.id === 'gradient') {
      var mid = (top + h - bottom) / 2;
      y = function (v) {
        return mid - (v / GRADIENT_TOP) * (mid - top);
      };
      self.valueTick(y(GRADIENT_TOP), '+' + GRADIENT_TOP);
      self.valueTick(y(0), '0');
      self.valueTick(y(-GRADIENT_TOP), '-' + GRADIENT_TOP);
      self.body += '<path class="series gradient" d="' + stepPath(D.gradient, y) + '"/>';
      self.hiddenLabels(
        self.stepLabels('gradient', D.gradient, y, h, function (v) {
          return (v > 0 ? '+' : '') + v;
        }),
      );
    } else if (s.id === 'curvature') {
      var middle = (top + h - bottom) / 2;
      y = function (v) {
        return middle - (v / CURVE_TOP) * (middle - top);
      };
      self.valueTick(y(0), '0');
      self.body += '<path class="series curvature" d="' + stepPath(curvature, y) + '"/>';
      self.hiddenLabels(self.curveLabels(y));
    } else if (s.id === 'altitude') {
      var span = Math.max(ALT_HIGH - ALT_LOW, 1);
      y = function (v) {
        return h - bottom - ((v - ALT_LOW) / span) * (h - top - bottom);
      };
      self.valueTick(y(ALT_LOW), num(ALT_LOW));
      self.valueTick(y(ALT_HIGH), num(ALT_HIGH));
      self.body += '<path class="series altitude" d="' + altitudePath(y, h) + '"/>';
    } else {
      y = function (v) {
        return h - bottom - (v / ADHESION_TOP) * (h - top - bottom);
      };
      self.valueTick(y(0), '0');
      self.valueTick(y(ADHESION_TOP), String(ADHESION_TOP));
      self.body += '<path class="series adhesion" d="' + stepPath(D.adhesion, y) + '"/>';
    }
    self.endRow();
  });
};
