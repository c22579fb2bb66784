// The places in the author's files (FILE:LINE and FILE:LINE:COL) as links that
// open the file at that line in the author's editor, when the page was made
// with an editor's address; plain text otherwise.
import { D } from './state.js';
import { allRows } from './tables.js';

var PLACE = /^(.+?):(\d+)(?::(\d+))?$/;

// The absolute path of a file as the page names it, in the form of a file
// URL's path: "/" between the parts, a leading "/" (before a drive letter
// too), every byte that is not plain text escaped.
function urlPath(file) {
  var paths = D.editor && D.editor.paths ? D.editor.paths : {};
  var path = Object.prototype.hasOwnProperty.call(paths, file) ? paths[file] : file;
  path = path.replace(/\\/g, '/');
  if (path.charAt(0) !== '/') path = '/' + path;
  return encodeURI(path).replace(/#/g, '%23').replace(/\?/g, '%3F');
}

// The editor's address of a place, or null when the page has no editor or
// the text names no line.
export function editorHref(place) {
  if (!D.editor || !D.editor.url) return null;
  var match = PLACE.exec(String(place).trim());
  if (!match) return null;
  return D.editor.url
    .split('{path}')
    .join(urlPath(match[1]))
    .split('{line}')
    .join(match[2])
    .split('{column}')
    .join(match[3] || '1');
}

// The last line of a tooltip that names a place in the sources, or null.
export function tipPlace(text) {
  var lines = String(text).split('\n');
  for (var i = lines.length - 1; i >= 0; i--) {
    var line = lines[i].trim();
    if (PLACE.test(line) && editorHref(line)) return line;
  }
  return null;
}

export function openInEditor(place) {
  var href = editorHref(place);
  if (href) window.location.href = href;
  return href !== null;
}

function linkCodes(codes) {
  Array.prototype.forEach.call(codes, function (code) {
    var href = editorHref(code.textContent);
    if (!href || code.querySelector('a')) return;
    var a = document.createElement('a');
    a.className = 'editor';
    a.href = href;
    a.title = 'Open in the editor';
    a.textContent = code.textContent;
    code.textContent = '';
    code.appendChild(a);
  });
}

// A table as it comes near the window: its waiting rows put in, its places
// made links to the editor. A long route's thousands of rows cost nothing
// before.
export function tableNear(box) {
  var table = box.querySelector('table');
  if (table) allRows(table);
  if (D.editor && D.editor.url) linkCodes(box.querySelectorAll('td.src code'));
}

// The messages' places made links to the editor; each table's rows and
// places as it comes near the window.
export function linkPlaces() {
  if (D.editor && D.editor.url) linkCodes(document.querySelectorAll('#diagnostics code.place'));
  var boxes = document.querySelectorAll('.table-box');
  if (!window.IntersectionObserver) {
    Array.prototype.forEach.call(boxes, tableNear);
    return;
  }
  var watch = new IntersectionObserver(
    function (entries) {
      entries.forEach(function (e) {
        if (!e.isIntersecting) return;
        watch.unobserve(e.target);
        tableNear(e.target);
      });
    },
    { rootMargin: '600px' },
  );
  Array.prototype.forEach.call(boxes, function (box) {
    watch.observe(box);
  });
}

// The buttons that open and close every group of messages.
function groupButton(id, open) {
  var b = document.getElementById(id);
  if (!b) return;
  b.addEventListener('click', function () {
    var groups = document.querySelectorAll('#diagnostics details.diagnostic-group');
    Array.prototype.forEach.call(groups, function (g) {
      g.open = open;
    });
  });
}
groupButton('diagnostics-open', true);
groupButton('diagnostics-close', false);
