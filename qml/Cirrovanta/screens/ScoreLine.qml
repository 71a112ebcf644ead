import QtQuick

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
        font.pixelSize: line.strong ? 22 : 18
        font.bold: line.strong
        color: "#3c4048"
    }
    Text {
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        text: line.value
        font.pixelSize: line.strong ? 24 : 18
        font.bold: true
        color: line.strong ? "#2f7fc1" : "#3c4048"
    }
}
