import QtQuick

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
    tint: on ? "#4e9a4a" : "#9aa7b4"
    Accessible.description: qsTr("A pale aeroplane flies your best flight beside you.")
    onClicked: {
        GameEngine.playSound(4)
        store.ghostEnabled = !on
    }
}
