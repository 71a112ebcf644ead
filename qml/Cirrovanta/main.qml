import QtQuick

// The game's root item. The engine and the settings store talk to it through
// the members below; the screens grow from here.
Rectangle {
    id: game
    objectName: "game"
    width: 854
    height: 480
    color: "#2f7fc1"

    signal levelReady()
    signal saveCorrectionAngle(var x, var y, var z)

    property string levelName: ""
    property string groupFinished: ""
    property real volumeLevel: 0
    property int pilotRank: 0
    property var correction: [0, 0, 0]
    property string updateLocation: ""
    property bool paused: false

    function updateIsReady(location) { updateLocation = String(location) }
    function setCorrectionAngle(x, y, z) { correction = [Number(x), Number(y), Number(z)] }
    function adjustVolume(level) { volumeLevel = Number(level) }
    function setPilotRank(rank) { pilotRank = Number(rank) }
    function pauseGame(pause) { paused = Boolean(pause) }

    Item {
        id: steer
        objectName: "steer"
        property real rawangleX: 0
        property real rawangleY: 0
        property real rawangleZ: 0
        property string axisY: "y"
    }

    Text {
        anchors.centerIn: parent
        text: qsTr("Cirrovanta")
        color: "#ffffff"
        font.pixelSize: 64
        font.bold: true
    }
}
