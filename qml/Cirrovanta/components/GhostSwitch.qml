import QtQuick
import Cirrovanta

// Turns the best flight's ghost on or off; the recorder keeps the choice in
// the settings store.
MenuButton {
    id: ghostSwitch
    objectName: "ghostButton"
    readonly property var store: typeof Replays === "undefined" ? null : Replays
    readonly property bool on: store !== null && store.ghostEnabled
    visible: store !== null
    width: 230
    text: on ? qsTr("Ghost: on") : qsTr("Ghost: off")
    tint: on ? Theme.go : Theme.off
    Accessible.description: qsTr("A pale aeroplane flies your best flight beside you.")
    onClicked: {
        GameEngine.playSound(Sounds.buttonClick)
        store.ghostEnabled = !on
    }
}
