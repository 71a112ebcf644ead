import QtQuick
import Cirrovanta

// The game's root item. The engine and the settings store talk to it through
// the members at the top; everything the player sees lives on the stage,
// drawn at 854×480 and scaled to the window.
Rectangle {
    id: game
    objectName: "game"
    width: 854
    height: 480
    color: Theme.sky

    signal levelReady()
    signal saveCorrectionAngle(var x, var y, var z)

    property alias levelName: gameSession.levelName
    property alias groupFinished: gameSession.groupFinished
    property alias volumeLevel: gameSession.volumeLevel
    property alias pilotRank: gameSession.pilotRank
    property alias correction: gameSession.correction
    property alias updateLocation: gameSession.updateLocation
    property alias paused: gameSession.paused
    property alias session: gameSession
    readonly property GameScreen screenItem: screens.item as GameScreen

    function updateIsReady(location) { gameSession.updateLocation = String(location) }
    function setCorrectionAngle(x, y, z) { gameSession.correction = [Number(x), Number(y), Number(z)] }
    function adjustVolume(level) { gameSession.volumeLevel = Number(level) }
    function setPilotRank(rank) { gameSession.pilotRank = Number(rank) }
    function pauseGame(pause) {
        if (gameSession.flying && Boolean(pause))
            gameSession.paused = true
    }

    // The engine writes the tilt angles here; it must stay a direct child of the root.
    Item {
        id: steer
        objectName: "steer"
        property real rawangleX: 90
        property real rawangleY: 90
        property real rawangleZ: 0
        property string axisY: "y"
    }

    Session {
        id: gameSession
        steer: steer
        levelsBase: Qt.resolvedUrl("Levels/")
        onLevelLoaded: game.levelReady()
        onCalibrationRequested: (x, y, z) => game.saveCorrectionAngle(x, y, z)
    }

    Item {
        id: stage
        width: 854
        height: 480
        anchors.centerIn: parent
        scale: Math.min(game.width / width, game.height / height)

        Loader {
            id: screens
            anchors.fill: parent
            focus: true
            onLoaded: game.screenItem.forceActiveFocus()
        }
    }

    readonly property var screenFiles: ({
        title: "TitleScreen.qml", groups: "GroupsScreen.qml", levels: "LevelsScreen.qml",
        flight: "FlightScreen.qml", result: "ResultScreen.qml", final: "FinalScreen.qml",
        settings: "SettingsScreen.qml", howto: "HowToHoldScreen.qml", about: "AboutScreen.qml",
        replay: "ReplayScreen.qml"
    })

    // Each screen is built afresh with the session handed in before it completes.
    function loadScreen() {
        var file = screenFiles[gameSession.screen] || screenFiles.title
        screens.setSource(Qt.resolvedUrl("screens/" + file), { session: gameSession })
    }

    Connections {
        target: gameSession
        function onScreenChanged() { game.loadScreen() }
    }

    Component.onCompleted: {
        loadScreen()
        // Results earned before (or a rank lost with a reset store) decide the rank.
        gameSession.refreshRank()
        gameSession.playMusic(Sounds.mainTheme)
        GameEngine.gameLoaded()
    }
}
