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

// A rounded outline through the midpoints of the corners' sides, each corner
// the control point of a quadratic curve, sampled into a dense polygon. The
// drawing and the containment test both use it, so they agree exactly.
function smooth(points, steps) {
    var n = points.length
    if (n < 3)
        return points
    var k = steps || 6
    var out = []
    for (var i = 0; i < n; ++i) {
        var prev = points[(i + n - 1) % n], corner = points[i], next = points[(i + 1) % n]
        var ax = (prev.x + corner.x) / 2, ay = (prev.y + corner.y) / 2
        var bx = (corner.x + next.x) / 2, by = (corner.y + next.y) / 2
        for (var s = 0; s < k; ++s) {
            var t = s / k, u = 1 - t
            out.push(Qt.point(u * u * ax + 2 * u * t * corner.x + t * t * bx,
                              u * u * ay + 2 * u * t * corner.y + t * t * by))
        }
    }
    return out
}

function offset(points, dx, dy) {
    var out = []
    for (var i = 0; i < points.length; ++i)
        out.push(Qt.point(points[i].x + dx, points[i].y + dy))
    return out
}
