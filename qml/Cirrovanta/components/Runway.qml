pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Window
import Cirrovanta

// A runway. The level names it ("landing…") so the engine finds it. By default
// the whole rectangle counts; `outline` (corners in item coordinates) narrows
// the landing area to an exact shape.
Item {
    id: runway
    width: 240
    height: 46
    property var outline: []
    readonly property bool isRunway: true

    containmentMask: outline.length > 2 ? exactShape : null
    QtObject {
        id: exactShape
        function contains(point: point) : bool {
            return Polygon.contains(runway.outline, point.x, point.y)
        }
    }

    // The strip, its verge and its markings never change: they are drawn once
    // into a picture at the size shown (as the terrain is), so a moving world
    // copies one picture instead of painting some twenty rounded rectangles.
    readonly property real shownScale: (Window.width > 0 && Window.height > 0
        ? Math.min(Window.width / 854, Window.height / 480) : 1) * Screen.devicePixelRatio
    readonly property real pixelScale: Math.max(1, Math.ceil(shownScale * 2) / 2)
    // Whole pixels; the layer takes an integer size.
    function pictureSize(w, h) {
        return Qt.size(Math.ceil(w * pixelScale), Math.ceil(h * pixelScale))
    }
    Item {
        // The verge reaches 6 past the strip on every side.
        x: -6; y: -6
        width: runway.width + 12
        height: runway.height + 12
        layer.enabled: true
        layer.smooth: runway.pixelScale !== runway.shownScale || runway.rotation % 90 !== 0
        layer.textureSize: runway.pictureSize(width, height)
        Item {
            x: 6; y: 6
            width: runway.width
            height: runway.height
            Rectangle {
                anchors.fill: parent
                anchors.margins: -6
                radius: 10
                color: Theme.grass
                border.color: Theme.go
                border.width: 2
            }
            Rectangle {
                id: tarmac
                anchors.fill: parent
                radius: 6
                color: Theme.asphalt
                border.color: Theme.ink
                border.width: 2
            }
            // Threshold stripes at both ends.
            Repeater {
                model: 2
                Column {
                    required property int index
                    x: index === 0 ? 8 : runway.width - 22
                    y: (runway.height - height) / 2
                    spacing: 4
                    Repeater {
                        model: 4
                        Rectangle { width: 14; height: 4; radius: 1; color: Theme.snow }
                    }
                }
            }
            // Centre line.
            Row {
                anchors.centerIn: parent
                spacing: 12
                Repeater {
                    model: Math.max(0, Math.floor((runway.width - 70) / 28))
                    Rectangle { width: 16; height: 3; radius: 1; color: Theme.snow }
                }
            }
        }
    }
    // Edge lights, blinking gently so the runway catches the eye. They blink
    // together, so each row blinks as one: two animations, not sixteen, and
    // two pictures drawn once, not sixteen lights drawn every frame.
    Repeater {
        model: 2
        Row {
            required property int index
            x: 4
            y: index === 0 ? -3 : runway.height - 3
            spacing: (runway.width - 8 - 6 * 8) / 7
            layer.enabled: true
            layer.smooth: runway.pixelScale !== runway.shownScale || runway.rotation % 90 !== 0
            layer.textureSize: runway.pictureSize(width, height)
            SequentialAnimation on opacity {
                loops: Animation.Infinite
                NumberAnimation { from: 1; to: 0.35; duration: 700 }
                NumberAnimation { from: 0.35; to: 1; duration: 700 }
            }
            Repeater {
                model: 8
                Rectangle {
                    width: 6; height: 6; radius: 3
                    color: Theme.focus
                }
            }
        }
    }
}
