import QtQuick
import "../components"

// The flight stands still behind this until the player resumes or leaves.
FocusScope {
    id: pause
    signal resume()
    signal quit()

    Keys.onEscapePressed: (event) => { event.accepted = true; pause.resume() }
    Keys.onBackPressed: (event) => { event.accepted = true; pause.resume() }

    Rectangle {
        anchors.fill: parent
        color: "#802f7fc1"
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
                font.pixelSize: 36; font.bold: true
                color: "#2f7fc1"
            }
            MenuButton {
                id: resumeButton
                focus: true
                text: qsTr("Resume")
                tint: "#ff8a2a"
                onClicked: pause.resume()
            }
            MenuButton {
                text: qsTr("Quit flight")
                onClicked: pause.quit()
            }
        }
    }
}
