import QtQuick
import "../components"

// A group is finished: its own closing document, with the pilot's rank.
GameScreen {
    id: finalScreen
    readonly property string group: session ? session.pendingFinal : ""

    function goBack() { session.afterFinal() }

    Component.onCompleted: GameEngine.playSound(19)

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
            font.pixelSize: 36; font.bold: true
            color: "#2f7fc1"
        }
    }
    MenuButton {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 16
        focus: true
        text: qsTr("Continue")
        tint: "#ff8a2a"
        onClicked: { GameEngine.playSound(4); finalScreen.session.afterFinal() }
    }
}
