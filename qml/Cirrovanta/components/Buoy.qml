pragma ComponentBehavior: Bound

import QtQuick
import Cirrovanta

// A buoy on the water. The level names it ("buoy…"); when the aeroplane
// reaches it the engine calls explode(), and it bursts and retires.
Item {
    id: buoy
    width: 34
    height: 34
    z: 5
    property bool isAlive: true
    property int colour: 1
    // Whether the screen is near; its level says so as the flight goes.
    property bool inView: true

    // Back on the water, for the title's demo flight that starts over.
    function revive() {
        burst.stop()
        isAlive = true
        opacity = 1
        burstProgress = 0
        body.scale = 1
        body.opacity = 1
        hat.opacity = 0
        hat.y = -hat.height * 0.3
    }

    function explode() {
        if (!isAlive)
            return
        isAlive = false
        burst.start()
    }

    // Ripples on the water around a live buoy.
    Rectangle {
        id: ripple
        anchors.centerIn: parent
        width: buoy.width * 1.6; height: width; radius: width / 2
        color: Theme.clear
        border.color: Theme.haze
        border.width: 2
        visible: buoy.isAlive
        SequentialAnimation on scale {
            running: buoy.isAlive && buoy.inView
            loops: Animation.Infinite
            NumberAnimation { from: 0.7; to: 1.25; duration: 1400 }
        }
        SequentialAnimation on opacity {
            running: buoy.isAlive && buoy.inView
            loops: Animation.Infinite
            NumberAnimation { from: 0.8; to: 0; duration: 1400 }
        }
    }
    Picture {
        id: body
        name: "buoy" + buoy.colour + ".svg"
        anchors.fill: parent
        SequentialAnimation on rotation {
            running: buoy.isAlive && buoy.inView
            loops: Animation.Infinite
            NumberAnimation { from: -8; to: 8; duration: 900; easing.type: Easing.InOutSine }
            NumberAnimation { from: 8; to: -8; duration: 900; easing.type: Easing.InOutSine }
        }
    }
    Picture {
        id: hat
        name: "buoy_hat.svg"
        width: buoy.width * 0.6; height: width
        anchors.horizontalCenter: parent.horizontalCenter
        y: -height * 0.3
        opacity: 0
        // Out of the scene while unseen: a transparent item still costs the
        // renderer its bookkeeping every frame the world moves.
        visible: opacity > 0
    }
    Repeater {
        id: bits
        model: 8
        Picture {
            required property int index
            name: "bubble_bit.svg"
            width: 12; height: 12
            x: buoy.width / 2 - 6 + Math.cos(index * Math.PI / 4) * buoy.burstProgress * 40
            y: buoy.height / 2 - 6 + Math.sin(index * Math.PI / 4) * buoy.burstProgress * 40
            opacity: buoy.isAlive ? 0 : 1 - buoy.burstProgress
            visible: opacity > 0
        }
    }
    property real burstProgress: 0

    SequentialAnimation {
        id: burst
        ParallelAnimation {
            NumberAnimation { target: buoy; property: "burstProgress"; from: 0; to: 1; duration: 600; easing.type: Easing.OutQuad }
            NumberAnimation { target: body; property: "scale"; to: 1.6; duration: 250 }
            NumberAnimation { target: body; property: "opacity"; to: 0; duration: 400 }
            NumberAnimation { target: hat; property: "opacity"; from: 1; to: 0; duration: 600 }
            NumberAnimation { target: hat; property: "y"; to: -40; duration: 600 }
        }
        NumberAnimation { target: buoy; property: "opacity"; to: 0; duration: 150 }
    }
}
