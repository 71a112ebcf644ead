.pragma library

// Even-odd point-in-polygon test over a list of Qt.point corners.
function contains(points, px, py) {
    var inside = false
    var n = points.length
    for (var i = 0, j = n - 1; i < n; j = i++) {
        var a = points[i], b = points[j]
        if ((a.y > py) !== (b.y > py)
                && px < (b.x - a.x) * (py - a.y) / (b.y - a.y) + a.x)
            inside = !inside
    }
    return inside
}

// The corners pulled towards their centre by factor (0..1): a smaller copy
// of the outline, used for snow caps and grass inside a beach.
function shrunk(points, factor) {
    var cx = 0, cy = 0
    for (var i = 0; i < points.length; ++i) { cx += points[i].x; cy += points[i].y }
    cx /= Math.max(1, points.length); cy /= Math.max(1, points.length)
    var out = []
    for (var k = 0; k < points.length; ++k)
        out.push(Qt.point(cx + (points[k].x - cx) * factor, cy + (points[k].y - cy) * factor))
    return out
}

function closed(points) {
    if (points.length === 0)
        return points
    var out = points.slice()
    out.push(points[0])
    return out
}
