import QtQuick
import "../components"
import "../components/Names.js" as Names

// Version, credits and, when the update check found one, the newer version.
GameScreen {
    id: about

    function openUpdate() {
        if (!Names.isWebLocation(session.updateLocation))
            return
        GameEngine.playSound(4)
        Qt.openUrlExternally(session.updateLocation)
    }

    MenuBackground { anchors.fill: parent }
    Heading {
        width: parent.width
        text: qsTr("About")
        onBack: about.goBack()
    }
    Panel {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 76
        width: 620
        height: aboutColumn.height + 40
        Column {
            id: aboutColumn
            anchors.horizontalCenter: parent.horizontalCenter
            y: 20
            spacing: 10
            width: parent.width - 60
            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: qsTr("Cirrovanta")
                font.pixelSize: 44; font.bold: true; font.italic: true
                color: "#2f7fc1"
            }
            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: qsTr("Version %1").arg("1.0")
                font.pixelSize: 20
                color: "#3c4048"
            }
            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: qsTr("Tilt to steer, burst the buoys, mind the hills and land before the petrol runs out.")
                font.pixelSize: 17
                color: "#3c4048"
            }
            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: qsTr("© Velmoran")
                font.pixelSize: 15
                color: "#6d7884"
            }
            Item { width: 1; height: 6 }
            Rectangle {
                id: offer
                objectName: "updateOffer"
                visible: about.session.updateOffered
                width: parent.width
                height: offerColumn.height + 24
                radius: 16
                color: "#fff4cc"
                border.color: "#ff8a2a"
                border.width: 2
                Column {
                    id: offerColumn
                    anchors.centerIn: parent
                    width: parent.width - 30
                    spacing: 8
                    Text {
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        text: qsTr("A newer version is ready:")
                        font.pixelSize: 17; font.bold: true
                        color: "#3c4048"
                    }
                    Text {
                        objectName: "updateLocationText"
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        textFormat: Text.PlainText
                        elide: Text.ElideMiddle
                        text: about.session.updateLocation
                        font.pixelSize: 15
                        color: "#2f7fc1"
                    }
                    MenuButton {
                        id: downloadButton
                        objectName: "downloadButton"
                        anchors.horizontalCenter: parent.horizontalCenter
                        focus: about.session.updateOffered
                        text: qsTr("Get it")
                        tint: "#ff8a2a"
                        onClicked: about.openUpdate()
                    }
                }
            }
        }
    }
}
