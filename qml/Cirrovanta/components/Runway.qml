pragma ComponentBehavior: Bound

import QtQuick
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
    // Whether the screen is near; its level says so as the flight goes.
    property bool inView: true

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
    Snapshot {
        id: strip
        // The verge reaches 6 past the strip on every side.
        x: -6; y: -6
        width: runway.width + 12
        height: runway.height + 12
        turned: runway.rotation % 90 !== 0
        Repeater {
            model: strip.pictured ? 0 : 1
            Item {
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
        }
    }
    // Edge lights, blinking gently so the runway catches the eye. They blink
    // together, so each row blinks as one: two animations, not sixteen, and
    // two pictures drawn once, not sixteen lights drawn every frame.
    Repeater {
        model: 2
        Snapshot {
            id: lights
            required property int index
            x: 4
            y: index === 0 ? -3 : runway.height - 3
            width: runway.width - 8
            height: 6
            turned: runway.rotation % 90 !== 0
            SequentialAnimation on opacity {
                running: runway.inView
                loops: Animation.Infinite
                NumberAnimation { from: 1; to: 0.35; duration: 700 }
                NumberAnimation { from: 0.35; to: 1; duration: 700 }
            }
            Repeater {
                model: lights.pictured ? 0 : 1
                Item {
                    Row {
                        spacing: (lights.width - 6 * 8) / 7
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
        }
    }
}
