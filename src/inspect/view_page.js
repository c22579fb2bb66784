
// Draws the plan and the rows along the line from the data in #view-data, at
// the width of the window, for the stretch of line chosen by zoom and pan. The
// stretch is kept in the URL fragment as #km=FROM-TO.
(function () {
  'use strict';
  var dataElement = document.getElementById('view-data');
  var profile = document.getElementById('profile');
  if (!dataElement || !profile) return;
  var D = JSON.parse(dataElement.textContent);
  var chart = document.getElementById('chart');
  var planSvg = document.getElementById('plan');
  var tooltip = document.getElementById('tooltip');
  var AXIS = Math.max(1, D.axis);
  var MIN_SPAN = 200;  // metres: a few cells
  var GUTTER = 40, RIGHT = 10, TITLE = 16;
  // Text sizes on the chart, in pixels: never below 12 at any width.
  var LABEL_SIZE = 12, STATION_SIZE = 12.5, LEVEL = 14;
  var ROUTE_END = D.routeEnd;
  var PRINT_WIDTH = 1000;  // pixels: the chart's width on paper, before scaling

  var view = { from: 0, to: AXIS };
  var layout = { width: 0, plotLeft: GUTTER, plotWidth: 1 };
  var tips = [];
  var cursorMetres = null;

  // ---- small helpers ----
  function esc(text) {
    return String(text).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;')
        .replace(/"/g, '&quot;');
  }
  function num(v) { return (Math.round(v * 10) / 10).toString(); }
  function km(metres, decimals) {
    var text = (metres / 1000).toFixed(decimals === undefined ? 3 : decimals);
    return text.indexOf('.') < 0 ? text : text.replace(/0+$/, '').replace(/\.$/, '');
  }
  function textWidth(text, size) {
    var units = 0;
    for (var i = 0; i < text.length; i++) {
      var c = text.charAt(i);
      if (' .,:()Iil1'.indexOf(c) >= 0) units += 0.38;
      else if (c >= 'A' && c <= 'Z') units += 0.72;
      else units += 0.6;
    }
    return units * size;
  }
  function X(m) { return layout.plotLeft + (m - view.from) * layout.plotWidth / (view.to - view.from); }
  function metresAt(x) {
    return view.from + (x - layout.plotLeft) * (view.to - view.from) / layout.plotWidth;
  }
  // The index of the last element of `list` whose key is at most `m`, or -1.
  function lastAtOrBefore(list, m, key) {
    var lo = 0, hi = list.length - 1, found = -1;
    while (lo <= hi) {
      var mid = (lo + hi) >> 1;
      if (key(list[mid]) <= m) { found = mid; lo = mid + 1; } else { hi = mid - 1; }
    }
    return found;
  }
  function first(x) { return x[0]; }

  // Horizontal intervals taken by labels, on a few levels.
  function Lanes(levels) { this.taken = []; for (var i = 0; i < levels; i++) this.taken.push([]); }
  Lanes.prototype.free = function (level, x0, x1) {
    var lane = this.taken[level];
    for (var i = 0; i < lane.length; i++) {
      if (x0 < lane[i][1] && lane[i][0] < x1) return false;
    }
    return true;
  };
  Lanes.prototype.take = function (level, x0, x1) { this.taken[level].push([x0, x1]); };
  // Frees the interval taken last as exactly x0..x1 on `level`.
  Lanes.prototype.release = function (level, x0, x1) {
    var lane = this.taken[level];
    for (var i = lane.length - 1; i >= 0; i--) {
      if (lane[i][0] === x0 && lane[i][1] === x1) { lane.splice(i, 1); return; }
    }
  };
  Lanes.prototype.place = function (x0, x1) {
    for (var level = 0; level < this.taken.length; level++) {
      var lane = this.taken[level], free = true;
      for (var i = 0; i < lane.length; i++) {
        if (x0 < lane[i][1] && lane[i][0] < x1) { free = false; break; }
      }
      if (free) { lane.push([x0, x1]); return level; }
    }
    return -1;
  };

  // ---- glyphs, shared by the rows and the legend ----
  function glyph(cls, x, y) {
    if (/\bgroup\b/.test(cls)) {
      return '<circle class="glyph" cx="' + num(x) + '" cy="' + num(y - 2) + '" r="4.5"/>';
    }
    if (/\bsignal\b/.test(cls)) {
      // The kinds differ by shape as well as by colour: a disc for sx 1, a
      // square for sx 2, a diamond for any other.
      var head = /\bsx2\b/.test(cls)
          ? '<rect class="glyph" x="' + num(x - 3.5) + '" y="' + num(y - 6.5) + '" width="7" height="7"/>'
          : /\bsx-other\b/.test(cls)
              ? '<path class="glyph" d="M' + num(x) + ',' + num(y - 8) + 'l4.5,4.5l-4.5,4.5l-4.5,-4.5z"/>'
              : '<circle class="glyph" cx="' + num(x) + '" cy="' + num(y - 3) + '" r="3.6"/>';
      var out = '<line class="glyph-post" x1="' + num(x) + '" x2="' + num(x) + '" y1="' +
          num(y + 7) + '" y2="' + num(y - 1) + '"/>' + head;
      if (/\bright\b/.test(cls)) {
        out += '<rect class="glyph-right" x="' + num(x + 2) + '" y="' + num(y + 1) +
            '" width="4" height="4"/>';
      }
      return out;
    }
    if (/\bwarning\b/.test(cls)) {
      return '<path class="glyph" d="M' + num(x) + ',' + num(y - 7) + 'l6,11h-12z"/>';
    }
    if (/\bnumbered\b/.test(cls)) {
      return '<rect class="glyph" x="' + num(x - 2.5) + '" y="' + num(y - 3) +
          '" width="5" height="5"/>';
    }
    if (/\bspeed-board\b/.test(cls)) {
      return '<rect class="glyph" x="' + num(x - 3) + '" y="' + num(y - 5) +
          '" width="6" height="9"/>';
    }
    if (/\btext-board\b/.test(cls)) {
      return '<path class="glyph" d="M' + num(x) + ',' + num(y - 6) + 'l5,6l-5,6l-5,-6z"/>';
    }
    if (/\bdiagnostic-mark\b/.test(cls)) {
      return '<path class="glyph" d="M' + num(x - 6) + ',' + num(y - 6) + 'h12l-6,10z"/>';
    }
    if (/\bcut-off\b/.test(cls)) {
      return '<circle class="glyph" cx="' + num(x) + '" cy="' + num(y) + '" r="3"/>';
    }
    return '<circle class="glyph" cx="' + num(x) + '" cy="' + num(y) + '" r="2.6"/>';
  }

  // ---- the rows ----
  var ROW_TITLES = {};
  D.rows.forEach(function (row) { ROW_TITLES[row.id] = row.title; });
  D.rows.forEach(function (row) { row.marks.sort(function (a, b) { return a[0] - b[0]; }); });
  D.slowdownBoards.sort(function (a, b) { return a[0] - b[0]; });
  // Looked up by position: the entries in file order need not be.
  [D.speedFrom, D.gradientFrom].forEach(function (list) {
    list.sort(function (a, b) { return a[0] - b[0]; });
  });
  var diagnosticMarks = [];
  D.diagnostics.forEach(function (d, i) {
    if (d[3] !== null) {
      diagnosticMarks.push([d[3], 'diagnostic-mark ' + d[0], '',
        d[0] + ': ' + d[2] + (d[1] ? '\n' + d[1] : ''), i]);
    }
  });
  diagnosticMarks.sort(function (a, b) { return a[0] - b[0]; });

  // Altitude from the gradient runs: each run climbs its gradient (per mille)
  // over its length.
  var altitude = [];
  (function () {
    var h = 0;
    for (var i = 0; i < D.gradient.length; i++) {
      var m = D.gradient[i][0];
      var next = i + 1 < D.gradient.length ? D.gradient[i + 1][0] : AXIS;
      altitude.push([m, h]);
      h += D.gradient[i][1] * (Math.max(next, m) - m) / 1000;
    }
    altitude.push([AXIS, h]);
  })();

  function extreme(runs, f) {
    var v = 0;
    for (var i = 0; i < runs.length; i++) v = f(v, runs[i][1]);
    return v;
  }
  function roundUp(v, step) { return Math.max(step, Math.ceil(v / step) * step); }
  var SPEED_TOP = roundUp(extreme(D.speed, Math.max), 40);
  var GRADIENT_TOP = roundUp(Math.max(extreme(D.gradient, Math.max), -extreme(D.gradient, Math.min)), 5);
  var ADHESION_TOP = roundUp(extreme(D.adhesion, Math.max), 50);
  var ALT_LOW = Math.min(0, extreme(altitude, Math.min)), ALT_HIGH = Math.max(0, extreme(altitude, Math.max));

  function Renderer() { this.body = ''; this.grid = ''; this.y = 0; }
  Renderer.prototype.beginRow = function (id, title, height, subtitle) {
    this.rowTop = this.y + TITLE;
    this.rowHeight = height;
    this.body += '<g class="row row-' + id + '" transform="translate(0,' + num(this.y) + ')">' +
        '<text class="row-title" x="8" y="11">' + esc(title) +
        (subtitle ? '<tspan class="row-subtitle"> ' + esc(subtitle) + '</tspan>' : '') + '</text>' +
        '<g transform="translate(0,' + TITLE + ')">';
  };
  Renderer.prototype.endRow = function () {
    this.body += '<line class="row-rule" x1="' + num(layout.plotLeft) + '" x2="' +
        num(layout.plotLeft + layout.plotWidth) + '" y1="' + num(this.rowHeight) + '" y2="' +
        num(this.rowHeight) + '"/></g></g>\n';
    this.y += TITLE + this.rowHeight;
  };
  function tip(text) { tips.push(text); return tips.length - 1; }
  // A mark that the keyboard reaches and a screen reader names by its
  // tooltip.
  function featureOpen(cls, attrs, tipIndex) {
    return '<g class="feature ' + cls + '" tabindex="0" role="img" aria-label="' +
        esc(String(tips[tipIndex]).replace(/\n/g, '; ')) + '" data-tip="' + tipIndex + '"' + attrs + '>';
  }

  // Marks of one row, those closer than `gap` pixels drawn as one with their count.
  // The visible marks of a row grouped: [first index, end index, x].
  function groups(marks, gap) {
    var out = [], start = Math.max(0, lastAtOrBefore(marks, view.from, first));
    for (var i = start; i < marks.length && marks[i][0] <= view.to;) {
      if (marks[i][0] < view.from) { i++; continue; }
      var x0 = X(marks[i][0]), j = i + 1;
      while (j < marks.length && marks[j][0] <= view.to && X(marks[j][0]) - x0 <= gap) j++;
      out.push([i, j, j - i === 1 ? x0 : (x0 + X(marks[j - 1][0])) / 2]);
      i = j;
    }
    return out;
  }

  // Where a label `w` pixels wide for a mark at `x` goes: beside the mark,
  // right of it and then left of it, on the lowest level with room, never
  // outside the plot. A label above the first level needs the levels below it
  // free at the mark for the leader line that ties the two. {x, level}, or
  // null when there is no room.
  function placeBeside(lanes, x, w) {
    var left = layout.plotLeft, right = layout.plotLeft + layout.plotWidth;
    for (var level = 0; level < lanes.taken.length; level++) {
      var under = true;
      for (var below = 0; below < level; below++) {
        if (!lanes.free(below, x - 2, x + 2)) { under = false; break; }
      }
      if (!under) continue;
      var options = [x + 6, x - 6 - w];
      for (var o = 0; o < options.length; o++) {
        var lx = options[o];
        if (lx < left || lx + w > right || !lanes.free(level, lx - 2, lx + w + 2)) continue;
        lanes.take(level, lx - 2, lx + w + 2);
        for (var k = 0; k < level; k++) lanes.take(k, x - 2, x + 2);
        return { x: lx, level: level };
      }
    }
    return null;
  }

  // Places the labels of `items` ({x, text, own}: `own` the room of the
  // item's mark, free for its own label) from the right to the left, so that
  // the labels that climb to higher levels climb leftwards and their leader
  // lines cross no label. {at: [{x, level, text} or null], hidden: count}.
  function placeLabels(items, lanes, size) {
    var at = [], hidden = 0;
    for (var n = items.length - 1; n >= 0; n--) {
      var it = items[n];
      at[n] = null;
      if (!it.text) continue;
      if (it.own) lanes.release(0, it.own[0], it.own[1]);
      var place = placeBeside(lanes, it.x, textWidth(it.text, size));
      if (it.own) lanes.take(0, it.own[0], it.own[1]);
      if (place) {
        place.text = it.text;
        at[n] = place;
      } else {
        hidden++;
      }
    }
    return { at: at, hidden: hidden };
  }

  // A label placed by placeBeside, with its leader line when it stands above
  // the first level; `y0` is the baseline of the first level, `top` the top
  // of the mark.
  function labelText(cls, text, place, x, y0, top) {
    var y = y0 - LEVEL * place.level, out = '';
    if (place.level > 0) {
      var end = place.x > x ? place.x - 1 : place.x + textWidth(text, LABEL_SIZE) + 1;
      out += '<path class="leader" d="M' + num(x) + ',' + num(top) + 'V' + num(y - 4) + 'H' +
          num(end) + '"/>';
    }
    return out + '<text class="' + cls + '" x="' + num(place.x) + '" y="' + num(y) + '">' +
        esc(text) + '</text>';
  }

  // The count of labels a row could not place, said at the right of its
  // title: no label goes missing without a word.
  Renderer.prototype.hiddenLabels = function (count) {
    if (!count) return;
    this.body += '<text class="row-note" x="' + num(layout.plotLeft + layout.plotWidth) +
        '" y="' + num(12 - TITLE) + '">+' + count + (count === 1 ? ' label' : ' labels') +
        ': zoom in</text>';
  };

  // Marks of one row, those closer than a few pixels drawn as one with their
  // count, each labelled beside itself where there is room.
  Renderer.prototype.marks = function (marks, what, height, levels, labelOf) {
    var markY = height - 10, lanes = new Lanes(Math.max(1, levels)), list = groups(marks, 6);
    // No label sits over a mark that is not its own.
    list.forEach(function (g) { lanes.take(0, g[2] - 5, g[2] + 5); });
    var placed = placeLabels(list.map(function (g) {
      var count = g[1] - g[0], m = marks[g[0]];
      var label = levels > 0 ? (count === 1 ? (labelOf ? labelOf(m) : m[2]) : String(count)) : '';
      return { x: g[2], text: label, own: [g[2] - 5, g[2] + 5] };
    }), lanes, LABEL_SIZE);
    for (var n = 0; n < list.length; n++) {
      var i = list[n][0], j = list[n][1], x = list[n][2], count = j - i;
      var m = marks[i], text;
      if (count === 1) {
        text = m[3];
      } else {
        text = count + ' ' + what + ', km ' + km(marks[i][0]) + ' to ' + km(marks[j - 1][0]) +
            ' (zoom in to see each)';
        for (var k = i; k < j && k < i + 4; k++) text += '\n\u2022 ' + marks[k][3].split('\n')[0];
        if (count > 4) text += '\n\u2026 and ' + (count - 4) + ' more';
      }
      var cls = count === 1 ? m[1] : m[1].split(' ')[0] + ' group';
      this.body += featureOpen(cls, ' data-metres="' + m[0] + '" data-count="' + count + '"', tip(text)) +
          '<rect class="hit" x="' + num(x - 6) + '" y="0" width="12" height="' + height + '"/>' +
          glyph(cls, x, markY);
      if (placed.at[n]) {
        this.body += labelText(count === 1 ? 'mark-label' : 'mark-count', placed.at[n].text,
            placed.at[n], x, markY - 10, markY - 9);
      }
      this.body += '</g>';
    }
    return placed.hidden;
  };

  // The height of a row of marks with `levels` levels of labels.
  function rowHeight(levels) { return 26 + LEVEL * levels; }

  Renderer.prototype.markRow = function (id, title, marks, what, levels, labelOf) {
    var height = rowHeight(levels);
    this.beginRow(id, title, height);
    this.hiddenLabels(this.marks(marks, what, height, levels, labelOf));
    this.endRow();
  };

  Renderer.prototype.stations = function () {
    var levels = 5, height = levels * LEVEL + 30, base = height - 6, hidden = 0;
    this.beginRow('stations', 'stations', height);
    var lanes = new Lanes(levels), self = this;
    var shown = D.stations.filter(function (s) { return s[2] >= view.from && s[1] <= view.to; });
    shown.sort(function (a, b) { return a[0] - b[0]; });
    shown.forEach(function (s) {
      var a = X(Math.max(s[1], view.from)), b = X(Math.min(s[2], view.to));
      self.body += '<rect class="station-area" x="' + num(a) + '" y="' + num(base - 10) +
          '" width="' + num(Math.max(b - a, 1)) + '" height="10"/>';
    });
    var marked = shown.filter(function (s) { return s[0] >= view.from && s[0] <= view.to; });
    var placed = placeLabels(marked.map(function (s) { return { x: X(s[0]), text: s[4] }; }), lanes,
        STATION_SIZE);
    hidden = placed.hidden;
    marked.forEach(function (s, n) {
      var x = X(s[0]);
      self.body += featureOpen('station', ' data-metres="' + s[0] + '"', tip(s[5])) +
          '<rect class="hit" x="' + num(x - 6) + '" y="0" width="12" height="' + height + '"/>' +
          '<line class="station-tick" x1="' + num(x) + '" x2="' + num(x) + '" y1="' + num(base - 22) +
          '" y2="' + num(base) + '"/>';
      if (s[3] !== null && s[3] >= view.from && s[3] <= view.to) {
        self.body += '<path class="station-stop" d="M' + num(X(s[3])) + ',' + num(base) + 'l-4,6h8z"/>';
      }
      var place = placed.at[n];
      if (place) {
        var y = base - 25 - LEVEL * place.level;
        if (place.level > 0) {
          self.body += '<line class="station-leader" x1="' + num(x) + '" x2="' + num(x) + '" y1="' +
              num(base - 22) + '" y2="' + num(y - 4) + '"/>';
        }
        self.body += '<text class="station-label" x="' + num(place.x) + '" y="' + num(y) + '">' +
            esc(s[4]) + '</text>';
      }
      self.body += '</g>';
    });
    this.hiddenLabels(hidden);
    this.endRow();
  };

  Renderer.prototype.slowdowns = function () {
    var height = 44, lanes = new Lanes(1), self = this, hidden = 0;
    var left = layout.plotLeft, right = layout.plotLeft + layout.plotWidth;
    this.beginRow('slowdowns', 'slowdowns', height);
    // A bar's label keeps off the boards' marks.
    groups(D.slowdownBoards, 6).forEach(function (g) { lanes.take(0, g[2] - 7, g[2] + 7); });
    D.slowdowns.forEach(function (s) {
      if (s[1] < view.from || s[0] > view.to) return;
      var a = X(Math.max(s[0], view.from)), b = Math.max(X(Math.min(s[1], view.to)), a + 2);
      self.body += featureOpen('slowdown', ' data-metres="' + s[0] + '"', tip(s[3])) +
          '<rect class="hit" x="' + num(a - 3) + '" y="0" width="' + num(b - a + 6) + '" height="' +
          height + '"/><rect class="slowdown-bar" x="' + num(a) + '" y="' + num(height - 12) +
          '" width="' + num(b - a) + '" height="8"/>';
      var w = textWidth(s[2], LABEL_SIZE), options = [a, b - w], placed = false;
      for (var o = 0; o < options.length && !placed; o++) {
        var lx = options[o];
        if (lx < left || lx + w > right || !lanes.free(0, lx - 2, lx + w + 2)) continue;
        lanes.take(0, lx - 2, lx + w + 2);
        self.body += '<text class="mark-label" x="' + num(lx) + '" y="' + num(height - 15) + '">' +
            esc(s[2]) + '</text>';
        placed = true;
      }
      if (!placed) hidden++;
      self.body += '</g>';
    });
    this.marks(D.slowdownBoards, 'slowdown boards', height, 1);
    this.hiddenLabels(hidden);
    this.endRow();
  };

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
    var columns = Math.ceil(layout.plotWidth), lo = [], hi = [];
    for (var c = 0; c < columns; c++) { lo.push(Infinity); hi.push(-Infinity); }
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
  function altitudeAt(m) {
    var i = lastAtOrBefore(altitude, m, first);
    if (i < 0) return altitude.length ? altitude[0][1] : 0;
    if (i + 1 >= altitude.length) return altitude[i][1];
    var a = altitude[i], b = altitude[i + 1];
    return b[0] > a[0] ? a[1] + (b[1] - a[1]) * (m - a[0]) / (b[0] - a[0]) : a[1];
  }
  function altitudePath(y, height) {
    var i = Math.max(0, lastAtOrBefore(altitude, view.from, first));
    var d = 'M' + num(X(view.from)) + ',' + num(y(altitudeAt(view.from))), lastColumn = -1;
    for (var k = i + 1; k < altitude.length && altitude[k][0] < view.to; k++) {
      var x = X(altitude[k][0]), column = Math.floor(x);
      if (column === lastColumn) continue;
      lastColumn = column;
      d += 'L' + num(x) + ',' + num(y(altitude[k][1]));
    }
    d += 'L' + num(X(view.to)) + ',' + num(y(altitudeAt(view.to)));
    return d + 'V' + num(height - 6) + 'H' + num(X(view.from)) + 'Z';
  }

  Renderer.prototype.valueTick = function (y, text) {
    this.body += '<text class="value-tick" x="' + num(layout.plotLeft - 4) + '" y="' + num(y + 3.5) +
        '">' + esc(text) + '</text><line class="value-rule" x1="' + num(layout.plotLeft) + '" x2="' +
        num(layout.plotLeft + layout.plotWidth) + '" y1="' + num(y) + '" y2="' + num(y) + '"/>';
  };

  var SERIES = [
    { id: 'speed', title: 'line speed', unit: 'km/h', height: 80 },
    { id: 'gradient', title: 'gradient', unit: '\u2030, rising +', height: 76 },
    { id: 'altitude', title: 'altitude', unit: 'm, summed gradients', height: 64 },
    { id: 'adhesion', title: 'adhesion', unit: '', height: 46 },
  ];

  // The value of each step of a profile in the range, written beside the
  // step: a mark of its own that tells the value and the source line that set
  // it. The number of steps that found no room is returned.
  Renderer.prototype.stepLabels = function (id, runs, y, height, format) {
    var i = Math.max(0, lastAtOrBefore(runs, view.from, first));
    var end = lastAtOrBefore(runs, view.to, first), hidden = 0, lanes = new Lanes(1);
    var right = layout.plotLeft + layout.plotWidth;
    // Too many steps to write: none is tried, all are counted.
    if (end - i + 1 > layout.plotWidth / 24) return Math.max(0, end - i + 1);
    for (var k = i; k <= end; k++) {
      var m = Math.max(runs[k][0], view.from), x = X(m), text = format(runs[k][1]);
      var w = textWidth(text, LABEL_SIZE), vy = y(runs[k][1]);
      var ly = vy - 15 >= 0 ? vy - 4 : vy + 14, lx = x + 3;
      if (lx + w > right) lx = x - 3 - w;
      if (lx < layout.plotLeft || !lanes.free(0, lx - 3, lx + w + 3)) { hidden++; continue; }
      lanes.take(0, lx - 3, lx + w + 3);
      this.body += featureOpen('step ' + id, ' data-metres="' + runs[k][0] + '"',
          tip(seriesTip(id, m))) + '<rect class="hit" x="' + num(lx - 2) + '" y="' + num(ly - 12) +
          '" width="' + num(w + 4) + '" height="15"/><text class="step-label" x="' + num(lx) +
          '" y="' + num(ly) + '">' + esc(text) + '</text></g>';
    }
    return hidden;
  };

  Renderer.prototype.series = function () {
    var self = this, top = 8, bottom = 6;
    SERIES.forEach(function (s) {
      var h = s.height, y;
      self.beginRow(s.id, s.title, h, s.unit);
      self.body += '<rect class="series-hit" data-series="' + s.id + '" x="' + num(layout.plotLeft) +
          '" y="0" width="' + num(layout.plotWidth) + '" height="' + h + '" fill="transparent"/>';
      if (s.id === 'speed') {
        y = function (v) { return h - bottom - v / SPEED_TOP * (h - top - bottom); };
        self.valueTick(y(0), '0'); self.valueTick(y(SPEED_TOP), String(SPEED_TOP));
        self.body += '<path class="series speed" d="' + stepPath(D.speed, y) + '"/>';
        self.hiddenLabels(self.stepLabels('speed', D.speed, y, h, String));
      } else if (s.id === 'gradient') {
        var mid = (top + h - bottom) / 2;
        y = function (v) { return mid - v / GRADIENT_TOP * (mid - top); };
        self.valueTick(y(GRADIENT_TOP), '+' + GRADIENT_TOP); self.valueTick(y(0), '0');
        self.valueTick(y(-GRADIENT_TOP), '-' + GRADIENT_TOP);
        self.body += '<path class="series gradient" d="' + stepPath(D.gradient, y) + '"/>';
        self.hiddenLabels(self.stepLabels('gradient', D.gradient, y, h, function (v) {
          return (v > 0 ? '+' : '') + v;
        }));
      } else if (s.id === 'altitude') {
        var span = Math.max(ALT_HIGH - ALT_LOW, 1);
        y = function (v) { return h - bottom - (v - ALT_LOW) / span * (h - top - bottom); };
        self.valueTick(y(ALT_LOW), num(ALT_LOW)); self.valueTick(y(ALT_HIGH), num(ALT_HIGH));
        self.body += '<path class="series altitude" d="' + altitudePath(y, h) + '"/>';
      } else {
        y = function (v) { return h - bottom - v / ADHESION_TOP * (h - top - bottom); };
        self.valueTick(y(0), '0'); self.valueTick(y(ADHESION_TOP), String(ADHESION_TOP));
        self.body += '<path class="series adhesion" d="' + stepPath(D.adhesion, y) + '"/>';
      }
      self.endRow();
    });
  };

  Renderer.prototype.stretches = function () {
    var height = 24, self = this;
    this.beginRow('terrain', 'terrain, tunnels', height);
    var list = D.stretches.filter(function (s) { return s[1] >= view.from && s[0] <= view.to; });
    for (var i = 0; i < list.length;) {
      var a = X(Math.max(list[i][0], view.from)), j = i + 1;
      var b = Math.max(X(Math.min(list[i][1], view.to)), a + 1), tunnel = list[i][2];
      // Stretches that would be drawn within a pixel of each other become one.
      while (j < list.length && X(list[j][0]) - b < 1) {
        b = Math.max(b, X(Math.min(list[j][1], view.to)));
        tunnel = tunnel || list[j][2];
        j++;
      }
      var count = j - i, text = list[i][4];
      if (count > 1) {
        text = count + ' stretches, km ' + km(list[i][0]) + ' to ' + km(list[j - 1][1]) +
            ' (zoom in to see each)';
      }
      var label = count === 1 ? list[i][3] : '';
      self.body += featureOpen('stretch' + (tunnel ? ' tunnel' : ''), ' data-metres="' + list[i][0] +
          '" data-count="' + count + '"', tip(text)) + '<rect x="' + num(a) + '" y="3" width="' +
          num(b - a) + '" height="' + (height - 8) + '"/>';
      if (label && textWidth(label, 10) + 6 < b - a) {
        self.body += '<text class="stretch-label" x="' + num(a + 3) + '" y="' + (height - 9) + '">' +
            esc(label) + '</text>';
      }
      self.body += '</g>';
      i = j;
    }
    this.endRow();
  };

  // Metres between labelled ticks: the smallest of 10, 20, 50, 100 ... m whose
  // ticks stay `spacing` pixels apart.
  function tickStep(span, pixels, spacing) {
    for (var decade = 10; ; decade *= 10) {
      var steps = [1, 2, 5];
      for (var i = 0; i < steps.length; i++) {
        var step = decade * steps[i];
        if (pixels * step / span >= spacing || step >= span) return step;
      }
    }
  }

  // The kilometre ticks of the range shown: [metres, label, class], in
  // order. The route's end and the end of the extended cells have ticks of
  // their own, and no other tick stands close enough to write over them.
  function axisTicks() {
    var span = view.to - view.from, step = tickStep(span, layout.plotWidth, 64);
    var decimals = step >= 1000 ? 0 : step >= 100 ? 1 : 2, ticks = [], special = [];
    if (ROUTE_END !== null && ROUTE_END >= view.from && ROUTE_END <= view.to) {
      special.push([ROUTE_END, km(ROUTE_END, 3) + ' end', 'km-route-end']);
    }
    if (view.to >= AXIS) special.push([AXIS, km(AXIS, 3), 'km-end']);
    for (var m = Math.ceil(view.from / step) * step; m <= view.to; m += step) {
      var near = special.some(function (s) { return Math.abs(X(s[0]) - X(m)) < 48; });
      if (!near) ticks.push([m, km(m, decimals), '']);
    }
    return ticks.concat(special).sort(function (a, b) { return a[0] - b[0]; });
  }

  // The ticks as SVG, labels below the line from y 0, each label kept inside
  // the drawing.
  // Where each tick's label goes: [x0, x1, anchor]; a label that would
  // write over the one before loses its text, unless it is the route's end,
  // which then takes the place of the one before.
  function axisLabels(ticks) {
    var boxes = ticks.map(function (t) {
      var x = X(t[0]), w = textWidth(t[1], LABEL_SIZE);
      if (x + w / 2 > layout.width - 1) return [x - w, x, 'end'];
      if (x - w / 2 < layout.plotLeft - 20) return [x, x + w, 'start'];
      return [x - w / 2, x + w / 2, 'middle'];
    });
    var last = -1;
    for (var i = 0; i < ticks.length; i++) {
      if (last >= 0 && boxes[i][0] < boxes[last][1] + 6) {
        if (ticks[i][2] !== 'km-route-end') { boxes[i] = null; continue; }
        boxes[last] = null;
      }
      last = i;
    }
    return boxes;
  }

  function axisMarkup(ticks, labelY) {
    var out = '<line class="axis-line" x1="' + num(X(view.from)) + '" x2="' + num(X(view.to)) +
        '" y1="0" y2="0"/>', boxes = axisLabels(ticks);
    ticks.forEach(function (t, i) {
      var x = X(t[0]);
      out += '<g class="km-tick ' + t[2] + '" data-km="' + esc(t[1].split(' ')[0]) + '"><line x1="' +
          num(x) + '" x2="' + num(x) + '" y1="0" y2="6"/>';
      if (boxes[i]) {
        out += '<text x="' + num(x) + '" y="' + labelY + '" text-anchor="' + boxes[i][2] + '">' +
            esc(t[1]) + '</text>';
      }
      out += '</g>';
    });
    return out;
  }

  Renderer.prototype.axis = function (ticks) {
    var self = this;
    ticks.forEach(function (t) {
      self.grid += '<line class="grid" x1="' + num(X(t[0])) + '" x2="' + num(X(t[0])) +
          '" y1="0" y2="' + num(self.y) + '"/>';
    });
    this.body += '<g class="km-axis" transform="translate(0,' + num(this.y) + ')">' +
        axisMarkup(ticks, 19) + '<text class="row-title" x="8" y="32">km</text></g>';
    this.y += 36;
  };

  // The stretch past the route's end, where the cells run on: shaded, its
  // start drawn as a line.
  function extensionMarkup(height) {
    if (ROUTE_END === null || ROUTE_END >= view.to) return '';
    var a = X(Math.max(ROUTE_END, view.from)), b = X(view.to);
    var out = '<rect class="extension" x="' + num(a) + '" y="0" width="' + num(Math.max(b - a, 0)) +
        '" height="' + num(height) + '"/>';
    if (ROUTE_END >= view.from) {
      out += '<line class="route-end" x1="' + num(a) + '" x2="' + num(a) + '" y1="0" y2="' +
          num(height) + '"/>';
    }
    return out;
  }

  // The kilometres again above the rows, in the head that stays in sight.
  function renderTopAxis(ticks) {
    var top = document.getElementById('km-top');
    if (!top) return;
    top.setAttribute('viewBox', '0 -2 ' + layout.width + ' 24');
    top.setAttribute('width', layout.width);
    top.setAttribute('height', 24);
    top.innerHTML = '<g class="km-axis">' + axisMarkup(ticks, 18) + '</g>';
  }

  // A signal's kilometre, as its label once the range is narrow enough to
  // tell signals apart.
  function signalLabel(m) {
    return view.to - view.from <= 20000 ? (m[0] / 1000).toFixed(3) : '';
  }

  function render() {
    var width = Math.max(200, layout.printWidth || chart.clientWidth);
    layout.width = width;
    layout.plotLeft = GUTTER;
    layout.plotWidth = Math.max(50, width - GUTTER - RIGHT);
    tips = [];
    var r = new Renderer();
    if (diagnosticMarks.length) r.markRow('diagnostics', 'compile messages', diagnosticMarks, 'messages', 0);
    r.stations();
    r.markRow('signals', ROW_TITLES.signals, rowMarks('signals'), 'signals', 2, signalLabel);
    r.slowdowns();
    r.markRow('speed-boards', ROW_TITLES['speed-boards'], rowMarks('speed-boards'), 'speed boards', 2);
    r.markRow('text-boards', ROW_TITLES['text-boards'], rowMarks('text-boards'), 'text boards', 2);
    r.markRow('markers', ROW_TITLES.markers, rowMarks('markers'), 'markers', 0);
    r.series();
    r.stretches();
    var gridHeight = r.y, ticks = axisTicks();
    r.axis(ticks);
    var height = r.y + 4;
    profile.setAttribute('viewBox', '0 0 ' + width + ' ' + height);
    profile.setAttribute('width', width);
    profile.setAttribute('height', height);
    profile.setAttribute('data-from', Math.round(view.from));
    profile.setAttribute('data-to', Math.round(view.to));
    profile.setAttribute('aria-label', 'Route along the kilometres, km ' + km(view.from, 2) + ' to ' +
        km(view.to, 2));
    // A mark with the focus is drawn anew: the focus goes to the chart.
    var hadFocus = profile.contains(document.activeElement);
    profile.innerHTML = '<g class="grid-lines">' + extensionMarkup(gridHeight) + r.grid + '</g>' +
        r.body + '<line class="cursor-line" id="cursor-line" y1="0" y2="' + num(gridHeight) +
        '" visibility="hidden"/><g id="cursor-label" visibility="hidden"><rect class="cursor-label-back" ' +
        'height="16" rx="2"/><text class="cursor-label" y="12"></text></g>';
    layout.gridHeight = gridHeight;
    if (hadFocus) chart.focus({ preventScroll: true });
    renderTopAxis(ticks);
    var shown = document.getElementById('range-shown');
    if (shown) shown.textContent = 'km ' + km(view.from, 2) + ' to ' + km(view.to, 2);
    var box = document.getElementById('range');
    if (box && document.activeElement !== box) {
      box.value = km(view.from, 2) + '\u2013' + km(view.to, 2);
    }
    drawPlanStretch();
    if (cursorMetres !== null) showCursor(cursorMetres);
  }
  function rowMarks(id) {
    for (var i = 0; i < D.rows.length; i++) if (D.rows[i].id === id) return D.rows[i].marks;
    return [];
  }

  // ---- the range: zoom, pan, the box and the URL fragment ----
  var pending = false;
  function scheduleRender() {
    if (pending) return;
    pending = true;
    window.requestAnimationFrame(function () { pending = false; render(); });
  }
  var hashTimer = null;
  function setRange(from, to, keepHash) {
    var span = Math.max(MIN_SPAN, Math.min(AXIS, to - from));
    if (!(span > 0)) span = AXIS;
    from = Math.max(0, Math.min(AXIS - span, from));
    view.from = from;
    view.to = Math.min(AXIS, from + span);
    scheduleRender();
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
  function zoomAround(m, factor) {
    say('');
    setRange(m - (m - view.from) * factor, m + (view.to - m) * factor);
  }
  // "40-55", "40–55", "40 55", "40..55", "40 to 55", "km 40-55" or one
  // kilometre, which is shown with two kilometres on either side; a decimal
  // comma reads as a point. Anything else is null.
  var RANGE_PATTERN = new RegExp('^\\s*(?:km\\s*)?(\\d+(?:[.,]\\d+)?)\\s*(?:(?:-|\u2013|\u2014|\\.\\.|to)?' +
      '\\s*(\\d+(?:[.,]\\d+)?))?\\s*$', 'i');
  function parseRange(text) {
    var match = RANGE_PATTERN.exec(String(text));
    if (!match) return null;
    var a = parseFloat(match[1].replace(',', '.')) * 1000;
    if (match[2] === undefined) return [a - 2000, a + 2000];
    var b = parseFloat(match[2].replace(',', '.')) * 1000;
    return a < b ? [a, b] : [b, a];
  }
  // The text after "km=" in the URL fragment, or null when there is none.
  function hashRangeText() {
    var hash = window.location.hash || '';
    try { hash = decodeURIComponent(hash); } catch (e) { /* kept as written */ }
    var match = /km=([^&]*)/.exec(hash);
    return match ? match[1] : null;
  }

  // ---- a range asked for: shown, or said why not ----
  function say(text) {
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
      say('\u201c' + text + '\u201d in ' + where + ' is not a range of kilometres: write one such ' +
          'as 40\u201355, or one kilometre');
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
  function bringChartIntoView() {
    var along = document.getElementById('along');
    if (along && along.scrollIntoView) along.scrollIntoView({ block: 'start' });
  }
  function showFromHash(scroll) {
    var text = hashRangeText();
    if (text === null) return;
    showAsked(text, 'the address', true);
    if (scroll) bringChartIntoView();
  }

  chart.addEventListener('wheel', function (e) {
    e.preventDefault();
    var rect = profile.getBoundingClientRect(), scale = layout.width / rect.width;
    var m = metresAt((e.clientX - rect.left) * scale);
    var unit = e.deltaMode === 1 ? 16 : e.deltaMode === 2 ? 400 : 1;
    if (Math.abs(e.deltaX) > Math.abs(e.deltaY) || e.shiftKey) {
      var dx = (e.deltaX || e.deltaY) * unit;
      var dm = dx * (view.to - view.from) / layout.plotWidth;
      setRange(view.from + dm, view.to + dm);
      return;
    }
    zoomAround(Math.max(view.from, Math.min(view.to, m)), Math.exp(e.deltaY * unit * 0.0015));
  }, { passive: false });

  var pointers = {};
  var drag = null;
  function pointerList() { return Object.keys(pointers).map(function (k) { return pointers[k]; }); }
  chart.addEventListener('pointerdown', function (e) {
    if (e.button !== 0) return;
    pointers[e.pointerId] = { x: e.clientX, y: e.clientY };
    chart.setPointerCapture(e.pointerId);
    drag = { from: view.from, to: view.to, list: pointerList().map(function (p) { return { x: p.x }; }),
      moved: false };
  });
  chart.addEventListener('pointermove', function (e) {
    var rect = profile.getBoundingClientRect(), scale = layout.width / rect.width;
    if (pointers[e.pointerId] && drag) {
      pointers[e.pointerId] = { x: e.clientX, y: e.clientY };
      var now = pointerList(), span = drag.to - drag.from;
      if (now.length === 1 && drag.list.length === 1) {
        var dx = (now[0].x - drag.list[0].x) * scale;
        if (Math.abs(dx) > 3) { drag.moved = true; chart.classList.add('dragging'); }
        var dm = -dx * span / layout.plotWidth;
        setRange(drag.from + dm, drag.to + dm);
      } else if (now.length === 2 && drag.list.length === 2) {
        var d0 = Math.abs(drag.list[0].x - drag.list[1].x), d1 = Math.abs(now[0].x - now[1].x);
        if (d0 > 10 && d1 > 10) {
          drag.moved = true;
          var mid = (drag.list[0].x + drag.list[1].x) / 2;
          var m = drag.from + ((mid - rect.left) * scale - layout.plotLeft) * span / layout.plotWidth;
          var f = d0 / d1;
          setRange(m - (m - drag.from) * f, m + (drag.to - m) * f);
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
    drag = left.length ? { from: view.from, to: view.to, list: left.map(function (p) { return { x: p.x }; }),
      moved: true } : null;
  }
  chart.addEventListener('pointerup', endPointer);
  chart.addEventListener('pointercancel', endPointer);
  chart.addEventListener('pointerleave', function () { hideCursor(); });

  function button(id, action) {
    var b = document.getElementById(id);
    if (b) b.addEventListener('click', action);
  }
  button('zoom-in', function () { zoomAround((view.from + view.to) / 2, 0.5); });
  button('zoom-out', function () { zoomAround((view.from + view.to) / 2, 2); });
  button('zoom-all', function () { setRange(0, AXIS); });
  var form = document.getElementById('controls');
  if (form) {
    form.addEventListener('submit', function (e) {
      e.preventDefault();
      showAsked(document.getElementById('range').value, 'the box', false);
    });
  }
  window.addEventListener('hashchange', function () { showFromHash(true); });

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
    var span = view.to - view.from, middle = (view.from + view.to) / 2;
    switch (e.key) {
      case 'ArrowLeft': setRange(view.from - span / 4, view.to - span / 4); break;
      case 'ArrowRight': setRange(view.from + span / 4, view.to + span / 4); break;
      case '+': case '=': zoomAround(middle, 0.5); break;
      case '-': case '_': case '\u2212': zoomAround(middle, 2); break;
      case '0': setRange(0, AXIS); break;
      case 'Home': setRange(0, span); break;
      case 'End': setRange(AXIS - span, AXIS); break;
      default: return;
    }
    e.preventDefault();
    say('');
  });

  // ---- the cursor, on the rows and on the plan ----
  function valueAt(runs, m) {
    var i = lastAtOrBefore(runs, m, first);
    return i < 0 ? null : runs[i][1];
  }
  function showCursor(m) {
    cursorMetres = m;
    var line = document.getElementById('cursor-line'), label = document.getElementById('cursor-label');
    if (line && m >= view.from && m <= view.to) {
      var x = X(m);
      line.setAttribute('x1', x); line.setAttribute('x2', x); line.setAttribute('visibility', 'visible');
      var text = 'km ' + (m / 1000).toFixed(3);
      var speed = valueAt(D.speed, m), grad = valueAt(D.gradient, m);
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
  function hideCursor() {
    cursorMetres = null;
    var line = document.getElementById('cursor-line'), label = document.getElementById('cursor-label');
    if (line) { line.setAttribute('visibility', 'hidden'); label.setAttribute('visibility', 'hidden'); }
    showPlanCursor(null);
  }

  // ---- tooltips ----
  var activeFeature = null;
  function seriesTip(id, m) {
    var runs = id === 'speed' ? D.speed : id === 'gradient' || id === 'altitude' ? D.gradient : D.adhesion;
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
    if (from && from.length) {
      // An entry changes its profile from the cell before its position's.
      var i = lastAtOrBefore(from, m + 74, first);
      if (i >= 0) text += ', from posizione ' + from[i][0] + ' m\n' + from[i][1];
    }
    return text;
  }
  function showTip(text, clientX, clientY) {
    if (!text) { hideTip(); return; }
    tooltip.textContent = text;
    tooltip.hidden = false;
    var w = tooltip.offsetWidth, h = tooltip.offsetHeight;
    var x = clientX + 14, y = clientY + 16;
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
  function tipFor(target, clientX) {
    var feature = target.closest ? target.closest('.feature') : null;
    if (feature && feature.hasAttribute('data-tip')) {
      if (activeFeature && activeFeature !== feature) activeFeature.classList.remove('active');
      activeFeature = feature;
      feature.classList.add('active');
      return feature.closest('#plan') ? planTips[+feature.getAttribute('data-tip')]
          : tips[+feature.getAttribute('data-tip')];
    }
    var series = target.closest ? target.closest('[data-series]') : null;
    if (series) {
      var rect = profile.getBoundingClientRect();
      return seriesTip(series.getAttribute('data-series'),
          metresAt((clientX - rect.left) * layout.width / rect.width));
    }
    return '';
  }
  [chart, planSvg].forEach(function (element) {
    if (!element) return;
    element.addEventListener('pointermove', function (e) {
      if (drag && drag.moved) { hideTip(); return; }
      showTip(tipFor(e.target, e.clientX), e.clientX, e.clientY);
    });
    element.addEventListener('pointerleave', hideTip);
    element.addEventListener('focusin', function (e) {
      var r = e.target.getBoundingClientRect();
      showTip(tipFor(e.target, r.left), r.left + r.width / 2, r.bottom);
    });
    element.addEventListener('focusout', hideTip);
  });

  // ---- the plan ----
  var plan = D.plan, planTips = [], planFrame = null;
  function planPointAt(m) {
    var pts = plan.points, i = lastAtOrBefore(pts, m, first);
    if (i < 0) i = 0;
    if (i >= pts.length - 1) return planFrame.map(pts[pts.length - 1]);
    var a = pts[i], b = pts[i + 1], t = b[0] > a[0] ? (m - a[0]) / (b[0] - a[0]) : 0;
    t = Math.max(0, Math.min(1, t));
    return planFrame.map([m, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t]);
  }
  function planPath(from, to) {
    var pts = plan.points, d = '', p = planPointAt(Math.max(from, plan.first));
    d = 'M' + num(p.x) + ',' + num(p.y);
    for (var i = Math.max(0, lastAtOrBefore(pts, from, first) + 1); i < pts.length && pts[i][0] < to; i++) {
      var q = planFrame.map(pts[i]);
      d += 'L' + num(q.x) + ',' + num(q.y);
    }
    p = planPointAt(Math.min(to, plan.last));
    return d + 'L' + num(p.x) + ',' + num(p.y);
  }
  function Box(x0, y0, x1, y1) { this.x0 = x0; this.y0 = y0; this.x1 = x1; this.y1 = y1; }
  Box.prototype.overlaps = function (o) {
    return this.x0 < o.x1 && o.x0 < this.x1 && this.y0 < o.y1 && o.y0 < this.y1;
  };

  function renderPlan() {
    if (!planSvg || !plan || !plan.points.length) return;
    var width = Math.max(200, planSvg.parentNode.clientWidth - 2);
    var pts = plan.points, umin = Infinity, umax = -Infinity, vmin = Infinity, vmax = -Infinity;
    pts.forEach(function (p) {
      umin = Math.min(umin, p[1]); umax = Math.max(umax, p[1]);
      vmin = Math.min(vmin, p[2]); vmax = Math.max(vmax, p[2]);
    });
    var side = Math.min(60, width * 0.06), margin = 26;
    var maxHeight = Math.max(260, Math.min(460, width * 0.45));
    var scale = Math.min((width - 2 * side) / Math.max(umax - umin, 1e-6),
        (maxHeight - 2 * margin) / Math.max(vmax - vmin, 1e-6));
    var drawn = (vmax - vmin) * scale;
    var height = Math.max(120, drawn + 2 * margin);
    var left = side + ((width - 2 * side) - (umax - umin) * scale) / 2;
    var top = (height - drawn) / 2 + vmax * scale;
    planFrame = { map: function (p) { return { x: left + (p[1] - umin) * scale, y: top - p[2] * scale }; } };
    var screen = pts.map(function (p) { return planFrame.map(p); });
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
    if (step < 1000) step = 1000;
    function direction(m) {
      var a = planPointAt(Math.max(plan.first, m - 40)), b = planPointAt(Math.min(plan.last, m + 40));
      var l = Math.hypot(b.x - a.x, b.y - a.y);
      return l < 1e-9 ? { x: 1, y: 0 } : { x: (b.x - a.x) / l, y: (b.y - a.y) / l };
    }
    body += '<g class="plan-km">';
    for (var m = Math.ceil(plan.first / step) * step; m <= plan.last; m += step) {
      var p = planPointAt(m), d = direction(m), n = { x: d.y, y: -d.x }, label = km(m, 0);
      var lp = { x: p.x - n.x * 14, y: p.y - n.y * 14 }, w = textWidth(label, 10);
      taken.push(new Box(lp.x - w / 2, lp.y - 6, lp.x + w / 2, lp.y + 6));
      body += '<g class="plan-km-tick" data-km="' + label + '"><line x1="' + num(p.x + n.x * 4) +
          '" y1="' + num(p.y + n.y * 4) + '" x2="' + num(p.x - n.x * 4) + '" y2="' + num(p.y - n.y * 4) +
          '"/><text class="plan-km-label" x="' + num(lp.x) + '" y="' + num(lp.y + 3.5) + '">' + label +
          '</text></g>';
    }
    body += '</g>';
    var result = placeStationLabels(screen, taken, width, height);
    planSvg.setAttribute('viewBox', '0 ' + num(-result.above) + ' ' + width + ' ' +
        num(height + result.above + result.below));
    planSvg.setAttribute('width', width);
    planSvg.setAttribute('height', num(height + result.above + result.below));
    planSvg.innerHTML = body + result.svg + '<circle class="plan-cursor" id="plan-cursor" r="5" ' +
        'visibility="hidden"/>';
    drawPlanStretch();
  }

  // Every station's name: beside its dot where there is room, else in a row
  // above or below the drawing with a leader line to the dot.
  function placeStationLabels(screen, taken, width, height) {
    var size = 11, rowHeight = 15, items = [];
    var inRange = D.stations.filter(function (s) { return s[0] >= plan.first - 1000 && s[0] <= plan.last + 1000; });
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
      var p = it.p, w = it.w, h = 13;
      var candidates = [new Box(p.x + 7, p.y - h / 2, p.x + 7 + w, p.y + h / 2),
        new Box(p.x - 7 - w, p.y - h / 2, p.x - 7, p.y + h / 2),
        new Box(p.x - w / 2, p.y - 8 - h, p.x + w / 2, p.y - 8),
        new Box(p.x - w / 2, p.y + 8, p.x + w / 2, p.y + 8 + h),
        new Box(p.x + 5, p.y - 6 - h, p.x + 5 + w, p.y - 6),
        new Box(p.x + 5, p.y + 6, p.x + 5 + w, p.y + 6 + h),
        new Box(p.x - 5 - w, p.y - 6 - h, p.x - 5, p.y - 6),
        new Box(p.x - 5 - w, p.y + 6, p.x - 5, p.y + 6 + h)];
      for (var i = 0; i < candidates.length; i++) {
        if (free(candidates[i])) { taken.push(candidates[i]); it.box = candidates[i]; return; }
      }
      leftover.push(it);
    });
    // The rest in rows above and below the drawing, nearest row first.
    var rows = { above: [], below: [] };
    var middle = height / 2;
    leftover.sort(function (a, b) { return a.p.x - b.p.x; });
    leftover.forEach(function (it) {
      var sideName = it.p.y <= middle ? 'above' : 'below', list = rows[sideName];
      var x0 = Math.max(2, Math.min(width - it.w - 2, it.p.x - it.w / 2));
      for (var level = 0; ; level++) {
        if (!list[level]) list[level] = [];
        var clash = list[level].some(function (r) { return x0 < r[1] + 6 && r[0] < x0 + it.w + 6; });
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
      var s = it.s, p = it.p, b = it.box;
      planTips.push(s[5]);
      svg += '<g class="feature plan-station" tabindex="0" data-tip="' + (planTips.length - 1) +
          '" data-metres="' + s[0] + '">';
      if (it.leader) {
        var ly = b.y0 > p.y ? b.y0 : b.y1;
        svg += '<line class="plan-leader" x1="' + num(p.x) + '" y1="' + num(p.y) + '" x2="' +
            num(Math.max(b.x0, Math.min(b.x1, p.x))) + '" y2="' + num(ly) + '"/>';
      }
      svg += '<circle cx="' + num(p.x) + '" cy="' + num(p.y) + '" r="3.5"/><text class="plan-station-label" x="' +
          num(b.x0) + '" y="' + num(b.y1 - 3) + '">' + esc(s[4]) + '</text></g>';
    });
    return { svg: svg + '</g>', above: rows.above.length * rowHeight + (rows.above.length ? 4 : 0),
      below: rows.below.length * rowHeight + (rows.below.length ? 4 : 0) };
  }

  function drawPlanStretch() {
    var shown = document.getElementById('plan-shown');
    if (!shown || !planFrame) return;
    var whole = view.from <= plan.first && view.to >= plan.last;
    shown.setAttribute('d', whole ? '' : planPath(Math.max(view.from, plan.first), Math.min(view.to, plan.last)));
  }
  function showPlanCursor(m) {
    var dot = document.getElementById('plan-cursor');
    if (!dot || !planFrame) return;
    if (m === null) { dot.setAttribute('visibility', 'hidden'); return; }
    var p = planPointAt(Math.max(plan.first, Math.min(plan.last, m)));
    dot.setAttribute('cx', num(p.x)); dot.setAttribute('cy', num(p.y));
    dot.setAttribute('visibility', 'visible');
  }
  if (planSvg && plan) {
    planSvg.addEventListener('pointermove', function (e) {
      if (!planFrame) return;
      var rect = planSvg.getBoundingClientRect(), box = planSvg.viewBox.baseVal;
      var x = (e.clientX - rect.left) * box.width / rect.width + box.x;
      var y = (e.clientY - rect.top) * box.height / rect.height + box.y;
      var best = null, bestD = 24 * 24;
      plan.points.forEach(function (p) {
        var q = planFrame.map(p), d = (q.x - x) * (q.x - x) + (q.y - y) * (q.y - y);
        if (d < bestD) { bestD = d; best = p; }
      });
      if (best) showCursor(best[0]); else hideCursor();
    });
    planSvg.addEventListener('pointerleave', function () { hideCursor(); });
    planSvg.addEventListener('click', function () {
      if (cursorMetres === null) return;
      var span = view.to - view.from;
      setRange(cursorMetres - span / 2, cursorMetres + span / 2);
    });
  }

  // ---- the legend ----
  function legend() {
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
      ['series adhesion', 'adhesion'],
    ];
    if (ROUTE_END !== null) {
      items.push(['extension', 'the route\u2019s end (dashed) and the cells past it (shaded)']);
    }
    if (diagnosticMarks.length) {
      items.unshift(['diagnostic-mark error', 'error of the compile'],
          ['diagnostic-mark warning', 'warning of the compile']);
    }
    box.innerHTML = items.map(function (item) {
      var cls = item[0], picture;
      if (cls === 'station') {
        picture = '<rect class="station-area" x="2" y="10" width="16" height="6"/>' +
            '<line class="station-tick" x1="8" x2="8" y1="2" y2="16"/><path class="station-stop" d="M14,16l-3,4h6z"/>';
      } else if (cls === 'slowdown') {
        picture = '<rect class="slowdown-bar" x="2" y="8" width="18" height="7"/>';
      } else if (cls === 'extension') {
        picture = '<rect class="extension" x="8" y="2" width="13" height="18"/>' +
            '<line class="route-end" x1="8" x2="8" y1="2" y2="20"/>';
      } else if (/^stretch/.test(cls)) {
        picture = '<rect x="2" y="5" width="18" height="12"/>';
      } else if (/^series/.test(cls)) {
        picture = '<path class="' + cls + '" d="M2,15H9V7H20' + (/altitude/.test(cls) ? 'V18H2Z' : '') + '"/>';
        cls = '';
      } else {
        picture = glyph(cls, 11, 14);
      }
      return '<span class="legend-item"><svg width="22" height="22" viewBox="0 0 22 22" aria-hidden="true">' +
          '<g class="feature ' + cls + '">' + picture + '</g></svg>' + esc(item[1]) + '</span>';
    }).join('');
  }

  var resizeTimer = null;
  window.addEventListener('resize', function () {
    clearTimeout(resizeTimer);
    resizeTimer = setTimeout(function () { renderPlan(); render(); }, 100);
  });
  // On paper the chart is drawn at a fixed width and scaled to the page's.
  function printing(on) {
    layout.printWidth = on ? PRINT_WIDTH : 0;
    renderPlan();
    render();
  }
  window.addEventListener('beforeprint', function () { printing(true); });
  window.addEventListener('afterprint', function () { printing(false); });
  if (window.matchMedia) {
    var printQuery = window.matchMedia('print');
    if (printQuery.addEventListener) {
      printQuery.addEventListener('change', function (e) { printing(e.matches); });
    }
  }

  // ---- the tables: sorted by a click on a column's title, a row shown on the chart ----
  function cellKey(row, column) {
    if (column === 0) return +row.getAttribute('data-m');
    var cell = row.cells[column];
    return cell ? cell.textContent.trim() : '';
  }
  function sortTable(table, column, th) {
    var body = table.tBodies[0];
    if (!body) return;
    var rows = Array.prototype.slice.call(body.rows).filter(function (r) { return r.hasAttribute('data-m'); });
    var numeric = rows.every(function (r) {
      var key = cellKey(r, column);
      return key === '' || typeof key === 'number' || !isNaN(parseFloat(key));
    });
    var ascending = th.getAttribute('aria-sort') !== 'ascending';
    var keyed = rows.map(function (r, i) {
      var key = cellKey(r, column);
      if (numeric) key = key === '' ? -Infinity : typeof key === 'number' ? key : parseFloat(key);
      return { row: r, key: key, index: i };
    });
    keyed.sort(function (a, b) {
      var order = a.key < b.key ? -1 : a.key > b.key ? 1 : a.index - b.index;
      return ascending ? order : -order;
    });
    keyed.forEach(function (k) { body.appendChild(k.row); });
    Array.prototype.forEach.call(table.tHead.rows[0].cells, function (c) { c.removeAttribute('aria-sort'); });
    th.setAttribute('aria-sort', ascending ? 'ascending' : 'descending');
  }
  function showRow(row) {
    var from = +row.getAttribute('data-m');
    var to = row.hasAttribute('data-to') ? +row.getAttribute('data-to') : from;
    var pad = Math.max(1000, (to - from) * 0.1);
    say('');
    setRange(from - pad, to + pad);
    var previous = document.querySelector('tr.shown');
    if (previous) previous.classList.remove('shown');
    row.classList.add('shown');
    bringChartIntoView();
  }
  // The kilometre of each row as a link to it on the chart, with a kilometre
  // on either side: the keyboard's way to a row.
  function kilometreLinks(table) {
    Array.prototype.forEach.call(table.querySelectorAll('tbody tr[data-m]'), function (row) {
      var from = +row.getAttribute('data-m');
      var to = row.hasAttribute('data-to') ? +row.getAttribute('data-to') : from;
      var cell = row.cells[0], a = document.createElement('a');
      a.href = '#km=' + km(Math.max(0, from - 1000)) + '-' + km(to + 1000);
      a.textContent = cell.textContent;
      cell.textContent = '';
      cell.appendChild(a);
    });
  }
  function tables() {
    Array.prototype.forEach.call(document.querySelectorAll('table.sortable'), function (table) {
      if (!table.tHead) return;
      Array.prototype.forEach.call(table.tHead.rows[0].cells, function (th, column) {
        var b = document.createElement('button');
        b.type = 'button';
        b.className = 'sort';
        b.textContent = th.textContent;
        b.title = 'Sort by ' + th.textContent;
        th.textContent = '';
        th.appendChild(b);
        b.addEventListener('click', function () { sortTable(table, column, th); });
      });
      kilometreLinks(table);
      table.addEventListener('click', function (e) {
        var row = e.target.closest('tr[data-m]');
        // A link shows the row itself; the source stays free to select.
        if (!row || e.target.closest('a, .src')) return;
        if (String(window.getSelection ? window.getSelection() : '').length) return;
        showRow(row);
      });
    });
  }

  legend();
  renderPlan();
  showFromHash(false);
  render();
  if (window.performance && performance.mark) performance.mark('percorso-chart-drawn');
  // The tables follow the script in the page.
  function whenRead() {
    tables();
    if (hashRangeText() !== null) bringChartIntoView();
  }
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', whenRead);
  else whenRead();
  profile.setAttribute('data-ready', '1');
})();
