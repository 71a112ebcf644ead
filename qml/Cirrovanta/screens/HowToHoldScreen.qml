pragma ComponentBehavior: Bound

import QtQuick
import Cirrovanta

// How to hold the device: the two animated guides.
GameScreen {
    id: howTo

    MenuBackground { anchors.fill: parent }
    Heading {
        width: parent.width
        text: qsTr("How to hold")
        onBack: howTo.goBack()
    }
    Row {
        anchors.centerIn: parent
        anchors.verticalCenterOffset: 10
        spacing: 24
        Repeater {
            model: [
                { file: "guide_horizontal.gif", text: qsTr("Tilt left and right to turn.") },
                { file: "guide_vertical.gif", text: qsTr("Tilt away and towards you to head up and down the map.") }
            ]
            Panel {
                id: guide
                required property var modelData
                width: 380
                height: 290
                Column {
                    anchors.centerIn: parent
                    spacing: 10
                    AnimatedImage {
                        anchors.horizontalCenter: parent.horizontalCenter
                        source: "qrc:/images/" + guide.modelData.file
                        width: 352; height: 198
                        fillMode: Image.PreserveAspectFit
                        playing: true
                    }
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: 340
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        text: guide.modelData.text
                        font.pixelSize: Theme.fontText
                        color: Theme.ink
                    }
                }
            }
        }
    }
    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 14
        width: parent.width - 40
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        text: qsTr("On a computer: ← → turn while held, ↑ ↓ set the throttle, and the aeroplane holds its course and speed when you let go. Or move the mouse: it steers towards the pointer.")
        font.pixelSize: Theme.fontBody
        color: Theme.white
        style: Text.Outline
        styleColor: Theme.sky
    }
    Item {
        focus: true
        Keys.onReturnPressed: howTo.goBack()
    }
}
