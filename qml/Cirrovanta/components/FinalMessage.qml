import QtQuick
import Cirrovanta

// A group's closing message: its heading and its story, then the pilot's new
// rank with cap and insignia. Each group's finalMsg.qml fills in its own texts
// and may set its own colours; the game hands the rank in as `rank`.
Item {
    id: message
    property int rank: 0
    property string heading: ""
    property string story: ""
    property color headingColor: Theme.sky
    property color storyColor: Theme.ink
    property color rankColor: Theme.accent
    readonly property var shownRank: Ranks.at(rank)
    width: 600
    height: 320

    Column {
        anchors.centerIn: parent
        spacing: 12
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: message.heading
            font.pixelSize: Theme.fontHeading
            font.bold: true
            color: message.headingColor
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            width: message.width - 40
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: message.story
            font.pixelSize: Theme.fontMessage
            color: message.storyColor
        }
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 20
            Picture { name: message.shownRank.cap; width: 100; height: 82 }
            Column {
                anchors.verticalCenter: parent.verticalCenter
                spacing: 2
                Text {
                    text: qsTr("Your rank")
                    font.pixelSize: Theme.fontBody
                    color: message.storyColor
                }
                Text {
                    text: message.shownRank.name
                    font.pixelSize: Theme.fontSign
                    font.bold: true
                    color: message.rankColor
                }
            }
            Picture { name: message.shownRank.insignia; width: 56; height: 82 }
        }
    }
}
