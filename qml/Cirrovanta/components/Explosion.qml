pragma ComponentBehavior: Bound

import QtQuick
import Cirrovanta

// A burst of sparks around a point: fiery for a crash, golden and gentle for a
// happy touchdown. Created at its centre point and gone when it has played.
Item {
    id: explosion
    width: 0
    height: 0
    z: 80
    property bool happy: false
    property real progress: 0
    readonly property real reach: happy ? 70 : 110

    Rectangle {
        id: flash
        anchors.centerIn: parent
        width: explosion.reach * 1.4 * Math.min(1, explosion.progress * 3)
        height: width
        radius: width / 2
        color: explosion.happy ? Theme.focus : Theme.accent
        opacity: Math.max(0, 0.8 - explosion.progress * 1.2)
    }
    Rectangle {
        anchors.centerIn: parent
        visible: !explosion.happy
        width: flash.width * 0.55; height: width; radius: width / 2
        color: Theme.danger
        opacity: flash.opacity
    }
    Repeater {
        model: explosion.happy ? 10 : 16
        Picture {
            required property int index
            readonly property real direction: index * 2 * Math.PI / (explosion.happy ? 10 : 16) + (index % 2) * 0.2
            readonly property real distance: explosion.reach * (0.6 + 0.4 * ((index * 7) % 5) / 4) * explosion.progress
            name: index % 2 ? "spark1.png" : "spark2.png"
            width: explosion.happy ? 20 : 30
            height: width
            x: Math.cos(direction) * distance - width / 2
            y: Math.sin(direction) * distance - height / 2 - (explosion.happy ? 20 * explosion.progress : 0)
            rotation: explosion.progress * 360 * (index % 2 ? 1 : -1)
            opacity: 1 - explosion.progress
            fillMode: Image.Stretch
        }
    }
    NumberAnimation {
        target: explosion
        property: "progress"
        running: true
        from: 0; to: 1
        duration: explosion.happy ? 1400 : 1100
        easing.type: Easing.OutCubic
        onFinished: explosion.destroy()
    }
}
