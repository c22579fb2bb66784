// Horizontal intervals taken by labels, on a few levels.

export function Lanes(levels) {
  this.taken = [];
  for (var i = 0; i < levels; i++) this.taken.push([]);
}
Lanes.prototype.free = function (level, x0, x1) {
  var lane = this.taken[level];
  for (var i = 0; i < lane.length; i++) {
    if (x0 < lane[i][1] && lane[i][0] < x1) return false;
  }
  return true;
};
Lanes.prototype.take = function (level, x0, x1) {
  this.taken[level].push([x0, x1]);
};
// Frees the interval taken last as exactly x0..x1 on `level`.
Lanes.prototype.release = function (level, x0, x1) {
  var lane = this.taken[level];
  for (var i = lane.length - 1; i >= 0; i--) {
    if (lane[i][0] === x0 && lane[i][1] === x1) {
      lane.splice(i, 1);
      return;
    }
  }
};
Lanes.prototype.place = function (x0, x1) {
  for (var level = 0; level < this.taken.length; level++) {
    var lane = this.taken[level],
      free = true;
    for (var i = 0; i < lane.length; i++) {
      if (x0 < lane[i][1] && lane[i][0] < x1) {
        free = false;
        break;
      }
    }
    if (free) {
      lane.push([x0, x1]);
      return level;
    }
  }
  return -1;
};
