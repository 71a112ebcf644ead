.pragma library

// The one place where the tilt angles of the steering item become the
// aeroplane's steering vector. A device lying flat reads rawangleX ≈ 90,
// rawangleY ≈ 90, rawangleZ ≈ 0; the calibration (corrX, corrY, corrZ) is the
// pose the player stored as "level": (rawX − 90, rawY − 90, rawZ).
//
// Each axis is one line: flip a sign or swap an angle here and nowhere else.
// vectorY positive points up the screen.

var fullTilt = 30       // degrees of tilt that give full deflection
var deadZone = 0.04     // a tiny tilt counts as none, so a level pose holds the heading

function clamp(value, low, high) {
    return Math.max(low, Math.min(high, value))
}

function shaped(value) {
    var v = clamp(value, -1, 1)
    return Math.abs(v) < deadZone ? 0 : v
}

// Tilting the right edge down turns right.
function sideways(rawX, rawY, rawZ, axisY, corrX, corrY, corrZ) {
    return (rawY - 90 - corrY) / fullTilt
}

// Tilting the top edge away from the player flies up the screen.
function forwards(rawX, rawY, rawZ, axisY, corrX, corrY, corrZ) {
    return (rawX - 90 - corrX) / fullTilt
}

function vector(rawX, rawY, rawZ, axisY, corrX, corrY, corrZ) {
    var x = shaped(sideways(rawX, rawY, rawZ, axisY, corrX, corrY, corrZ))
    var y = shaped(forwards(rawX, rawY, rawZ, axisY, corrX, corrY, corrZ))
    return { x: x, y: y }
}
