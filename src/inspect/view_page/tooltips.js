// Tooltips of the marks and of the profiles, on hover and on focus.
import { D, chart, layout, planSvg, profile, tooltip } from './state.js';
import { first, lastAtOrBefore, metresAt, num } from './helpers.js';
import { tips } from './rows.js';
import { altitudeAt, curveAt } from './profiles.js';
import { drag } from './zoom.js';
import { valueAt } from './cursor.js';
import { planTips } from './plan.js';
import { openInEditor, tipPlace } from './sources.js';

var activeFeature = null;
export function seriesTip(id, m) {
  if (id === 'curvature') {
    var c = curveAt(m);
    if (!c) return 'km ' + (m / 1000).toFixed(3) + '\nstraight track';
    return (
      'curve to the ' +
      (c[2] > 0 ? 'left' : 'right') +
      ', radius ' +
      Math.abs(c[2]) +
      ' m\nkm ' +
      (c[0] / 1000).toFixed(3) +
      ' to ' +
      (c[1] / 1000).toFixed(3) +
      ', ' +
      (c[1] - c[0]) +
      ' m' +
      (c[3] ? '\n' + c[3] : '')
    );
  }
  var runs =
    id === 'speed' ? D.speed : id === 'gradient' || id === 'altitude' ? D.gradient : D.adhesion;
  var value = valueAt(runs, m);
  if (value === null) return '';
  var text = 'km ' + (m / 1000).toFixed(3) + '\n';
  var from = null;
  if (id === 'speed') {
    text += 'line speed ' + value + ' km/h';
    from = D.speedFrom;
  } else if (id === 'gradient') {
    text += 'gradient ' + (value > 0 ? '+' : '') + value + ' \u2030';
    from = D.gradientFrom;
  } else if (id === 'altitude') {
    text += 'altitude ' + num(altitudeAt(m)) + ' m (the gradients summed from km 0)';
  } else {
    text += 'adhesion ' + value;
  }
  if (id === 'speed' && D.speedRule && m >= D.speedRule[0]) {
    text += '\n' + D.speedRule[1];
  } else if (from && from.length) {
    // An entry changes its profile from the cell before its position's.
    var i = lastAtOrBefore(from, m + 74, first);
    if (i >= 0) text += ', from posizione ' + from[i][0] + ' m\n' + from[i][1];
  }
  return text;
}
function showTip(text, clientX, clientY) {
  if (!text) {
    hideTip();
    return;
  }
  var place = tipPlace(text);
  tooltip.textContent = place ? text + '\n(Enter or a double click opens ' + place + ')' : text;
  tooltip.hidden = false;
  var w = tooltip.offsetWidth,
    h = tooltip.offsetHeight;
  var x = clientX + 14,
    y = clientY + 16;
  if (x + w > window.innerWidth - 4) x = Math.max(4, clientX - w - 10);
  if (y + h > window.innerHeight - 4) y = Math.max(4, clientY - h - 12);
  tooltip.style.left = x + 'px';
  tooltip.style.top = y + 'px';
}
function hideTip() {
  tooltip.hidden = true;
  if (activeFeature) activeFeature.classList.remove('active');
  activeFeature = null;
}
// The tooltip of the mark that holds `target`, or ''.
function markTip(target) {
  var feature = target && target.closest ? target.closest('.feature') : null;
  if (!feature || !feature.hasAttribute('data-tip')) return '';
  return feature.closest('#plan')
    ? planTips[+feature.getAttribute('data-tip')]
    : tips[+feature.getAttribute('data-tip')];
}
function tipFor(target, clientX) {
  var feature = target.closest ? target.closest('.feature') : null;
  if (feature && feature.hasAttribute('data-tip')) {
    if (activeFeature && activeFeature !== feature) activeFeature.classList.remove('active');
    activeFeature = feature;
    feature.classList.add('active');
    return feature.closest('#plan')
      ? planTips[+feature.getAttribute('data-tip')]
      : tips[+feature.getAttribute('data-tip')];
  }
  var series = target.closest ? target.closest('[data-series]') : null;
  if (series) {
    var rect = profile.getBoundingClientRect();
    return seriesTip(
      series.getAttribute('data-series'),
      metresAt(((clientX - rect.left) * layout.width) / rect.width),
    );
  }
  return '';
}
[chart, planSvg].forEach(function (element) {
  if (!element) return;
  element.addEventListener('pointermove', function (e) {
    if (drag && drag.moved) {
      hideTip();
      return;
    }
    showTip(tipFor(e.target, e.clientX), e.clientX, e.clientY);
  });
  element.addEventListener('pointerleave', hideTip);
  element.addEventListener('focusin', function (e) {
    var r = e.target.getBoundingClientRect();
    showTip(tipFor(e.target, r.left), r.left + r.width / 2, r.bottom);
  });
  element.addEventListener('focusout', hideTip);
});
// A mark's source line opens in the editor: Enter on the mark focused, or a
// double click.
[chart, planSvg].forEach(function (element) {
  if (!element) return;
  element.addEventListener('keydown', function (e) {
    if (e.key === 'Escape') {
      hideTip();
      return;
    }
    if (e.key !== 'Enter') return;
    var place = tipPlace(markTip(e.target));
    if (place && openInEditor(place)) e.preventDefault();
  });
  element.addEventListener('dblclick', function (e) {
    var place = tipPlace(markTip(e.target));
    if (place) openInEditor(place);
  });
});
document.addEventListener('keydown', function (e) {
  if (e.key === 'Escape' && !tooltip.hidden) hideTip();
});
