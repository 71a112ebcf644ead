import QtQuick
import Cirrovanta

// One line of the result: what it is for, and the points.
Item {
    id: line
    height: 26
    property string label: ""
    property int value: 0
    property bool strong: false
    Text {
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        text: line.label
        font.pixelSize: line.strong ? Theme.fontButton : Theme.fontText
        font.bold: line.strong
        color: Theme.ink
    }
    Text {
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        text: line.value
        font.pixelSize: line.strong ? Theme.fontLarge : Theme.fontText
        font.bold: true
        color: line.strong ? Theme.sky : Theme.ink
    }
}
