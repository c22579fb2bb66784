// Small helpers: HTML escaping, numbers for SVG attributes, kilometres, text
// widths, the chart's scale and a binary search.
import { layout, view } from './state.js';

export function esc(text) {
  return String(text)
    .replace(/&/g, '&amp;')
    .replace(/</g, '&lt;')
    .replace(/>/g, '&gt;')
    .replace(/"/g, '&quot;');
}
export function num(v) {
  return (Math.round(v * 10) / 10).toString();
}
export function km(metres, decimals) {
  var text = (metres / 1000).toFixed(decimals === undefined ? 3 : decimals);
  return text.indexOf('.') < 0 ? text : text.replace(/0+$/, '').replace(/\.$/, '');
}
export function textWidth(text, size) {
  var units = 0;
  for (var i = 0; i < text.length; i++) {
    var c = text.charAt(i);
    if (' .,:()Iil1'.indexOf(c) >= 0) units += 0.38;
    else if (c >= 'A' && c <= 'Z') units += 0.72;
    else units += 0.6;
  }
  return units * size;
}
export function X(m) {
  return layout.plotLeft + ((m - view.from) * layout.plotWidth) / (view.to - view.from);
}
export function metresAt(x) {
  return view.from + ((x - layout.plotLeft) * (view.to - view.from)) / layout.plotWidth;
}
// The index of the last element of `list` whose key is at most `m`, or -1.
export function lastAtOrBefore(list, m, key) {
  var lo = 0,
    hi = list.length - 1,
    found = -1;
  while (lo <= hi) {
    var mid = (lo + hi) >> 1;
    if (key(list[mid]) <= m) {
      found = mid;
      lo = mid + 1;
    } else {
      hi = mid - 1;
    }
  }
  return found;
}
export function first(x) {
  return x[0];
}
