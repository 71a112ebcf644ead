pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Window
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
    // Where the runways' and then the buoys' marks go (their centres, x and y
    // in turn), as place() puts them, in one pass whenever the aeroplane
    // moves: a binding per mark and coordinate was a third of a flight step.
    readonly property var spots: {
        const things = runways.concat(buoys)
        const px = planeX, py = planeY, reach = range, r = radius
        const cx = width / 2, cy = height / 2
        const out = []
        for (let i = 0; i < things.length; ++i) {
            const t = things[i]
            let dx = (t.x + t.width / 2 - px) / reach * r
            let dy = (t.y + t.height / 2 - py) / reach * r
            const d = Math.sqrt(dx * dx + dy * dy)
            if (d > r) { dx *= r / d; dy *= r / d }
            out.push(cx + dx, cy + dy)
        }
        return out
    }

    Picture { name: "radar_bg.svg"; anchors.fill: parent }
    // The sweep: a thin wedge from the centre to the top edge of its drawing
    // (128 units square: x 51.9 to 64, y 6 to 64), turning. Only the part of
    // the picture round the wedge is drawn, two pixels of clear on each side
    // so that the filtering sees what it saw: a turned picture is filtered,
    // and the whole picture turning, clear corners and all, was the dearest
    // picture of a frame without a GPU (big enough for the painter to share
    // it out among its threads).
    Item {
        anchors.fill: parent
        RotationAnimation on rotation { loops: Animation.Infinite; from: 0; to: 360; duration: 3000 }
        Image {
            id: sweep
            // Pixels of the whole picture, as `Picture` would draw it.
            readonly property real pixelScale:
                Theme.pictureScale(Theme.shownScale(Window.width, Window.height, Screen.devicePixelRatio))
            readonly property int side: Math.max(1, Math.ceil(radar.width * pixelScale))
            readonly property int x0: Math.floor(51.94 / 128 * side) - 2
            readonly property int y0: Math.floor(6 / 128 * side) - 2
            readonly property int x1: Math.ceil(64 / 128 * side) + 2
            readonly property int y1: Math.ceil(64 / 128 * side) + 2
            source: "qrc:/images/radar_fw.svg"
            sourceSize.width: side
            sourceSize.height: side
            sourceClipRect: Qt.rect(x0, y0, x1 - x0, y1 - y0)
            x: x0 * radar.width / side
            y: y0 * radar.width / side
            width: (x1 - x0) * radar.width / side
            height: (y1 - y0) * radar.width / side
            opacity: 0.7
            smooth: true
        }
    }
    Repeater {
        model: radar.runways
        Rectangle {
            required property var modelData
            required property int index
            width: 18; height: 7; radius: 2
            x: radar.spots[2 * index] - width / 2
            y: radar.spots[2 * index + 1] - height / 2
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
            required property int index
            readonly property int spot: 2 * (radar.runways.length + index)
            visible: modelData.isAlive
            width: 6; height: 6; radius: 3
            x: radar.spots[spot] - 3
            y: radar.spots[spot + 1] - 3
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
