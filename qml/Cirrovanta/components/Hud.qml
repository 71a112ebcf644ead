import QtQuick
import Cirrovanta

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

    // The world's point at the HUD's top-left corner (the level sets it as
    // the camera moves), so that a piece of the HUD can be put in world units.
    property real worldX: 0
    property real worldY: 0

    // Which of the pieces that fade (fuel gauge, buttons, radar: bits 1, 2
    // and 4) have a live buoy or the aeroplane under them, so that nothing
    // hides beneath a piece. The world moves under the HUD on every frame:
    // one pass for all three pieces over their places read once (they stay
    // put), and the pieces' fades follow only when the answer changes.
    readonly property var fadingPieces: [fuel.x, fuel.y, fuel.width, fuel.height,
                                         buttons.x, buttons.y, buttons.width, buttons.height,
                                         radar.x, radar.y, radar.width, radar.height]
    readonly property int coveredPieces: {
        const pieces = fadingPieces
        const worldX = hud.worldX, worldY = hud.worldY
        const things = hud.buoys
        let covered = 0
        for (let k = -1; k < things.length; ++k) {
            const t = k < 0 ? hud.airplane : things[k]
            if (!t || !(t.opacity > 0) || t.isAlive === false)
                continue
            const x = t.x, y = t.y, w = t.width, h = t.height
            for (let i = 0; i < pieces.length; i += 4) {
                const left = worldX + pieces[i], top = worldY + pieces[i + 1]
                if (x + w > left && x < left + pieces[i + 2] && y + h > top && y < top + pieces[i + 3])
                    covered |= 1 << (i / 4)
            }
        }
        return covered
    }
    readonly property real coveredOpacity: 0.3

    Rectangle {
        id: glow
        anchors.fill: parent
        color: Theme.clear
        border.color: Theme.danger
        border.width: Theme.hudGlow
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
        x: Theme.hudMargin; y: 10
        fraction: hud.petrolFraction
        opacity: hud.coveredPieces & 1 ? hud.coveredOpacity : 1
        Behavior on opacity { NumberAnimation { duration: 150 } }
    }

    WarningText {
        id: warningText
        anchors.horizontalCenter: parent.horizontalCenter
        y: 16
        width: parent.width * 0.6
        wrapMode: Text.WordWrap
    }

    Row {
        id: buttons
        objectName: "hudButtons"
        anchors.right: parent.right
        anchors.rightMargin: Theme.hudMargin
        y: Theme.hudTop
        spacing: Theme.hudSpacing
        opacity: hud.coveredPieces & 2 ? hud.coveredOpacity : 1
        Behavior on opacity { NumberAnimation { duration: 150 } }
        Picture {
            id: belts
            name: hud.seatbelts ? "indicator_belton.svg" : "indicator_beltoff.svg"
            width: Theme.hudIcon; height: Theme.hudIcon
        }
        Item {
            width: Theme.hudIcon; height: Theme.hudIcon
            Accessible.role: Accessible.Button
            Accessible.name: hud.muted ? qsTr("Sound off") : qsTr("Sound on")
            Picture {
                name: hud.muted ? "indicator_soundoff.svg" : "indicator_soundon.svg"
                anchors.fill: parent
            }
            MouseArea { anchors.fill: parent; onClicked: hud.muteToggled() }
        }
        IconButton {
            width: Theme.hudIcon; height: Theme.hudIcon
            icon: "button_back.svg"
            label: qsTr("Pause")
            activeFocusOnTab: false
            onClicked: hud.pauseRequested()
        }
    }

    Radar {
        id: radar
        opacity: hud.coveredPieces & 4 ? hud.coveredOpacity : 1
        Behavior on opacity { NumberAnimation { duration: 150 } }
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: Theme.radarMargin
        airplane: hud.airplane
        runways: hud.runways
        buoys: hud.buoys
    }
}
