import QtQuick
import Cirrovanta

// The flight stands still behind this until the player resumes or leaves.
FocusScope {
    id: pause
    signal resume()
    signal quit()

    Keys.onEscapePressed: (event) => { event.accepted = true; pause.resume() }
    Keys.onBackPressed: (event) => { event.accepted = true; pause.resume() }

    Rectangle {
        anchors.fill: parent
        color: Theme.skyShade
    }
    MouseArea { anchors.fill: parent }
    Panel {
        anchors.centerIn: parent
        width: 320
        height: 250
        Column {
            anchors.centerIn: parent
            spacing: 14
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("Paused")
                font.pixelSize: Theme.fontHeading; font.bold: true
                color: Theme.sky
            }
            MenuButton {
                id: resumeButton
                focus: true
                text: qsTr("Resume")
                tint: Theme.accent
                onClicked: pause.resume()
            }
            MenuButton {
                text: qsTr("Quit flight")
                onClicked: pause.quit()
            }
        }
    }
}
