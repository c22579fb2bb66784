// The cursor, on the rows and on the plan.
import { D, layout, view } from './state.js';
import { X, first, lastAtOrBefore, textWidth } from './helpers.js';
import { showPlanCursor } from './plan.js';

// The metres the cursor stands at, or null.
export var cursorMetres = null;

export function valueAt(runs, m) {
  var i = lastAtOrBefore(runs, m, first);
  return i < 0 ? null : runs[i][1];
}
export function showCursor(m) {
  cursorMetres = m;
  var line = document.getElementById('cursor-line'),
    label = document.getElementById('cursor-label');
  if (line && m >= view.from && m <= view.to) {
    var x = X(m);
    line.setAttribute('x1', x);
    line.setAttribute('x2', x);
    line.setAttribute('visibility', 'visible');
    var text = 'km ' + (m / 1000).toFixed(3);
    var speed = valueAt(D.speed, m),
      grad = valueAt(D.gradient, m);
    if (speed !== null) text += ' \u00b7 ' + speed + ' km/h';
    if (grad !== null) text += ' \u00b7 ' + (grad > 0 ? '+' : '') + grad + ' \u2030';
    var w = textWidth(text, 11) + 8;
    var lx = Math.max(2, Math.min(layout.width - w - 2, x - w / 2));
    label.querySelector('text').textContent = text;
    label.querySelector('text').setAttribute('x', lx + 4);
    label.querySelector('rect').setAttribute('x', lx);
    label.querySelector('rect').setAttribute('width', w);
    label.setAttribute('visibility', 'visible');
  } else if (line) {
    line.setAttribute('visibility', 'hidden');
    label.setAttribute('visibility', 'hidden');
  }
  showPlanCursor(m);
}
export function hideCursor() {
  cursorMetres = null;
  var line = document.getElementById('cursor-line'),
    label = document.getElementById('cursor-label');
  if (line) {
    line.setAttribute('visibility', 'hidden');
    label.setAttribute('visibility', 'hidden');
  }
  showPlanCursor(null);
}
