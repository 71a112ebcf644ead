import QtQuick

// The title screen's autopilot: flies the level's demo route at full petrol,
// bursts the buoys it passes (there is no engine step in the demo), lands on
// the last waypoint and starts the flight again a little later.
QtObject {
    id: pilot
    // The level it flies; its route, aeroplane, buoys and waypoint.
    property var level: null
    // After the touchdown, a pause before the next demo flight.
    readonly property Timer restart: Timer {
        interval: 2600
        onTriggered: pilot.level.resetFlight()
    }

    // One frame's steering towards the current waypoint.
    function fly() {
        var plane = level.airplane
        var route = level.route
        if (route.length === 0 || plane.landing)
            return
        plane.petrol = level.startPetrol
        var target = route[Math.min(level.waypoint, route.length - 1)]
        var dx = target.x - (plane.realX + plane.width / 2)
        var dy = target.y - (plane.realY + plane.height / 2)
        var distance = Math.sqrt(dx * dx + dy * dy)
        if (distance < 36) {
            if (level.waypoint >= route.length - 1) {
                plane.vectorX = 0
                plane.vectorY = 0
                plane.doLanding(true)
                level.explodeHappy(plane.x + plane.width / 2, plane.y + plane.height)
                pilot.restart.restart()
                return
            }
            ++level.waypoint
            return
        }
        plane.vectorX = dx / distance
        plane.vectorY = -dy / distance
        // Without the engine's step the demo bursts the buoys it passes itself.
        var cx = plane.realX + plane.width / 2, cy = plane.realY + plane.height / 2
        var buoys = level.buoys
        for (var i = 0; i < buoys.length; ++i) {
            var b = buoys[i]
            if (b.isAlive && Math.abs(b.x + b.width / 2 - cx) < b.width && Math.abs(b.y + b.height / 2 - cy) < b.height)
                b.explode()
        }
    }
}
