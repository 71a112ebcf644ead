import QtQuick
import Cirrovanta

// Fog drifting slowly across the level. It only hides things: the engine
// does not look at it.
Picture {
    id: fog
    name: "fog.png"
    width: 320
    height: 200
    z: 60
    opacity: 0.7
    fillMode: Image.Stretch
    property real travel: 160
    property int period: 14000

    transform: Translate {
        SequentialAnimation on x {
            loops: Animation.Infinite
            NumberAnimation { from: 0; to: fog.travel; duration: fog.period; easing.type: Easing.InOutSine }
            NumberAnimation { from: fog.travel; to: 0; duration: fog.period; easing.type: Easing.InOutSine }
        }
    }
}
