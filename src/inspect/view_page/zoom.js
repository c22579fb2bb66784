// The stretch in sight: zoom and pan by wheel, pointer, buttons and keyboard,
// the range box, links to a range and the URL fragment.
import { AXIS, D, MIN_SPAN, chart, layout, profile, view } from './state.js';
import { km, metresAt } from './helpers.js';
import { moveDrawing, render } from './chart.js';
import { hideCursor, showCursor } from './cursor.js';

// A change of range moves the drawing at the next frame; the chart is drawn
// anew when the range has kept still for STILL ms.
// A step (a key, a button, a link) is drawn at once.
var STILL = 120;
var pending = false,
  gliding = false,
  stillTimer = null;
function scheduleRender(glide) {
  clearTimeout(stillTimer);
  stillTimer = null;
  gliding = glide;
  if (glide) {
    stillTimer = setTimeout(function () {
      stillTimer = null;
      render();
    }, STILL);
  }
  if (pending) return;
  pending = true;
  window.requestAnimationFrame(function () {
    pending = false;
    if (!gliding || !moveDrawing()) render();
  });
}
var hashTimer = null;
// Shows from..to metres; `glide` for a wheel, a drag or a pinch, whose
// drawing moves with them and is drawn anew when they stop.
export function setRange(from, to, keepHash, glide) {
  var span = Math.max(MIN_SPAN, Math.min(AXIS, to - from));
  if (!(span > 0)) span = AXIS;
  from = Math.max(0, Math.min(AXIS - span, from));
  view.from = from;
  view.to = Math.min(AXIS, from + span);
  scheduleRender(!!glide);
  if (keepHash) return;
  clearTimeout(hashTimer);
  hashTimer = setTimeout(function () {
    var whole = view.from <= 0 && view.to >= AXIS;
    var hash = whole ? '' : '#km=' + km(view.from) + '-' + km(view.to);
    if (window.location.hash !== hash && history.replaceState) {
      history.replaceState(null, '', hash || window.location.pathname + window.location.search);
    }
  }, 150);
}
function zoomAround(m, factor, glide) {
  say('');
  setRange(m - (m - view.from) * factor, m + (view.to - m) * factor, false, glide);
}
// "40-55", "40–55", "40 55", "40..55", "40 to 55", "km 40-55", "-2-5" or
// one kilometre, which is shown with two kilometres on either side; a
// decimal comma reads as a point, a kilometre may be negative. Else a
// station's name, or the start of one, in any letter case, shown with two
// kilometres on either side. Anything else is null.
var RANGE_PATTERN = new RegExp(
  '^\\s*(?:km\\s*)?([-\u2212]?\\d+(?:[.,]\\d+)?)\\s*(?:(?:-|\u2013|\u2014|\\.\\.|to)?' +
    '\\s*([-\u2212]?\\d+(?:[.,]\\d+)?))?\\s*$',
  'i',
);
function kmValue(text) {
  return parseFloat(text.replace('\u2212', '-').replace(',', '.')) * 1000;
}
function stationNamed(text) {
  var wanted = String(text).trim().toUpperCase();
  if (!wanted) return null;
  var starts = null;
  for (var i = 0; i < D.stations.length; i++) {
    var name = String(D.stations[i][4]).toUpperCase();
    if (name === wanted) return D.stations[i];
    if (!starts && name.indexOf(wanted) === 0) starts = D.stations[i];
  }
  return starts;
}
function parseRange(text) {
  var match = RANGE_PATTERN.exec(String(text));
  if (!match) {
    var station = stationNamed(text);
    return station ? [station[0] - 2000, station[0] + 2000] : null;
  }
  var a = kmValue(match[1]);
  if (match[2] === undefined) return [a - 2000, a + 2000];
  var b = kmValue(match[2]);
  return a < b ? [a, b] : [b, a];
}
// The text after "km=" in the URL fragment, or null when there is none.
export function hashRangeText() {
  var hash = window.location.hash || '';
  try {
    hash = decodeURIComponent(hash);
  } catch {
    /* kept as written */
  }
  var match = /km=([^&]*)/.exec(hash);
  return match ? match[1] : null;
}

// ---- a range asked for: shown, or said why not ----
export function say(text) {
  var note = document.getElementById('range-note');
  if (note) note.textContent = text;
}
// Shows the range `text` asked for (`where` names the asking: "the box",
// "the link"): text that is no range, or a range past the line's end, is
// said, and the nearest part of the line shown. True when a range was
// shown.
function showAsked(text, where, keepHash) {
  var range = parseRange(text);
  if (!range) {
    say(
      '\u201c' +
        text +
        '\u201d in ' +
        where +
        ' is neither a range of kilometres nor a station: write a range such ' +
        'as 40\u201355, one kilometre or a station\u2019s name',
    );
    return false;
  }
  var asked = 'km ' + km(Math.max(0, range[0])) + '\u2013' + km(range[1]);
  if (range[0] >= AXIS) {
    say(asked + ' lies beyond the line, which ends at km ' + km(AXIS) + ': its end is shown');
  } else if (range[1] > AXIS + 1) {
    say('the line ends at km ' + km(AXIS) + ', inside ' + asked + ': shown up to its end');
  } else {
    say('');
  }
  var span = Math.max(MIN_SPAN, range[1] - range[0]);
  if (range[0] >= AXIS) setRange(AXIS - span, AXIS, keepHash);
  else setRange(range[0], Math.min(range[1], AXIS), keepHash);
  return true;
}
// The rows and the kilometres in sight, after a link or a row of a table.
export function bringChartIntoView() {
  var along = document.getElementById('along');
  if (along && along.scrollIntoView) along.scrollIntoView({ block: 'start' });
}
export function showFromHash(scroll) {
  var text = hashRangeText();
  if (text === null) return;
  showAsked(text, 'the address', true);
  if (scroll) bringChartIntoView();
}

chart.addEventListener(
  'wheel',
  function (e) {
    // At the whole line the wheel scrolls the page; Ctrl (or a pinch) zooms.
    var whole = view.from <= 0 && view.to >= AXIS;
    if (whole && !e.ctrlKey && !e.shiftKey && Math.abs(e.deltaY) >= Math.abs(e.deltaX)) return;
    e.preventDefault();
    var rect = profile.getBoundingClientRect(),
      scale = layout.width / rect.width;
    var m = metresAt((e.clientX - rect.left) * scale);
    var unit = e.deltaMode === 1 ? 16 : e.deltaMode === 2 ? 400 : 1;
    if (Math.abs(e.deltaX) > Math.abs(e.deltaY) || e.shiftKey) {
      var dx = (e.deltaX || e.deltaY) * unit;
      var dm = (dx * (view.to - view.from)) / layout.plotWidth;
      setRange(view.from + dm, view.to + dm, false, true);
      return;
    }
    zoomAround(Math.max(view.from, Math.min(view.to, m)), Math.exp(e.deltaY * unit * 0.0015), true);
  },
  { passive: false },
);

var pointers = {};
export var drag = null;
function pointerList() {
  return Object.keys(pointers).map(function (k) {
    return pointers[k];
  });
}
chart.addEventListener('pointerdown', function (e) {
  if (e.button !== 0) return;
  pointers[e.pointerId] = { x: e.clientX, y: e.clientY };
  chart.setPointerCapture(e.pointerId);
  drag = {
    from: view.from,
    to: view.to,
    list: pointerList().map(function (p) {
      return { x: p.x };
    }),
    moved: false,
  };
});
chart.addEventListener('pointermove', function (e) {
  var rect = profile.getBoundingClientRect(),
    scale = layout.width / rect.width;
  if (pointers[e.pointerId] && drag) {
    pointers[e.pointerId] = { x: e.clientX, y: e.clientY };
    var now = pointerList(),
      span = drag.to - drag.from;
    if (now.length === 1 && drag.list.length === 1) {
      var dx = (now[0].x - drag.list[0].x) * scale;
      if (Math.abs(dx) > 3) {
        drag.moved = true;
        chart.classList.add('dragging');
      }
      var dm = (-dx * span) / layout.plotWidth;
      setRange(drag.from + dm, drag.to + dm, false, true);
    } else if (now.length === 2 && drag.list.length === 2) {
      var d0 = Math.abs(drag.list[0].x - drag.list[1].x),
        d1 = Math.abs(now[0].x - now[1].x);
      if (d0 > 10 && d1 > 10) {
        drag.moved = true;
        var mid = (drag.list[0].x + drag.list[1].x) / 2;
        var m =
          drag.from + (((mid - rect.left) * scale - layout.plotLeft) * span) / layout.plotWidth;
        var f = d0 / d1;
        setRange(m - (m - drag.from) * f, m + (drag.to - m) * f, false, true);
      }
    }
    return;
  }
  var x = (e.clientX - rect.left) * scale;
  if (x >= layout.plotLeft && x <= layout.plotLeft + layout.plotWidth) {
    showCursor(metresAt(x));
  } else {
    hideCursor();
  }
});
function endPointer(e) {
  if (!pointers[e.pointerId]) return;
  delete pointers[e.pointerId];
  var left = pointerList();
  chart.classList.remove('dragging');
  drag = left.length
    ? {
        from: view.from,
        to: view.to,
        list: left.map(function (p) {
          return { x: p.x };
        }),
        moved: true,
      }
    : null;
}
chart.addEventListener('pointerup', endPointer);
chart.addEventListener('pointercancel', endPointer);
chart.addEventListener('pointerleave', function () {
  hideCursor();
});

function button(id, action) {
  var b = document.getElementById(id);
  if (b) b.addEventListener('click', action);
}
button('zoom-in', function () {
  zoomAround((view.from + view.to) / 2, 0.5);
});
button('zoom-out', function () {
  zoomAround((view.from + view.to) / 2, 2);
});
button('zoom-all', function () {
  setRange(0, AXIS);
});
var form = document.getElementById('controls');
if (form) {
  form.addEventListener('submit', function (e) {
    e.preventDefault();
    showAsked(document.getElementById('range').value, 'the box', false);
  });
}
window.addEventListener('hashchange', function () {
  showFromHash(true);
});

// A link to a range (a message of the compile, a kilometre in a table)
// shows it and brings the chart into view, even when the address already
// holds that range.
document.addEventListener('click', function (e) {
  var link = e.target.closest ? e.target.closest('a[href^="#km="]') : null;
  if (!link) return;
  e.preventDefault();
  if (showAsked(decodeURIComponent(link.getAttribute('href').slice(4)), 'the link', false)) {
    bringChartIntoView();
    chart.focus({ preventScroll: true });
  }
});

// ---- the keyboard on the chart ----
chart.addEventListener('keydown', function (e) {
  if (e.altKey || e.ctrlKey || e.metaKey) return;
  var span = view.to - view.from,
    middle = (view.from + view.to) / 2;
  switch (e.key) {
    case 'ArrowLeft':
      setRange(view.from - span / 4, view.to - span / 4);
      break;
    case 'ArrowRight':
      setRange(view.from + span / 4, view.to + span / 4);
      break;
    case '+':
    case '=':
      zoomAround(middle, 0.5);
      break;
    case '-':
    case '_':
    case '\u2212':
      zoomAround(middle, 2);
      break;
    case '0':
      setRange(0, AXIS);
      break;
    case 'Home':
      setRange(0, span);
      break;
    case 'End':
      setRange(AXIS - span, AXIS);
      break;
    default:
      return;
  }
  e.preventDefault();
  say('');
});
