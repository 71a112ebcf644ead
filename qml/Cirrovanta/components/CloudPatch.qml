import QtQuick
import Cirrovanta

// A cloud the aeroplane flies through. The level names it ("cloud…"); the
// engine treats the ellipse inside this item as the cloud.
Item {
    id: cloud
    width: 224
    height: 164
    z: 50
    property real drift: 12
    // Whether the screen is near; its level says so as the flight goes.
    property bool inView: true

    Picture {
        name: "cloud.png"
        width: cloud.width
        height: cloud.height
        opacity: 0.9
        fillMode: Image.Stretch
        // The drawing breathes a little; the cloud's area stays put.
        SequentialAnimation on x {
            running: cloud.inView
            loops: Animation.Infinite
            NumberAnimation { from: 0; to: cloud.drift; duration: 4000; easing.type: Easing.InOutSine }
            NumberAnimation { from: cloud.drift; to: 0; duration: 4000; easing.type: Easing.InOutSine }
        }
    }
}
