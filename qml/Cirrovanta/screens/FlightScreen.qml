import QtQuick
import Cirrovanta

// One flight: loads the level, hands it to the engine, runs it, pauses it,
// scores it, stores the result and gives the level back.
GameScreen {
    id: flight
    readonly property Level level: loader.item as Level
    property var outcome: null

    clip: true

    // What steers now (see TiltSource): "sensor", "keys", "mouse", "stick", "motion", "touch".
    readonly property string tiltSource: typeof TiltSource !== "undefined" && TiltSource !== null ? String(TiltSource.source) : ""
    // A calibration is the pose of a real device; keys, mouse, stick and touch start level.
    readonly property bool realSensor: typeof TiltSource === "undefined" || TiltSource === null || TiltSource.hasPose
    property point pointerAnchor: Qt.point(-1, -1)

    onTiltSourceChanged: {
        if (level && tiltSource === "mouse")
            level.keyboardSteering = false
    }

    // A held throttle key's repeats go on opening or closing the throttle; a
    // turn key's repeated releases are not the player letting go.
    Keys.onPressed: (event) => {
        if (level && level.steeringKey(event.key, true))
            event.accepted = true
    }
    Keys.onReleased: (event) => {
        if (level && !event.isAutoRepeat && level.steeringKey(event.key, false))
            event.accepted = true
    }

    // The pointer steers once it has moved during this flight, never from
    // where a click in a menu left it.
    HoverHandler {
        onPointChanged: flight.pointerAt(point.position)
    }
    function pointerAt(position) {
        if (!level || level.pointerSteering)
            return
        if (pointerAnchor.x < 0) {
            pointerAnchor = position
            return
        }
        if (Math.abs(position.x - pointerAnchor.x) + Math.abs(position.y - pointerAnchor.y) > 6)
            level.pointerSteering = true
    }

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
        level.correction = Qt.binding(function() { return flight.realSensor ? flight.session.correction : [0, 0, 0] })
        level.keyboardSteering = tiltSource === "keys"
        level.pointerSteering = tiltSource !== "mouse"
        briefing.show()
        level.muted = Qt.binding(function() { return flight.session.muted })
        level.prepare()
        session.levelLoaded()
        GameEngine.findQmlObjects()
        session.flying = true
        level.running = true
        GameEngine.enableEngineTimer(true)
        session.playMusic(level.music)
        GameEngine.playSound(Sounds.engineHum)
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
            title: level.title,
            reason: log.reason(passed),
            wrecked: log.wrecked(passed),
            parResult: level.parResult
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

    FlightLog { id: log; level: flight.level }

    Connections {
        target: flight.level
        function onFlightEnded(passed) { flight.finish(passed) }
        function onPauseRequested() { flight.session.paused = true }
        function onMuteToggled() { flight.session.toggleMute() }
    }

    Connections {
        target: flight.session
        function onPausedChanged() {
            // Every sound of the flight falls silent while the game is paused.
            if (typeof GameSettings !== "undefined" && GameSettings)
                GameSettings.holdSounds(flight.session.paused)
            if (!flight.level || flight.level.ended)
                return
            flight.level.pauseGame(flight.session.paused)
            // A click on Resume leaves the pointer where the button was.
            if (flight.tiltSource === "mouse" && !flight.session.paused) {
                flight.level.pointerSteering = false
                flight.pointerAnchor = Qt.point(-1, -1)
            }
        }
    }

    // The first flights open with one line on how to steer with what this
    // machine has; it fades after a few seconds.
    Rectangle {
        id: briefing
        objectName: "briefing"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 12
        // Between the throttle and the radar.
        width: 516
        height: briefingText.height + 14
        radius: 16
        color: Theme.panel
        border.color: Theme.sky
        border.width: 2
        opacity: 0
        visible: opacity > 0
        readonly property string text: flight.tiltSource === "sensor"
            ? qsTr("Tilt towards where you want to fly: more tilt, more speed. Land on the runway.")
            : flight.tiltSource === "mouse"
              ? qsTr("Point where you want to fly: further from the centre, more speed. Land on the runway.")
              : qsTr("← → turn while held, ↑ ↓ set the throttle; let go and it flies straight on. Land on the runway.")
        function show() {
            var groups = flight.session.groups()
            if (groups.length > 0 && flight.session.group !== groups[0])
                return
            if (Boolean(GameEngine.getPassed(flight.session.levelName)))
                return
            briefingFade.restart()
        }
        Text {
            id: briefingText
            anchors.centerIn: parent
            width: 480
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            text: briefing.text
            font.pixelSize: Theme.fontLabel
            font.bold: true
            color: Theme.sky
        }
        SequentialAnimation {
            id: briefingFade
            NumberAnimation { target: briefing; property: "opacity"; to: 1; duration: 300 }
            PauseAnimation { duration: 7000 }
            NumberAnimation { target: briefing; property: "opacity"; to: 0; duration: 800 }
        }
    }

    // The throttle the arrow keys have set, bottom left where the instruments
    // leave room.
    Rectangle {
        objectName: "throttle"
        x: 12
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 12
        width: 150
        height: 30
        radius: 8
        color: Theme.veil
        visible: flight.level !== null && flight.level.keyboardSteering && !flight.level.ended
        Rectangle {
            x: 4; y: 4
            height: parent.height - 8
            width: (parent.width - 8) * (flight.level ? flight.level.throttle : 0)
            radius: 5
            color: Theme.accent
        }
        Text {
            anchors.centerIn: parent
            text: qsTr("Throttle %1 %").arg(Math.round((flight.level ? flight.level.throttle : 0) * 100))
            font.pixelSize: Theme.fontSmall
            font.bold: true
            color: Theme.ink
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
        onResume: { GameEngine.playSound(Sounds.buttonClick); flight.session.paused = false }
        onQuit: { GameEngine.playSound(Sounds.buttonClick); flight.session.go("levels") }
    }
}
