// The legend of the chart.
import { ROUTE_END } from './state.js';
import { esc } from './helpers.js';
import { glyph } from './glyphs.js';
import { diagnosticMarks } from './rows.js';

export function legend() {
  var box = document.getElementById('legend');
  if (!box) return;
  var items = [
    ['station', 'station: position, area and stopping mark'],
    ['signal sx1', 'signal, left indication sx 1'],
    ['signal sx2', 'signal, sx 2 (keeps its tempo)'],
    ['signal sx-other', 'signal, any other sx'],
    ['signal sx1 right', 'with a right indication (dx not 0)'],
    ['signal group', 'several marks too close to tell apart: their count above'],
    ['slowdown', 'slowdown, from its start to its end, speed v'],
    ['slowdown-board warning', 'slowdown warning board'],
    ['slowdown-board numbered', 'numbered cell before a warning board'],
    ['speed-board', 'speed board, speeds vas/vad in km/h'],
    ['text-board', 'text board'],
    ['marker', 'marker (placed by the compiler, or a cut-off with a value)'],
    ['marker cut-off', 'cut-off (abbattimento)'],
    ['stretch', 'terrain stretch'],
    ['stretch tunnel', 'tunnel'],
    ['series speed', 'line speed'],
    ['series gradient', 'gradient'],
    ['series altitude', 'altitude'],
    ['series curvature', 'curve: 1000 / radius, left up, right down'],
    ['series adhesion', 'adhesion'],
  ];
  if (ROUTE_END !== null) {
    items.push(['extension', 'the route\u2019s end (dashed) and the cells past it (shaded)']);
  }
  if (diagnosticMarks.length) {
    items.unshift(
      ['diagnostic-mark error', 'error found by the check'],
      ['diagnostic-mark warning', 'warning found by the check'],
    );
  }
  box.innerHTML = items
    .map(function (item) {
      var cls = item[0],
        picture;
      if (cls === 'station') {
        picture =
          '<rect class="station-area" x="2" y="10" width="16" height="6"/>' +
          '<line class="station-tick" x1="8" x2="8" y1="2" y2="16"/><path class="station-stop" d="M14,16l-3,4h6z"/>';
      } else if (cls === 'slowdown') {
        picture = '<rect class="slowdown-bar" x="2" y="8" width="18" height="7"/>';
      } else if (cls === 'extension') {
        picture =
          '<rect class="extension" x="8" y="2" width="13" height="18"/>' +
          '<line class="route-end" x1="8" x2="8" y1="2" y2="20"/>';
      } else if (/^stretch/.test(cls)) {
        picture = '<rect x="2" y="5" width="18" height="12"/>';
      } else if (/^series/.test(cls)) {
        picture =
          '<path class="' +
          cls +
          '" d="M2,15H9V7H20' +
          (/altitude/.test(cls) ? 'V18H2Z' : '') +
          '"/>';
        cls = '';
      } else {
        picture = glyph(cls, 11, 14);
      }
      return (
        '<span class="legend-item"><svg width="22" height="22" viewBox="0 0 22 22" aria-hidden="true">' +
        '<g class="feature ' +
        cls +
        '">' +
        picture +
        '</g></svg>' +
        esc(item[1]) +
        '</span>'
      );
    })
    .join('');
}
