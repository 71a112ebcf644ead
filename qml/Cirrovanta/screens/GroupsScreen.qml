pragma ComponentBehavior: Bound

import QtQuick
import "../components"
import "../components/Names.js" as Names
import "../Levels/Titles.js" as Titles

// The level groups: name, finished flag, total; locked until the group before
// is finished.
GameScreen {
    id: groupsScreen
    readonly property var groups: session ? session.groups() : []

    MenuBackground { anchors.fill: parent }
    Heading {
        width: parent.width
        text: qsTr("Choose a flight school")
        onBack: groupsScreen.goBack()
    }

    Row {
        id: row
        anchors.centerIn: parent
        anchors.verticalCenterOffset: 20
        spacing: 18
        Repeater {
            model: groupsScreen.groups
            Card {
                id: card
                required property string modelData
                required property int index
                readonly property bool open: groupsScreen.session.groupOpen(groupsScreen.groups, index)
                readonly property bool finished: Boolean(GameEngine.getPassed(modelData))
                readonly property int total: Number(GameEngine.getResult(modelData))
                objectName: "group_" + modelData
                width: 180
                height: 210
                focus: index === 0
                locked: !open
                accessibleName: Titles.group(modelData, Names.groupTitle(modelData))
                onClicked: {
                    if (!open) {
                        GameEngine.playSound(12)
                        shake.restart()
                        return
                    }
                    GameEngine.playSound(4)
                    groupsScreen.session.openGroup(modelData)
                }
                SequentialAnimation {
                    id: shake
                    NumberAnimation { target: card; property: "rotation"; to: 4; duration: 60 }
                    NumberAnimation { target: card; property: "rotation"; to: -4; duration: 90 }
                    NumberAnimation { target: card; property: "rotation"; to: 0; duration: 60 }
                }
                Column {
                    anchors.centerIn: parent
                    spacing: 8
                    Picture {
                        anchors.horizontalCenter: parent.horizontalCenter
                        name: card.open ? (card.finished ? "level_bonus.svg" : "plane_" + (card.index % 3 + 1) + ".svg") : "level_unknown.svg"
                        width: 70; height: 70
                    }
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: card.width - 16
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        text: Titles.group(card.modelData, Names.groupTitle(card.modelData))
                        font.pixelSize: 20; font.bold: true
                        color: card.open ? "#2f7fc1" : "#6d7884"
                    }
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: !card.open ? qsTr("Locked") : card.finished ? qsTr("Finished ✓") : qsTr("Open")
                        font.pixelSize: 15
                        color: card.finished ? "#4e9a4a" : "#3c4048"
                    }
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        visible: card.open
                        text: qsTr("Total %1").arg(card.total)
                        font.pixelSize: 15
                        color: "#3c4048"
                    }
                }
            }
        }
    }
    Text {
        anchors.centerIn: parent
        visible: groupsScreen.groups.length === 0
        text: qsTr("No flights found.")
        font.pixelSize: 24
        color: "#ffffff"
    }
}
