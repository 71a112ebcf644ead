import QtQuick
import Cirrovanta

// Version, credits and, when the update check found one, the newer version.
GameScreen {
    id: about

    function openUpdate() {
        if (!Names.isWebLocation(session.updateLocation))
            return
        GameEngine.playSound(Sounds.buttonClick)
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
                font.pixelSize: Theme.fontBanner; font.bold: true; font.italic: true
                color: Theme.sky
            }
            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: qsTr("Version %1").arg("1.0")
                font.pixelSize: Theme.fontLead
                color: Theme.ink
            }
            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: qsTr("Tilt to steer, burst the buoys, mind the hills and land before the petrol runs out.")
                font.pixelSize: Theme.fontLabel
                color: Theme.ink
            }
            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: qsTr("© Velmoran")
                font.pixelSize: Theme.fontSmall
                color: Theme.slate
            }
            Item { width: 1; height: 6 }
            Rectangle {
                id: offer
                objectName: "updateOffer"
                visible: about.session.updateOffered
                width: parent.width
                height: offerColumn.height + 24
                radius: 16
                color: Theme.note
                border.color: Theme.accent
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
                        font.pixelSize: Theme.fontLabel; font.bold: true
                        color: Theme.ink
                    }
                    Text {
                        objectName: "updateLocationText"
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        textFormat: Text.PlainText
                        elide: Text.ElideMiddle
                        text: about.session.updateLocation
                        font.pixelSize: Theme.fontSmall
                        color: Theme.sky
                    }
                    MenuButton {
                        id: downloadButton
                        objectName: "downloadButton"
                        anchors.horizontalCenter: parent.horizontalCenter
                        focus: about.session.updateOffered
                        text: qsTr("Get it")
                        tint: Theme.accent
                        onClicked: about.openUpdate()
                    }
                }
            }
        }
    }
}
