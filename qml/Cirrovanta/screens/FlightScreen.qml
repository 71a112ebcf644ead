import QtQuick
import "../components"
import "../components/Scoring.js" as Scoring

// One flight: loads the level, hands it to the engine, runs it, pauses it,
// scores it, stores the result and gives the level back.
GameScreen {
    id: flight
    readonly property Level level: loader.item as Level
    property var outcome: null

    clip: true

    // Sized by its level (the world), which the camera moves under the screen.
    Loader {
        id: loader
    }

    Component.onCompleted: start()

    FlightReplays { level: flight.level; levelName: flight.session.levelName; outcome: flight.outcome }

    function start() {
        var url = session.levelUrl(session.group, session.level)
        loader.setSource(url, { demo: false })
        if (!level) {
            session.go("levels")
            return
        }
        level.steer = session.steer
        level.correction = Qt.binding(function() { return flight.session.correction })
        level.muted = Qt.binding(function() { return flight.session.muted })
        level.prepare()
        session.levelLoaded()
        GameEngine.findQmlObjects()
        session.flying = true
        level.running = true
        GameEngine.enableEngineTimer(true)
        session.playMusic(level.music)
        GameEngine.playSound(0)
    }

    // Hands the level back to the engine. It is renamed first so that the
    // engine never finds it again, even before it is gone.
    function release() {
        session.flying = false
        if (!level)
            return
        level.running = false
        GameEngine.enableEngineTimer(false)
        level.objectName = "retired"
        GameEngine.clearQmlObjects()
        GameEngine.levelFinished()
        loader.source = ""
    }

    function leave() { release() }

    // Leaving the game from the middle of a flight still stops the engine.
    Component.onDestruction: {
        if (session && session.flying) {
            session.flying = false
            GameEngine.enableEngineTimer(false)
        }
    }

    // The engine has ended the flight: score it and store it now, show it after
    // the explosion or the touchdown has played.
    function finish(passed) {
        var plane = level.airplane
        var parts = Scoring.score(passed, plane ? plane.petrol : 0, level.buoysBurst, level.seconds, level.parTime)
        var before = Number(GameEngine.getResult(session.levelName))
        GameEngine.saveResult(passed, parts.total)
        outcome = {
            passed: passed,
            petrol: parts.petrol,
            buoys: parts.buoys,
            buoysBurst: level.buoysBurst,
            time: parts.time,
            seconds: Math.round(level.seconds),
            total: parts.total,
            best: Math.max(before, passed ? parts.total : 0),
            newBest: passed && parts.total > before,
            title: level.title
        }
        session.flying = false
        showResult.restart()
    }

    function showResultNow() {
        showResult.stop()
        session.showResult(outcome)
    }

    Timer {
        id: showResult
        interval: 1800
        onTriggered: flight.showResultNow()
    }

    Connections {
        target: flight.level
        function onFlightEnded(passed) { flight.finish(passed) }
        function onPauseRequested() { flight.session.paused = true }
        function onMuteToggled() { flight.session.toggleMute() }
    }

    Connections {
        target: flight.session
        function onPausedChanged() {
            if (!flight.level || flight.level.ended)
                return
            flight.level.pauseGame(flight.session.paused)
        }
    }

    PauseMenu {
        id: pauseMenu
        anchors.fill: parent
        visible: flight.session.paused
        onVisibleChanged: {
            if (visible) {
                pauseMenu.forceActiveFocus()
            } else {
                pauseMenu.focus = false
                flight.forceActiveFocus()
            }
        }
        onResume: { GameEngine.playSound(4); flight.session.paused = false }
        onQuit: { GameEngine.playSound(4); flight.session.go("levels") }
    }
}
