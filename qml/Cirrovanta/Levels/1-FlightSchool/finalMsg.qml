import QtQuick
import "../../components"

// Shown once, when the last flight of the Flight School is passed.
Item {
    id: message
    property int rank: 0
    width: 600
    height: 320

    Column {
        anchors.centerIn: parent
        spacing: 14
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Flight School complete!")
            font.pixelSize: 38
            font.bold: true
            color: "#2f7fc1"
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            width: message.width - 40
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: qsTr("You can hold a heading, turn with care and glide home on the last drop of petrol. The islands are waiting.")
            font.pixelSize: 20
            color: "#3c4048"
        }
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 24
            Sprite { name: "hat_cadett2.svg"; width: 110; height: 90 }
            Sprite { name: "rank_cadett.svg"; width: 90; height: 90 }
        }
    }
}
