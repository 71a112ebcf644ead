pragma ComponentBehavior: Bound

import QtQuick
import Cirrovanta

// North-up radar: the aeroplane in the middle, the runway as a bright mark and
// live buoys as dots, each placed by its distance and clamped to the rim.
Item {
    id: radar
    objectName: "radar"
    width: Theme.radarSize
    height: Theme.radarSize
    property Airplane airplane: null
    property var runways: []
    property var buoys: []
    // The best flight's ghost, when one flies along (it tells the radar itself).
    property Item ghost: null
    property real range: 900
    readonly property real radius: width / 2 - 10
    readonly property real planeX: airplane ? airplane.x + airplane.width / 2 : 0
    readonly property real planeY: airplane ? airplane.y + airplane.height / 2 : 0

    function place(wx, wy) {
        var dx = (wx - planeX) / range * radius
        var dy = (wy - planeY) / range * radius
        var d = Math.sqrt(dx * dx + dy * dy)
        if (d > radius) { dx *= radius / d; dy *= radius / d }
        return Qt.point(width / 2 + dx, height / 2 + dy)
    }

    Picture { name: "radar_bg.svg"; anchors.fill: parent }
    Picture {
        name: "radar_fw.svg"
        anchors.fill: parent
        opacity: 0.7
        RotationAnimation on rotation { loops: Animation.Infinite; from: 0; to: 360; duration: 3000 }
    }
    Repeater {
        model: radar.runways
        Rectangle {
            required property var modelData
            readonly property point at: radar.place(modelData.x + modelData.width / 2, modelData.y + modelData.height / 2)
            width: 18; height: 7; radius: 2
            x: at.x - width / 2; y: at.y - height / 2
            rotation: modelData.rotation
            color: Theme.focus
            border.color: Theme.white
            border.width: 1
        }
    }
    Repeater {
        model: radar.buoys
        Rectangle {
            required property var modelData
            readonly property point at: radar.place(modelData.x + modelData.width / 2, modelData.y + modelData.height / 2)
            visible: modelData.isAlive
            width: 6; height: 6; radius: 3
            x: at.x - 3; y: at.y - 3
            color: Theme.accent
        }
    }
    Rectangle {
        readonly property point at: radar.ghost ? radar.place(radar.ghost.x + radar.ghost.width / 2, radar.ghost.y + radar.ghost.height / 2) : Qt.point(0, 0)
        visible: radar.ghost !== null && radar.ghost.visible
        width: 8; height: 8; radius: 4
        x: at.x - 4; y: at.y - 4
        color: Theme.white
        border.color: Theme.sky
        opacity: 0.8
    }
    Picture { name: "radar_fg.svg"; anchors.fill: parent }
    Picture {
        name: "radar_center.svg"
        width: 18; height: 18
        anchors.centerIn: parent
        rotation: radar.airplane ? radar.airplane.angle * 180 / Math.PI : 0
    }
}
