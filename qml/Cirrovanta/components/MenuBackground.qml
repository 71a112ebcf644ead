pragma ComponentBehavior: Bound

import QtQuick

// The bright sky behind the menus: the picture if the artwork has it, over a
// sky gradient with a few drifting clouds.
Item {
    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0; color: "#55b3e8" }
            GradientStop { position: 0.7; color: "#bfe8ff" }
            GradientStop { position: 1; color: "#4fc6c0" }
        }
    }
    Picture {
        anchors.fill: parent
        name: "menubg.jpg"
        fillMode: Image.PreserveAspectCrop
        opacity: 0.9
    }
    Repeater {
        model: 3
        Picture {
            id: drifting
            required property int index
            name: "cloud.png"
            width: 180 - index * 30; height: width * 0.73
            y: 30 + index * 110
            opacity: 0.8
            NumberAnimation on x {
                loops: Animation.Infinite
                from: -200; to: 900
                duration: 40000 + drifting.index * 9000
            }
        }
    }
}
