import QtQuick

// The instruments over the play field: petrol top left, warnings top centre,
// seat-belt sign and sound top right, radar bottom right, and a red glow at
// the edges while the ground warning is on.
Item {
    id: hud
    property Airplane airplane: null
    property real petrolFraction: 1
    property bool seatbelts: false
    property bool groundWarning: false
    property bool muted: false
    property var runways: []
    property var buoys: []
    property alias warning: warningText
    signal pauseRequested()
    signal muteToggled()

    Rectangle {
        id: glow
        anchors.fill: parent
        color: "transparent"
        border.color: "#e23b3b"
        border.width: 14
        // While landing the engine keeps the ground warning on; the sign says enough then.
        visible: hud.groundWarning && !(hud.airplane && hud.airplane.landing)
        SequentialAnimation on opacity {
            running: glow.visible
            loops: Animation.Infinite
            NumberAnimation { from: 0.8; to: 0.2; duration: 350 }
            NumberAnimation { from: 0.2; to: 0.8; duration: 350 }
        }
    }

    FuelGauge {
        id: fuel
        x: 12; y: 10
        fraction: hud.petrolFraction
    }

    WarningText {
        id: warningText
        anchors.horizontalCenter: parent.horizontalCenter
        y: 16
        width: parent.width * 0.6
        wrapMode: Text.WordWrap
    }

    Row {
        anchors.right: parent.right
        anchors.rightMargin: 12
        y: 8
        spacing: 8
        Picture {
            id: belts
            name: hud.seatbelts ? "indicator_belton.svg" : "indicator_beltoff.svg"
            width: 44; height: 44
        }
        Item {
            width: 44; height: 44
            Accessible.role: Accessible.Button
            Accessible.name: hud.muted ? qsTr("Sound off") : qsTr("Sound on")
            Picture {
                name: hud.muted ? "indicator_soundoff.svg" : "indicator_soundon.svg"
                anchors.fill: parent
            }
            MouseArea { anchors.fill: parent; onClicked: hud.muteToggled() }
        }
        IconButton {
            width: 44; height: 44
            icon: "button_back.svg"
            label: qsTr("Pause")
            activeFocusOnTab: false
            onClicked: hud.pauseRequested()
        }
    }

    Radar {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 10
        airplane: hud.airplane
        runways: hud.runways
        buoys: hud.buoys
    }
}
