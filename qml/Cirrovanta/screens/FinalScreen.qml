import QtQuick
import Cirrovanta

// A group is finished: its own closing document, with the pilot's rank.
GameScreen {
    id: finalScreen
    readonly property string group: session ? session.pendingFinal : ""

    function goBack() { session.afterFinal() }

    Component.onCompleted: GameEngine.playSound(Sounds.applause)

    MenuBackground { anchors.fill: parent }
    Panel {
        anchors.centerIn: parent
        anchors.verticalCenterOffset: -30
        width: 640
        height: 360
        Loader {
            id: message
            objectName: "finalMessage"
            anchors.centerIn: parent
            // A closing document may show the rank through its `rank` property.
            Component.onCompleted: {
                if (finalScreen.group.length)
                    setSource(finalScreen.session.finalUrl(finalScreen.group), { rank: finalScreen.session.pilotRank })
            }
        }
        Text {
            anchors.centerIn: parent
            visible: message.status !== Loader.Ready
            text: qsTr("Group finished!")
            font.pixelSize: Theme.fontHeading; font.bold: true
            color: Theme.sky
        }
    }
    MenuButton {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 16
        focus: true
        text: qsTr("Continue")
        tint: Theme.accent
        onClicked: { GameEngine.playSound(Sounds.buttonClick); finalScreen.session.afterFinal() }
    }
}
