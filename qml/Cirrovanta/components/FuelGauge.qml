import QtQuick
import Cirrovanta

// Petrol gauge: the bar empties as petrol burns; the fuel light blinks below 20 %.
Item {
    id: gauge
    width: Theme.gaugeWidth
    height: Theme.gaugeHeight
    property real fraction: 1
    readonly property bool low: fraction < 0.2

    // Sized directly rather than by anchors, which settle only after the
    // pictures are complete and would have them rendered twice.
    Picture {
        id: background
        name: "indicator_bg.svg"
        x: 44
        width: gauge.width - 44
        height: gauge.height
        fillMode: Image.Stretch
    }
    Item {
        anchors.fill: background
        anchors.margins: 5
        clip: true
        Item {
            width: parent.width * Math.max(0, Math.min(1, gauge.fraction))
            height: parent.height
            clip: true
            Behavior on width { NumberAnimation { duration: 200 } }
            Picture {
                name: "indicator_fg.svg"
                width: background.width - 10
                height: background.height - 10
                fillMode: Image.Stretch
            }
        }
    }
    Picture {
        id: light
        name: gauge.low && blink.lit ? "indicator_fuelon.svg" : "indicator_fueloff.svg"
        width: 40; height: 40
        anchors.verticalCenter: parent.verticalCenter
    }
    QtObject {
        id: blink
        property bool lit: true
    }
    Timer {
        interval: 400
        repeat: true
        running: gauge.low
        onTriggered: blink.lit = !blink.lit
        onRunningChanged: blink.lit = true
    }
}
