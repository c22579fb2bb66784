// The kilometre axis: its ticks, their labels, and the stretch past the route's
// end.
import { AXIS, LABEL_SIZE, ROUTE_END, layout, view } from './state.js';
import { X, esc, km, num, textWidth } from './helpers.js';
import { Renderer } from './rows.js';

// Metres between labelled ticks: the smallest of 10, 20, 50, 100 ... m whose
// ticks stay `spacing` pixels apart.
export function tickStep(span, pixels, spacing) {
  for (var decade = 10; ; decade *= 10) {
    var steps = [1, 2, 5];
    for (var i = 0; i < steps.length; i++) {
      var step = decade * steps[i];
      if ((pixels * step) / span >= spacing || step >= span) return step;
    }
  }
}

// The kilometre ticks of the range shown: [metres, label, class], in
// order. The route's end and the end of the extended cells have ticks of
// their own, and no other tick stands close enough to write over them.
export function axisTicks() {
  var span = view.to - view.from,
    step = tickStep(span, layout.plotWidth, 64);
  var decimals = step >= 1000 ? 0 : step >= 100 ? 1 : 2,
    ticks = [],
    special = [];
  if (ROUTE_END !== null && ROUTE_END >= view.from && ROUTE_END <= view.to) {
    special.push([ROUTE_END, km(ROUTE_END, 3) + ' end', 'km-route-end']);
  }
  if (view.to >= AXIS) special.push([AXIS, km(AXIS, 3), 'km-end']);
  for (var m = Math.ceil(view.from / step) * step; m <= view.to; m += step) {
    var near = special.some(function (s) {
      return Math.abs(X(s[0]) - X(m)) < 48;
    });
    if (!near) ticks.push([m, km(m, decimals), '']);
  }
  return ticks.concat(special).sort(function (a, b) {
    return a[0] - b[0];
  });
}

// The ticks as SVG, labels below the line from y 0, each label kept inside
// the drawing.
// Where each tick's label goes: [x0, x1, anchor]; a label that would
// write over the one before loses its text, unless it is the route's end,
// which then takes the place of the one before.
function axisLabels(ticks) {
  var boxes = ticks.map(function (t) {
    var x = X(t[0]),
      w = textWidth(t[1], LABEL_SIZE);
    if (x + w / 2 > layout.width - 1) return [x - w, x, 'end'];
    if (x - w / 2 < layout.plotLeft - 20) return [x, x + w, 'start'];
    return [x - w / 2, x + w / 2, 'middle'];
  });
  var last = -1;
  for (var i = 0; i < ticks.length; i++) {
    if (last >= 0 && boxes[i][0] < boxes[last][1] + 6) {
      if (ticks[i][2] !== 'km-route-end') {
        boxes[i] = null;
        continue;
      }
      boxes[last] = null;
    }
    last = i;
  }
  return boxes;
}

function axisMarkup(ticks, labelY) {
  var out =
      '<line class="axis-line" x1="' +
      num(X(view.from)) +
      '" x2="' +
      num(X(view.to)) +
      '" y1="0" y2="0"/>',
    boxes = axisLabels(ticks);
  ticks.forEach(function (t, i) {
    var x = X(t[0]);
    out +=
      '<g class="km-tick ' +
      t[2] +
      '" data-km="' +
      esc(t[1].split(' ')[0]) +
      '"><line x1="' +
      num(x) +
      '" x2="' +
      num(x) +
      '" y1="0" y2="6"/>';
    if (boxes[i]) {
      out +=
        '<text x="' +
        num(x) +
        '" y="' +
        labelY +
        '" text-anchor="' +
        boxes[i][2] +
        '">' +
        esc(t[1]) +
        '</text>';
    }
    out += '</g>';
  });
  return out;
}

Renderer.prototype.axis = function (ticks) {
  var self = this;
  ticks.forEach(function (t) {
    self.grid +=
      '<line class="grid" x1="' +
      num(X(t[0])) +
      '" x2="' +
      num(X(t[0])) +
      '" y1="0" y2="' +
      num(self.y) +
      '"/>';
  });
  this.body +=
    '<g class="km-axis" transform="translate(0,' +
    num(this.y) +
    ')">' +
    axisMarkup(ticks, 19) +
    '</g>';
  this.fixed += '<text class="row-title" x="8" y="' + num(this.y + 32) + '">km</text>';
  this.y += 36;
};

// The stretch past the route's end, where the cells run on: shaded, its
// start drawn as a line.
export function extensionMarkup(height) {
  if (ROUTE_END === null || ROUTE_END >= view.to) return '';
  var a = X(Math.max(ROUTE_END, view.from)),
    b = X(view.to);
  var out =
    '<rect class="extension" x="' +
    num(a) +
    '" y="0" width="' +
    num(Math.max(b - a, 0)) +
    '" height="' +
    num(height) +
    '"/>';
  if (ROUTE_END >= view.from) {
    out +=
      '<line class="route-end" x1="' +
      num(a) +
      '" x2="' +
      num(a) +
      '" y1="0" y2="' +
      num(height) +
      '"/>';
  }
  return out;
}

// The kilometres again above the rows, in the head that stays in sight.
export function renderTopAxis(ticks) {
  var top = document.getElementById('km-top');
  if (!top) return;
  top.setAttribute('viewBox', '0 -2 ' + layout.width + ' 24');
  top.setAttribute('width', layout.width);
  top.setAttribute('height', 24);
  top.innerHTML = '<g class="km-axis">' + axisMarkup(ticks, 18) + '</g>';
}
