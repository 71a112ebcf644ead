import QtQuick
import "../../components"

// Shown once, when the last flight of the Flight School is passed.
// The game hands the pilot's new rank in as `rank` (0 cadet … 4 captain).
Item {
    id: message
    property int rank: 0
    width: 600
    height: 320

    readonly property var rankNames: [qsTr("Cadet"), qsTr("Cadet with wings"), qsTr("Officer"),
                                     qsTr("Senior officer"), qsTr("Captain")]
    readonly property var caps: ["hat_cadett.svg", "hat_cadett2.svg", "hat_officer.svg",
                                 "hat_officer.svg", "hat_captain.svg"]
    readonly property var insignia: ["rank_cadett.svg", "rank_cadett.svg", "rank_officer.svg",
                                     "rank_officer2.svg", "rank_captain.svg"]
    readonly property int shownRank: Math.max(0, Math.min(4, rank))

    Column {
        anchors.centerIn: parent
        spacing: 12
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Flight School complete!")
            font.pixelSize: 36
            font.bold: true
            color: "#2f7fc1"
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            width: message.width - 40
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: qsTr("You can hold a heading, turn with care, glide home on the last drop of petrol and keep calm in the clouds. The islands are waiting.")
            font.pixelSize: 19
            color: "#3c4048"
        }
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 20
            Picture { name: message.caps[message.shownRank]; width: 100; height: 82 }
            Column {
                anchors.verticalCenter: parent.verticalCenter
                spacing: 2
                Text {
                    text: qsTr("Your rank")
                    font.pixelSize: 16
                    color: "#3c4048"
                }
                Text {
                    text: message.rankNames[message.shownRank]
                    font.pixelSize: 26
                    font.bold: true
                    color: "#ff8a2a"
                }
            }
            Picture { name: message.insignia[message.shownRank]; width: 56; height: 82 }
        }
    }
}
