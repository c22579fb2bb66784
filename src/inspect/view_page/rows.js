// The rows of marks along the line: the compile's messages, stations, signals,
// slowdowns, boards, markers and terrain stretches, each mark with its tooltip.
import { D, LABEL_SIZE, LEVEL, STATION_SIZE, TITLE, layout, view } from './state.js';
import { X, esc, first, km, lastAtOrBefore, num, textWidth } from './helpers.js';
import { Lanes } from './lanes.js';
import { glyph } from './glyphs.js';

// The tooltips of the marks drawn, by index; drawn anew with the chart.
export var tips = [];
export function resetTips() {
  tips = [];
}

export var ROW_TITLES = {};
D.rows.forEach(function (row) {
  ROW_TITLES[row.id] = row.title;
});
D.rows.forEach(function (row) {
  row.marks.sort(function (a, b) {
    return a[0] - b[0];
  });
});
D.slowdownBoards.sort(function (a, b) {
  return a[0] - b[0];
});
// Looked up by position: the entries in file order need not be.
[D.speedFrom, D.gradientFrom].forEach(function (list) {
  list.sort(function (a, b) {
    return a[0] - b[0];
  });
});
export var diagnosticMarks = [];
D.diagnostics.forEach(function (d, i) {
  if (d[3] !== null) {
    diagnosticMarks.push([
      d[3],
      'diagnostic-mark ' + d[0],
      '',
      d[0] + ': ' + d[2] + (d[1] ? '\n' + d[1] : ''),
      i,
    ]);
  }
});
diagnosticMarks.sort(function (a, b) {
  return a[0] - b[0];
});

// The chart is drawn in two layers: `body` holds what stands at a kilometre
// (marks, labels, profiles, the km axis), which a pan or a zoom moves;
// `fixed` holds what stands still (row titles, value ticks, rules, notes).
export function Renderer() {
  this.body = '';
  this.fixed = '';
  this.grid = '';
  this.y = 0;
}
Renderer.prototype.beginRow = function (id, title, height, subtitle) {
  this.rowTop = this.y + TITLE;
  this.rowHeight = height;
  this.body +=
    '<g class="row row-' + id + '" transform="translate(0,' + num(this.y + TITLE) + ')">';
  this.fixed +=
    '<g class="row-head row-head-' +
    id +
    '" transform="translate(0,' +
    num(this.y) +
    ')"><text class="row-title" x="8" y="11">' +
    esc(title) +
    (subtitle ? '<tspan class="row-subtitle"> ' + esc(subtitle) + '</tspan>' : '') +
    '</text>';
};
Renderer.prototype.endRow = function () {
  this.body += '</g>\n';
  this.fixed +=
    '<line class="row-rule" x1="' +
    num(layout.plotLeft) +
    '" x2="' +
    num(layout.plotLeft + layout.plotWidth) +
    '" y1="' +
    num(TITLE + this.rowHeight) +
    '" y2="' +
    num(TITLE + this.rowHeight) +
    '"/></g>\n';
  this.y += TITLE + this.rowHeight;
};
export function tip(text) {
  tips.push(text);
  return tips.length - 1;
}
// A mark's name for a screen reader: its tooltip's first lines, without the
// cells and their members, which the tooltip still shows.
export function shortName(text) {
  return String(text)
    .split('\n')
    .filter(function (line) {
      return !/^cells? \d/.test(line);
    })
    .slice(0, 3)
    .join('; ');
}
// A mark that the keyboard reaches and a screen reader names by its
// tooltip.
export function featureOpen(cls, attrs, tipIndex) {
  return (
    '<g class="feature ' +
    cls +
    '" tabindex="0" role="img" aria-label="' +
    esc(shortName(tips[tipIndex])) +
    '" data-tip="' +
    tipIndex +
    '"' +
    attrs +
    '>'
  );
}

// Marks of one row, those closer than `gap` pixels drawn as one with their count.
// The visible marks of a row grouped: [first index, end index, x].
function groups(marks, gap) {
  var out = [],
    start = Math.max(0, lastAtOrBefore(marks, view.from, first));
  for (var i = start; i < marks.length && marks[i][0] <= view.to;) {
    if (marks[i][0] < view.from) {
      i++;
      continue;
    }
    var x0 = X(marks[i][0]),
      j = i + 1;
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
  var left = layout.plotLeft,
    right = layout.plotLeft + layout.plotWidth;
  for (var level = 0; level < lanes.taken.length; level++) {
    var under = true;
    for (var below = 0; below < level; below++) {
      if (!lanes.free(below, x - 2, x + 2)) {
        under = false;
        break;
      }
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

// Places the labels of `items` ({x, text, own, shorter}: `own` the room of
// the item's mark, free for its own label; `shorter` texts to try, in turn,
// when the whole text finds no room) from the right to the left, so that
// the labels that climb to higher levels climb leftwards and their leader
// lines cross no label. {at: [{x, level, text} or null], hidden: count}.
function placeLabels(items, lanes, size) {
  var at = [],
    hidden = 0;
  for (var n = items.length - 1; n >= 0; n--) {
    var it = items[n];
    at[n] = null;
    if (!it.text) continue;
    if (it.own) lanes.release(0, it.own[0], it.own[1]);
    var texts = [it.text].concat(it.shorter || []),
      place = null;
    for (var t = 0; t < texts.length && !place; t++) {
      place = placeBeside(lanes, it.x, textWidth(texts[t], size));
      if (place) place.text = texts[t];
    }
    if (it.own) lanes.take(0, it.own[0], it.own[1]);
    if (place) at[n] = place;
    else hidden++;
  }
  return { at: at, hidden: hidden };
}

// Shorter forms of a name for a crowded row, each ending in a full stop:
// "SAN BENEDETTO V.d.S" gives "SAN BENEDETTO.", "SAN BENED.", "SAN B." and
// "SAN.". The full name stays in the mark's tooltip and its name.
export function abbreviations(name) {
  var out = [],
    text = String(name).trim();
  [0.75, 0.55, 0.4, 0.25].forEach(function (part) {
    var n = Math.max(3, Math.round(text.length * part));
    if (n >= text.length - 1) return;
    var cut = text.slice(0, n).replace(/[\s.,;:-]+$/, '') + '.';
    if (cut.length > 1 && out.indexOf(cut) < 0) out.push(cut);
  });
  return out;
}

// A label placed by placeBeside, with its leader line when it stands above
// the first level; `y0` is the baseline of the first level, `top` the top
// of the mark.
function labelText(cls, text, place, x, y0, top) {
  var y = y0 - LEVEL * place.level,
    out = '';
  if (place.level > 0) {
    var end = place.x > x ? place.x - 1 : place.x + textWidth(text, LABEL_SIZE) + 1;
    out +=
      '<path class="leader" d="M' +
      num(x) +
      ',' +
      num(top) +
      'V' +
      num(y - 4) +
      'H' +
      num(end) +
      '"/>';
  }
  return (
    out +
    '<text class="' +
    cls +
    '" x="' +
    num(place.x) +
    '" y="' +
    num(y) +
    '">' +
    esc(text) +
    '</text>'
  );
}

// The count of labels a row could not place, said at the right of its
// title: no label goes missing without a word.
Renderer.prototype.hiddenLabels = function (count) {
  if (!count) return;
  this.fixed +=
    '<text class="row-note" x="' +
    num(layout.plotLeft + layout.plotWidth) +
    '" y="12">+' +
    count +
    (count === 1 ? ' label' : ' labels') +
    ': zoom in</text>';
};

// Marks of one row, those closer than a few pixels drawn as one with their
// count, each labelled beside itself where there is room.
Renderer.prototype.marks = function (marks, what, height, levels, labelOf) {
  var markY = height - 10,
    lanes = new Lanes(Math.max(1, levels)),
    list = groups(marks, 6);
  // No label sits over a mark that is not its own.
  list.forEach(function (g) {
    lanes.take(0, g[2] - 5, g[2] + 5);
  });
  var placed = placeLabels(
    list.map(function (g) {
      var count = g[1] - g[0],
        m = marks[g[0]];
      var label = levels > 0 ? (count === 1 ? (labelOf ? labelOf(m) : m[2]) : String(count)) : '';
      return { x: g[2], text: label, own: [g[2] - 5, g[2] + 5] };
    }),
    lanes,
    LABEL_SIZE,
  );
  for (var n = 0; n < list.length; n++) {
    var i = list[n][0],
      j = list[n][1],
      x = list[n][2],
      count = j - i;
    var m = marks[i],
      text;
    if (count === 1) {
      text = m[3];
    } else {
      text =
        count +
        ' ' +
        what +
        ', km ' +
        km(marks[i][0]) +
        ' to ' +
        km(marks[j - 1][0]) +
        ' (zoom in to see each)';
      for (var k = i; k < j && k < i + 4; k++) text += '\n\u2022 ' + marks[k][3].split('\n')[0];
      if (count > 4) text += '\n\u2026 and ' + (count - 4) + ' more';
    }
    var cls = count === 1 ? m[1] : m[1].split(' ')[0] + ' group';
    this.body +=
      featureOpen(cls, ' data-metres="' + m[0] + '" data-count="' + count + '"', tip(text)) +
      '<rect class="hit" x="' +
      num(x - 12) +
      '" y="0" width="24" height="' +
      height +
      '"/>' +
      glyph(cls, x, markY);
    if (placed.at[n]) {
      this.body += labelText(
        count === 1 ? 'mark-label' : 'mark-count',
        placed.at[n].text,
        placed.at[n],
        x,
        markY - 10,
        markY - 9,
      );
    }
    this.body += '</g>';
  }
  return placed.hidden;
};

// The height of a row of marks with `levels` levels of labels.
function rowHeight(levels) {
  return 26 + LEVEL * levels;
}

Renderer.prototype.markRow = function (id, title, marks, what, levels, labelOf) {
  var height = rowHeight(levels);
  this.beginRow(id, title, height);
  this.hiddenLabels(this.marks(marks, what, height, levels, labelOf));
  this.endRow();
};

// Levels of station names written across, before they are stood upright.
var STATION_LEVELS = 6;
// Upright names: the room each takes across, and the longest one drawn
// whole (a longer one is cut short; its full name is in its tooltip).
var UPRIGHT_GAP = 14,
  TIGHTEST_GAP = 12.5,
  UPRIGHT_LONGEST = 170;

// The x of each upright name, in order: as near its mark as it can be, at
// least UPRIGHT_GAP from the next (or, when that is too much for them all,
// down to TIGHTEST_GAP), all inside left..right. Null when they do not fit.
export function spreadUpright(xs, left, right) {
  var n = xs.length;
  if (n === 0) return [];
  var gap = n > 1 ? Math.min(UPRIGHT_GAP, (right - left) / (n - 1)) : UPRIGHT_GAP;
  if (gap < TIGHTEST_GAP) return null;
  // Runs of names that push each other apart, each centred on its marks.
  var runs = [];
  xs.forEach(function (x, i) {
    runs.push({ first: i, count: 1, sum: x, at: x });
    for (;;) {
      var r = runs[runs.length - 1];
      var centred = r.sum / r.count - ((r.count - 1) * gap) / 2;
      r.at = Math.max(left, Math.min(right - (r.count - 1) * gap, centred));
      var q = runs[runs.length - 2];
      if (!q || q.at + q.count * gap <= r.at) break;
      q.count += r.count;
      q.sum += r.sum;
      runs.pop();
    }
  });
  var out = [];
  runs.forEach(function (r) {
    for (var k = 0; k < r.count; k++) out.push(r.at + k * gap);
  });
  return out;
}

// The names of the stations in the range: across, on a few levels, when
// they all find room; else upright, spread apart with a leader line from
// each mark to its name.
Renderer.prototype.stations = function () {
  var self = this,
    lanes = new Lanes(STATION_LEVELS);
  var shown = D.stations.filter(function (s) {
    return s[2] >= view.from && s[1] <= view.to;
  });
  shown.sort(function (a, b) {
    return a[0] - b[0];
  });
  var marked = shown.filter(function (s) {
    return s[0] >= view.from && s[0] <= view.to;
  });
  var placed = placeLabels(
    marked.map(function (s) {
      return { x: X(s[0]), text: s[4] };
    }),
    lanes,
    STATION_SIZE,
  );
  var upright = null,
    names = null,
    longest = 0;
  if (placed.hidden) {
    names = marked.map(function (s) {
      var text = s[4],
        shorter = abbreviations(text);
      for (var k = 0; textWidth(text, STATION_SIZE) > UPRIGHT_LONGEST && k < shorter.length; k++) {
        text = shorter[k];
      }
      longest = Math.max(longest, textWidth(text, STATION_SIZE));
      return text;
    });
    upright = spreadUpright(
      marked.map(function (s) {
        return X(s[0]);
      }),
      layout.plotLeft + 9,
      layout.plotLeft + layout.plotWidth - 9,
    );
  }
  var top = 2;
  placed.at.forEach(function (p) {
    if (p) top = Math.max(top, p.level);
  });
  var fan = 18,
    height = upright ? longest + fan + 34 : (top + 1) * LEVEL + 30,
    base = height - 6;
  this.beginRow('stations', 'stations', height);
  shown.forEach(function (s) {
    var a = X(Math.max(s[1], view.from)),
      b = X(Math.min(s[2], view.to));
    self.body +=
      '<rect class="station-area" x="' +
      num(a) +
      '" y="' +
      num(base - 10) +
      '" width="' +
      num(Math.max(b - a, 1)) +
      '" height="10"/>';
  });
  marked.forEach(function (s, n) {
    var x = X(s[0]);
    self.body +=
      featureOpen('station', ' data-metres="' + s[0] + '"', tip(s[5])) +
      '<rect class="hit" x="' +
      num(x - 12) +
      '" y="0" width="24" height="' +
      height +
      '"/>' +
      '<line class="station-tick" x1="' +
      num(x) +
      '" x2="' +
      num(x) +
      '" y1="' +
      num(base - 22) +
      '" y2="' +
      num(base) +
      '"/>';
    if (s[3] !== null && s[3] >= view.from && s[3] <= view.to) {
      self.body +=
        '<path class="station-stop" d="M' + num(X(s[3])) + ',' + num(base) + 'l-4,6h8z"/>';
    }
    if (upright) {
      var lx = upright[n],
        foot = base - 22 - fan;
      self.body +=
        '<path class="station-leader" d="M' +
        num(x) +
        ',' +
        num(base - 22) +
        'V' +
        num(base - 26) +
        'L' +
        num(lx) +
        ',' +
        num(foot + 2) +
        '"/><text class="station-label upright' +
        (names[n] !== s[4] ? ' short' : '') +
        '" transform="translate(' +
        num(lx + 4.5) +
        ',' +
        num(foot) +
        ') rotate(-90)">' +
        esc(names[n]) +
        '</text>';
    } else {
      var place = placed.at[n];
      if (place) {
        var y = base - 25 - LEVEL * place.level;
        if (place.level > 0) {
          self.body +=
            '<line class="station-leader" x1="' +
            num(x) +
            '" x2="' +
            num(x) +
            '" y1="' +
            num(base - 22) +
            '" y2="' +
            num(y - 4) +
            '"/>';
        }
        self.body +=
          '<text class="station-label" x="' +
          num(place.x) +
          '" y="' +
          num(y) +
          '">' +
          esc(s[4]) +
          '</text>';
      }
    }
    self.body += '</g>';
  });
  this.hiddenLabels(upright ? 0 : placed.hidden);
  this.endRow();
};

Renderer.prototype.slowdowns = function () {
  var height = 44,
    lanes = new Lanes(1),
    self = this,
    hidden = 0;
  var left = layout.plotLeft,
    right = layout.plotLeft + layout.plotWidth;
  this.beginRow('slowdowns', 'slowdowns', height);
  // A bar's label keeps off the boards' marks.
  groups(D.slowdownBoards, 6).forEach(function (g) {
    lanes.take(0, g[2] - 7, g[2] + 7);
  });
  D.slowdowns.forEach(function (s) {
    if (s[1] < view.from || s[0] > view.to) return;
    var a = X(Math.max(s[0], view.from)),
      b = Math.max(X(Math.min(s[1], view.to)), a + 2);
    self.body +=
      featureOpen('slowdown', ' data-metres="' + s[0] + '"', tip(s[3])) +
      '<rect class="hit" x="' +
      num(a - 3) +
      '" y="0" width="' +
      num(b - a + 6) +
      '" height="' +
      height +
      '"/><rect class="slowdown-bar" x="' +
      num(a) +
      '" y="' +
      num(height - 12) +
      '" width="' +
      num(b - a) +
      '" height="8"/>';
    var w = textWidth(s[2], LABEL_SIZE),
      options = [a, b - w],
      placed = false;
    for (var o = 0; o < options.length && !placed; o++) {
      var lx = options[o];
      if (lx < left || lx + w > right || !lanes.free(0, lx - 2, lx + w + 2)) continue;
      lanes.take(0, lx - 2, lx + w + 2);
      self.body +=
        '<text class="mark-label" x="' +
        num(lx) +
        '" y="' +
        num(height - 15) +
        '">' +
        esc(s[2]) +
        '</text>';
      placed = true;
    }
    if (!placed) hidden++;
    self.body += '</g>';
  });
  this.marks(D.slowdownBoards, 'slowdown boards', height, 1);
  this.hiddenLabels(hidden);
  this.endRow();
};

Renderer.prototype.stretches = function () {
  var height = 24,
    self = this;
  this.beginRow('terrain', 'terrain, tunnels', height);
  var list = D.stretches.filter(function (s) {
    return s[1] >= view.from && s[0] <= view.to;
  });
  for (var i = 0; i < list.length;) {
    var a = X(Math.max(list[i][0], view.from)),
      j = i + 1;
    var b = Math.max(X(Math.min(list[i][1], view.to)), a + 1),
      tunnel = list[i][2];
    // Stretches that would be drawn within a pixel of each other become one.
    while (j < list.length && X(list[j][0]) - b < 1) {
      b = Math.max(b, X(Math.min(list[j][1], view.to)));
      tunnel = tunnel || list[j][2];
      j++;
    }
    var count = j - i,
      text = list[i][4];
    if (count > 1) {
      text =
        count +
        ' stretches, km ' +
        km(list[i][0]) +
        ' to ' +
        km(list[j - 1][1]) +
        ' (zoom in to see each)';
    }
    var label = count === 1 ? list[i][3] : '';
    self.body +=
      featureOpen(
        'stretch' + (tunnel ? ' tunnel' : ''),
        ' data-metres="' + list[i][0] + '" data-count="' + count + '"',
        tip(text),
      ) +
      '<rect x="' +
      num(a) +
      '" y="3" width="' +
      num(b - a) +
      '" height="' +
      (height - 8) +
      '"/>';
    if (label && textWidth(label, 10) + 6 < b - a) {
      self.body +=
        '<text class="stretch-label" x="' +
        num(a + 3) +
        '" y="' +
        (height - 9) +
        '">' +
        esc(label) +
        '</text>';
    }
    self.body += '</g>';
    i = j;
  }
  this.endRow();
};
