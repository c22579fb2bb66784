// The page's data, the elements the script draws into, the chart's constants
// and the stretch of line in sight.

var dataElement = document.getElementById('view-data');
export var profile = document.getElementById('profile');
export var profileFixed = document.getElementById('profile-fixed');

export var D = JSON.parse(dataElement.textContent);
export var chart = document.getElementById('chart');
export var planSvg = document.getElementById('plan');
export var tooltip = document.getElementById('tooltip');
export var AXIS = Math.max(1, D.axis);
export var MIN_SPAN = 200; // metres: a few cells
export var GUTTER = 40,
  RIGHT = 10,
  TITLE = 16;
// Text sizes on the chart, in pixels: never below 12 at any width.
export var LABEL_SIZE = 12,
  STATION_SIZE = 12.5,
  LEVEL = 14;
export var ROUTE_END = D.routeEnd;
export var PRINT_WIDTH = 1000; // pixels: the chart's width on paper, before scaling

export var view = { from: 0, to: AXIS };
export var layout = { width: 0, plotLeft: GUTTER, plotWidth: 1 };
