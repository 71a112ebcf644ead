import QtQuick
import Cirrovanta

// Watches a flight so that its ending can say why it ended. The engine ends a
// lost flight the same way for every cause (explode, then gameOver(false)), so
// the cause is read from the scene: the aeroplane's centre inside a piece of
// terrain, the tank, and whether a glide ever reached a runway (the engine
// then started a landing and cancelled it when the aeroplane rolled off).
Item {
    id: log
    visible: false
    property Level level: null
    property bool glideReachedRunway: false

    readonly property Airplane plane: level ? level.airplane : null

    function centreIn(item) {
        var p = item.mapFromItem(plane, plane.width / 2, plane.height / 2)
        return item.opacity !== 0 && item.contains(p)
    }

    function look() {
        if (!plane || plane.petrol > 0 || glideReachedRunway)
            return
        for (var i = 0; i < level.runways.length; ++i)
            if (centreIn(level.runways[i]))
                glideReachedRunway = true
    }

    // "terrain", "petrol" (the tank ran dry short of a runway) or "runway"
    // (the glide reached a runway but left it before the landing was done);
    // "" for a passed flight.
    function reason(passed) {
        if (passed || !plane)
            return ""
        var items = level.children
        for (var i = 0; i < items.length; ++i)
            if (String(items[i].objectName).indexOf("obstruction") !== -1 && centreIn(items[i]))
                return "terrain"
        if (plane.petrol > 0)
            return "terrain"
        return glideReachedRunway ? "runway" : "petrol"
    }

    // A passed flight that the engine ended with an explosion rather than a
    // touchdown: the tank ran dry while the landing was still under way.
    function wrecked(passed) {
        return passed && plane !== null && plane.opacity < 0.5
    }

    Connections {
        target: log.level
        function onTicksChanged() { log.look() }
    }
}
