// The tables: sorted by a click on a column's title, a row shown on the chart.
import { bringChartIntoView, say, setRange } from './zoom.js';

// The rows that wait in a table's template, put in its body.
export function allRows(table) {
  var waiting = table.querySelectorAll('template.more-rows');
  Array.prototype.forEach.call(waiting, function (t) {
    t.parentNode.insertBefore(t.content, t);
    t.parentNode.removeChild(t);
  });
}
export function allTables() {
  Array.prototype.forEach.call(document.querySelectorAll('table.sortable'), allRows);
}

function cellKey(row, column) {
  if (column === 0) return +row.getAttribute('data-m');
  var cell = row.cells[column];
  return cell ? cell.textContent.trim() : '';
}
function sortTable(table, column, th) {
  var body = table.tBodies[0];
  if (!body) return;
  allRows(table);
  var rows = Array.prototype.slice.call(body.rows).filter(function (r) {
    return r.hasAttribute('data-m');
  });
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
  keyed.forEach(function (k) {
    body.appendChild(k.row);
  });
  Array.prototype.forEach.call(table.tHead.rows[0].cells, function (c) {
    c.removeAttribute('aria-sort');
  });
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
export function tables() {
  Array.prototype.forEach.call(document.querySelectorAll('table.sortable'), function (table) {
    if (!table.tHead) return;
    Array.prototype.forEach.call(table.tHead.rows[0].cells, function (th, column) {
      var b = document.createElement('button');
      b.type = 'button';
      b.className = 'sort';
      b.textContent = th.textContent;
      b.title = 'Sort by ' + th.textContent;
      // On paper the title is written without its button, which a header
      // repeated on the next page would leave blank.
      th.setAttribute('data-title', th.textContent);
      th.textContent = '';
      th.appendChild(b);
      b.addEventListener('click', function () {
        sortTable(table, column, th);
      });
    });
    table.addEventListener('click', function (e) {
      var row = e.target.closest('tr[data-m]');
      // A link shows the row itself; the source stays free to select.
      if (!row || e.target.closest('a, .src')) return;
      if (String(window.getSelection ? window.getSelection() : '').length) return;
      showRow(row);
    });
  });
}
