import QtQuick

// The level's frame clock: one tick per frame of the aeroplane's own frame
// rate while the flight runs. The level moves the flight on each tick.
Timer {
    // Frames a second; 0 while the level has no aeroplane.
    property int fps: 0
    interval: fps > 0 ? Math.max(10, Math.round(1000 / fps)) : 33
    repeat: true
}
