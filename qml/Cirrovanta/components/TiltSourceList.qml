pragma ComponentBehavior: Bound

import QtQuick
import Cirrovanta

// Every tilt source the game found, the one steering now in green. A game
// controller with motion sensors has a button that switches it between its
// stick and tilting the controller itself; the game remembers the choice.
Column {
    id: tiltSources
    spacing: 8

    readonly property bool known: typeof TiltSource !== "undefined" && TiltSource !== null
    readonly property string steering: known ? String(TiltSource.source) : ""
    readonly property var sources: known ? TiltSource.sources : []

    function kindName(kind) {
        switch (kind) {
        case "sensor": return qsTr("motion sensor")
        case "keys": return qsTr("arrow keys")
        case "mouse": return qsTr("mouse")
        case "touch": return qsTr("touch")
        case "stick": return qsTr("controller stick")
        case "motion": return qsTr("controller motion")
        default: return qsTr("none found")
        }
    }

    function entryName(entry) {
        if (entry.kind !== "controller")
            return kindName(entry.kind)
        return qsTr("%1: %2").arg(entry.name).arg(entry.motion ? qsTr("motion") : qsTr("stick"))
    }

    function steeringName() {
        for (var i = 0; i < sources.length; ++i) {
            if (sources[i].steering && sources[i].kind === "controller")
                return qsTr("%1 (%2)").arg(kindName(steering)).arg(sources[i].name)
        }
        return kindName(steering)
    }

    Text {
        objectName: "tiltSourceText"
        text: qsTr("Steering with: %1").arg(tiltSources.steeringName())
        font.pixelSize: Theme.fontBody
        font.bold: true
        color: Theme.go
    }

    Flow {
        width: parent.width
        spacing: 8
        Repeater {
            model: tiltSources.sources
            Item {
                id: sourceEntry
                required property var modelData
                readonly property bool switchable: modelData.kind === "controller" && modelData.hasMotion
                width: switchable ? switchButton.width : chip.width
                height: 34

                Rectangle {
                    id: chip
                    visible: !sourceEntry.switchable
                    width: chipText.implicitWidth + 24
                    height: 34
                    radius: 17
                    color: sourceEntry.modelData.steering ? Theme.go : Theme.pale
                    border.color: Theme.sky
                    border.width: 1
                    Text {
                        id: chipText
                        anchors.centerIn: parent
                        text: tiltSources.entryName(sourceEntry.modelData)
                        font.pixelSize: Theme.fontSmall
                        color: sourceEntry.modelData.steering ? Theme.white : Theme.ink
                    }
                }
                MenuButton {
                    id: switchButton
                    objectName: "controllerSteering"
                    visible: sourceEntry.switchable
                    activeFocusOnTab: sourceEntry.switchable
                    width: Math.max(200, tiltSources.entryName(sourceEntry.modelData).length * 12 + 40)
                    height: 34
                    text: tiltSources.entryName(sourceEntry.modelData)
                    tint: sourceEntry.modelData.steering ? Theme.go : Theme.sky
                    onClicked: {
                        GameEngine.playSound(Sounds.buttonClick)
                        TiltSource.setControllerMotion(sourceEntry.modelData.id, !sourceEntry.modelData.motion)
                    }
                }
            }
        }
    }
}
