// The glyphs of the marks, shared by the rows and the legend.
import { num } from './helpers.js';

export function glyph(cls, x, y) {
  if (/\bgroup\b/.test(cls)) {
    return '<circle class="glyph" cx="' + num(x) + '" cy="' + num(y - 2) + '" r="4.5"/>';
  }
  if (/\bdiagnostic-mark\b/.test(cls)) {
    // A disc with an exclamation mark: nothing else on the chart is round
    // and marked inside.
    return (
      '<circle class="glyph" cx="' +
      num(x) +
      '" cy="' +
      num(y - 2) +
      '" r="6.5"/><path class="glyph-inner" d="M' +
      num(x - 1.1) +
      ',' +
      num(y - 6.5) +
      'h2.2l-0.4,5.6h-1.4zM' +
      num(x - 1.1) +
      ',' +
      num(y + 0.2) +
      'h2.2v2.1h-2.2z"/>'
    );
  }
  if (/\bsignal\b/.test(cls)) {
    // The kinds differ by shape as well as by colour: a disc for sx 1, a
    // square for sx 2, a diamond for any other.
    var head = /\bsx2\b/.test(cls)
      ? '<rect class="glyph" x="' +
        num(x - 3.5) +
        '" y="' +
        num(y - 6.5) +
        '" width="7" height="7"/>'
      : /\bsx-other\b/.test(cls)
        ? '<path class="glyph" d="M' + num(x) + ',' + num(y - 8) + 'l4.5,4.5l-4.5,4.5l-4.5,-4.5z"/>'
        : '<circle class="glyph" cx="' + num(x) + '" cy="' + num(y - 3) + '" r="3.6"/>';
    var out =
      '<line class="glyph-post" x1="' +
      num(x) +
      '" x2="' +
      num(x) +
      '" y1="' +
      num(y + 7) +
      '" y2="' +
      num(y - 1) +
      '"/>' +
      head;
    if (/\bright\b/.test(cls)) {
      out +=
        '<rect class="glyph-right" x="' +
        num(x + 2) +
        '" y="' +
        num(y + 1) +
        '" width="4" height="4"/>';
    }
    return out;
  }
  if (/\bwarning\b/.test(cls)) {
    return '<path class="glyph" d="M' + num(x) + ',' + num(y - 7) + 'l6,11h-12z"/>';
  }
  if (/\bnumbered\b/.test(cls)) {
    return (
      '<rect class="glyph" x="' + num(x - 2.5) + '" y="' + num(y - 3) + '" width="5" height="5"/>'
    );
  }
  if (/\bspeed-board\b/.test(cls)) {
    return (
      '<rect class="glyph" x="' + num(x - 3) + '" y="' + num(y - 5) + '" width="6" height="9"/>'
    );
  }
  if (/\btext-board\b/.test(cls)) {
    return '<path class="glyph" d="M' + num(x) + ',' + num(y - 6) + 'l5,6l-5,6l-5,-6z"/>';
  }
  if (/\bcut-off\b/.test(cls)) {
    return '<circle class="glyph" cx="' + num(x) + '" cy="' + num(y) + '" r="3"/>';
  }
  return '<circle class="glyph" cx="' + num(x) + '" cy="' + num(y) + '" r="2.6"/>';
}
