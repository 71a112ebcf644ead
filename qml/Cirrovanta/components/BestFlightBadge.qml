import QtQuick
import Cirrovanta

// A small round play button in the corner of a level's card: watch the
// level's best flight. Shown only when one is kept.
Item {
    id: badge
    property var session: null
    property string level: ""
    readonly property var store: typeof Replays === "undefined" ? null : Replays
    width: 36
    height: 36
    visible: store !== null && level.length > 0 && store.best(level) !== null

    Accessible.role: Accessible.Button
    Accessible.name: qsTr("Watch best flight")
    Accessible.onPressAction: watch()

    function watch() {
        GameEngine.playSound(Sounds.buttonClick)
        if (store.watchBest(level, "levels") && session)
            session.go("replay")
    }

    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: mouse.pressed ? Theme.sky : Theme.accent
        border.color: Theme.white
        border.width: 2
    }
    // The play sign, drawn: a triangle pointing right.
    Canvas {
        anchors.fill: parent
        onPaint: {
            var c = getContext("2d")
            c.reset()
            c.fillStyle = String(Theme.white)
            c.beginPath()
            c.moveTo(width * 0.39, height * 0.28)
            c.lineTo(width * 0.74, height * 0.5)
            c.lineTo(width * 0.39, height * 0.72)
            c.closePath()
            c.fill()
        }
    }
    MouseArea {
        id: mouse
        anchors.fill: parent
        onClicked: badge.watch()
    }
}
