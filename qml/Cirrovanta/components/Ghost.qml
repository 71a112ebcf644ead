import QtQuick
import Cirrovanta

// The level's best flight flown again beside this one, in step with this
// flight's clock: a pale aeroplane that takes no part in the game. The
// engine never finds it (it carries none of the scene's names), and the
// radar shows it as a white dot.
Item {
    id: ghost
    objectName: "ghost"
    property Level level: null
    // A recorded flight (from the "Replays" recorder), or null for no ghost.
    property var track: null
    readonly property var sample: track && level ? track.sampleAt(level.seconds) : null
    readonly property point position: sample ? Qt.point(sample.x, sample.y) : Qt.point(0, 0)
    readonly property int model: level && level.airplane ? level.airplane.model : 1

    parent: level
    visible: sample !== null && !(level && level.ended)
    x: Math.floor(position.x)
    y: Math.floor(position.y)
    z: 19
    width: level && level.airplane ? level.airplane.width : 56
    height: level && level.airplane ? level.airplane.height : 56
    opacity: 0.45

    Picture {
        anchors.fill: parent
        name: "plane_" + ghost.model + ".svg"
        rotation: ghost.sample ? ghost.sample.angle * 180 / Math.PI : 0
    }

    // The radar lives in the level's instruments; it learns of the ghost here.
    function showOnRadar() {
        var hud = level ? level.hud : null
        if (!hud)
            return
        for (var i = 0; i < hud.children.length; ++i) {
            if (hud.children[i].objectName === "radar")
                hud.children[i].ghost = ghost
        }
    }
    onLevelChanged: showOnRadar()
}
