pragma ComponentBehavior: Bound

import QtQuick
import "../components"
import "../components/Names.js" as Names
import "../Levels/Titles.js" as Titles

// The flights of one group: number, name, passed flag and best result.
GameScreen {
    id: levelsScreen
    readonly property var levels: session ? session.levels(session.group) : []

    MenuBackground { anchors.fill: parent }
    Heading {
        width: parent.width
        text: Titles.group(levelsScreen.session.group, Names.groupTitle(levelsScreen.session.group))
        onBack: levelsScreen.goBack()
    }

    Grid {
        anchors.centerIn: parent
        anchors.verticalCenterOffset: 24
        columns: Math.min(5, Math.max(1, levelsScreen.levels.length))
        spacing: 16
        Repeater {
            model: levelsScreen.levels
            Card {
                id: card
                required property string modelData
                required property int index
                readonly property string fullName: levelsScreen.session.group + "/" + modelData
                readonly property bool passed: Boolean(GameEngine.getPassed(fullName))
                readonly property int best: Number(GameEngine.getResult(fullName))
                objectName: "flight_" + modelData
                width: 150
                height: 170
                focus: index === 0
                accessibleName: qsTr("Flight %1: %2").arg(Names.levelNumber(modelData)).arg(Titles.level(levelsScreen.session.group, modelData, Names.levelTitle(modelData)))
                onClicked: {
                    GameEngine.playSound(4)
                    levelsScreen.session.startLevel(modelData)
                }
                BestFlightBadge { anchors.right: parent.right; anchors.margins: 6; y: 6; level: card.fullName; session: levelsScreen.session }
                Column {
                    anchors.centerIn: parent
                    spacing: 6
                    Rectangle {
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: 58; height: 58; radius: 29
                        color: card.passed ? "#4e9a4a" : "#2f7fc1"
                        Text {
                            anchors.centerIn: parent
                            text: Names.levelNumber(card.modelData)
                            font.pixelSize: 28; font.bold: true
                            color: "#ffffff"
                        }
                    }
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: card.width - 14
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        text: Titles.level(levelsScreen.session.group, card.modelData, Names.levelTitle(card.modelData))
                        font.pixelSize: 17; font.bold: true
                        color: "#2f7fc1"
                    }
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: card.passed ? qsTr("Best %1").arg(card.best) : qsTr("Not landed yet")
                        font.pixelSize: 14
                        color: card.passed ? "#4e9a4a" : "#6d7884"
                    }
                }
            }
        }
    }
}
