pragma ComponentBehavior: Bound

import QtQuick
import Cirrovanta

// Sound, volume, tilt calibration and which tilt source steers.
GameScreen {
    id: settingsScreen
    readonly property int volumeStep: Math.round((session ? session.volumeLevel : 0) * 9)
    readonly property bool canSetVolume: typeof GameSettings !== "undefined" && GameSettings !== null
    readonly property string tiltSource: typeof TiltSource !== "undefined" && TiltSource !== null ? String(TiltSource.source) : ""
    // A calibration is the pose of a real device; keys, mouse, stick and touch start level.
    readonly property bool realSensor: typeof TiltSource === "undefined" || TiltSource === null || TiltSource.hasPose
    readonly property var preview: session && session.steer
        ? Steering.vector(session.steer.rawangleX, session.steer.rawangleY, session.steer.rawangleZ, session.steer.axisY,
                          session.correction[0], session.correction[1], session.correction[2])
        : ({ x: 0, y: 0 })

    function setVolumeStep(step) {
        var s = Math.max(0, Math.min(9, step))
        if (!canSetVolume)
            return
        GameSettings.setVolumeStep(s)
        GameEngine.playSound(Sounds.buttonClick)
    }

    function sourceName(source) {
        switch (source) {
        case "sensor": return qsTr("motion sensor")
        case "keys": return qsTr("arrow keys")
        case "mouse": return qsTr("mouse")
        default: return qsTr("none found")
        }
    }

    MenuBackground { anchors.fill: parent }
    Heading {
        width: parent.width
        text: qsTr("Settings")
        onBack: settingsScreen.goBack()
    }

    Panel {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 70
        width: 700
        height: 390
        Column {
            x: 30; y: 22
            spacing: 16
            width: parent.width - 60

            // Sound on or off.
            Row {
                spacing: 20
                Text { width: 170; text: qsTr("Sound"); font.pixelSize: Theme.fontButton; font.bold: true; color: Theme.sky; anchors.verticalCenter: parent.verticalCenter }
                MenuButton {
                    id: soundButton
                    objectName: "soundButton"
                    focus: true
                    width: 200
                    text: settingsScreen.session.muted ? qsTr("Off") : qsTr("On")
                    icon: settingsScreen.session.muted ? "button_soundoff.svg" : "button_soundon.svg"
                    tint: settingsScreen.session.muted ? Theme.off : Theme.go
                    onClicked: settingsScreen.session.toggleMute()
                }
                GhostSwitch {}
            }

            // Volume in ten steps.
            Row {
                spacing: 20
                Text { width: 170; text: qsTr("Volume"); font.pixelSize: Theme.fontButton; font.bold: true; color: Theme.sky; anchors.verticalCenter: parent.verticalCenter }
                FocusScope {
                    id: volume
                    objectName: "volumeControl"
                    width: 420; height: 46
                    activeFocusOnTab: true
                    Accessible.role: Accessible.Slider
                    Accessible.name: qsTr("Volume")
                    Accessible.description: qsTr("%1 of 9").arg(settingsScreen.volumeStep)
                    Keys.onLeftPressed: settingsScreen.setVolumeStep(settingsScreen.volumeStep - 1)
                    Keys.onRightPressed: settingsScreen.setVolumeStep(settingsScreen.volumeStep + 1)
                    Keys.onUpPressed: { var n = volume.nextItemInFocusChain(false); if (n) n.forceActiveFocus() }
                    Keys.onDownPressed: { var n = volume.nextItemInFocusChain(true); if (n) n.forceActiveFocus() }
                    Rectangle {
                        anchors.fill: parent
                        anchors.margins: -4
                        radius: 12
                        color: Theme.clear
                        border.color: volume.activeFocus ? Theme.focus : Theme.clear
                        border.width: 4
                    }
                    Row {
                        anchors.verticalCenter: parent.verticalCenter
                        spacing: 8
                        IconButton {
                            width: 40; height: 40
                            icon: "button_empty.svg"
                            label: qsTr("Quieter")
                            activeFocusOnTab: false
                            onClicked: settingsScreen.setVolumeStep(settingsScreen.volumeStep - 1)
                            Text { anchors.centerIn: parent; text: "−"; font.pixelSize: Theme.fontSign; font.bold: true; color: Theme.sky }
                        }
                        Repeater {
                            model: 9
                            Rectangle {
                                required property int index
                                anchors.bottom: parent.bottom
                                anchors.bottomMargin: 4
                                width: 22
                                height: 12 + index * 3
                                radius: 4
                                color: index < settingsScreen.volumeStep ? Theme.accent : Theme.pale
                                border.color: Theme.sky
                                border.width: 1
                                MouseArea { anchors.fill: parent; onClicked: settingsScreen.setVolumeStep(parent.index + 1) }
                            }
                        }
                        IconButton {
                            width: 40; height: 40
                            icon: "button_empty.svg"
                            label: qsTr("Louder")
                            activeFocusOnTab: false
                            onClicked: settingsScreen.setVolumeStep(settingsScreen.volumeStep + 1)
                            Text { anchors.centerIn: parent; text: "+"; font.pixelSize: Theme.fontSign; font.bold: true; color: Theme.sky }
                        }
                    }
                }
            }

            // Tilt calibration, with a live dot showing where the tilt steers.
            Row {
                spacing: 20
                Text { width: 170; text: qsTr("Level pose"); font.pixelSize: Theme.fontButton; font.bold: true; color: Theme.sky; anchors.verticalCenter: parent.verticalCenter }
                // Only a real sensor has a pose worth keeping; keys and mouse
                // would store whatever they happen to tilt, so there the
                // button puts the level pose back.
                MenuButton {
                    id: calibrateButton
                    objectName: "calibrateButton"
                    width: 200
                    text: settingsScreen.realSensor ? qsTr("Calibrate") : qsTr("Reset to level")
                    onClicked: {
                        GameEngine.playSound(Sounds.buttonClick)
                        if (settingsScreen.realSensor)
                            settingsScreen.session.calibrate()
                        else
                            settingsScreen.session.calibrationRequested(0, 0, 0)
                    }
                }
                Rectangle {
                    width: 64; height: 64; radius: 32
                    anchors.verticalCenter: parent.verticalCenter
                    color: Theme.haze
                    border.color: Theme.sky; border.width: 2
                    Rectangle {
                        width: 14; height: 14; radius: 7
                        color: Theme.accent
                        x: parent.width / 2 - 7 + settingsScreen.preview.x * 24
                        y: parent.height / 2 - 7 - settingsScreen.preview.y * 24
                    }
                }
            }
            Text {
                width: parent.width
                wrapMode: Text.WordWrap
                text: settingsScreen.realSensor
                      ? qsTr("Hold the device the way you like to fly and press Calibrate: that pose flies straight on.")
                      : qsTr("No motion sensor here: keys and mouse always start level. Reset to level clears a pose stored before.")
                font.pixelSize: Theme.fontSmall
                color: Theme.ink
            }
            Text {
                objectName: "calibrationText"
                text: qsTr("Stored pose: %1°, %2°, %3°")
                    .arg(Number(settingsScreen.session.correction[0]).toFixed(1))
                    .arg(Number(settingsScreen.session.correction[1]).toFixed(1))
                    .arg(Number(settingsScreen.session.correction[2]).toFixed(1))
                font.pixelSize: Theme.fontBody
                color: Theme.ink
            }
            TiltSourceList { width: parent.width }
        }
    }
}
