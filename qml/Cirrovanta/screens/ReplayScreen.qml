import QtQuick
import Cirrovanta

// Watching a recorded flight: the level is shown and its aeroplane flies the
// recording frame by frame, with its shadow, the recorded petrol, warnings,
// seat-belt sign and sounds. The engine is never handed the level and its
// step never runs, so nothing here can change a result.
GameScreen {
    id: replayScreen
    readonly property var store: typeof Replays === "undefined" ? null : Replays
    readonly property var track: store ? store.watching : null
    readonly property Level level: loader.item as Level
    property int frame: 0
    property int speed: 1
    property bool playing: true
    property bool finished: false
    property bool seatbelts: false
    property bool falling: false
    readonly property real time: track ? frame / track.fps : 0

    clip: true

    Loader { id: loader }

    Component.onCompleted: start()

    function start() {
        if (!track) {
            goBack()
            return
        }
        var name = String(track.level)
        var cut = name.indexOf("/")
        loader.setSource(session.levelUrl(name.substring(0, cut), name.substring(cut + 1)), { demo: false })
        if (!level) {
            goBack()
            return
        }
        level.muted = Qt.binding(function() { return replayScreen.session.muted })
        level.prepare()
        show()
        happen(-1, 0)
        // After the move to this screen, which starts the menu's music.
        Qt.callLater(function() { replayScreen.session.playMusic(replayScreen.level ? replayScreen.level.music : Sounds.mainTheme) })
    }

    function restart() {
        loader.source = ""
        frame = 0
        finished = false
        seatbelts = false
        falling = false
        playing = true
        start()
    }

    function goBack() {
        GameEngine.playSound(Sounds.buttonClick)
        var from = store ? String(store.watchedFrom) : ""
        session.go(from.length ? from : "levels")
    }

    function leave() {
        playing = false
        loader.source = ""
    }

    // The aeroplane where the recording had it at this time.
    function show() {
        var plane = level.airplane
        var s = track.sampleAt(time)
        if (!plane || !s)
            return
        plane.realX = s.x
        plane.realY = s.y
        plane.x = Math.floor(s.x)
        plane.y = Math.floor(s.y)
        plane.angle = s.angle
        plane.tilt = s.tilt
        plane.speed = s.speed
        plane.petrol = s.petrol
    }

    // One tick of the replay's clock: one frame of the flight, two at double speed.
    function advance() {
        if (!track || !level || finished)
            return
        var before = time
        frame += speed
        var end = Math.round(track.duration * track.fps)
        if (frame >= end) {
            frame = end
            finished = true
        }
        show()
        happen(before, time)
    }

    function happen(from, to) {
        var events = track.eventsBetween(from, to)
        for (var i = 0; i < events.length; ++i)
            apply(events[i])
    }

    // What the engine did at that moment, shown and heard again.
    function apply(event) {
        var plane = level.airplane
        switch (String(event.kind)) {
        case "buoy":
            var buoy = level.buoys[event.detail]
            if (buoy && buoy.isAlive) {
                buoy.explode()
                GameEngine.playSound(Sounds.pageClick)
            }
            break
        case "cloud":
            if (!seatbelts)
                GameEngine.playSound(Sounds.warningChime)
            break
        case "seatbeltsOn": case "seatbeltsOff":
            seatbelts = event.kind === "seatbeltsOn"
            level.seatbeltsSign(seatbelts)
            break
        case "terrainWarning":
            level.showWarningText(qsTranslate("GameEngine", "WARNING! Terrain ahead!"), 1500)
            level.groundWarning(true)
            GameEngine.playSound(Sounds.terrainAlarm)
            break
        case "terrainClear":
            if (!plane.landing)
                level.groundWarning(false)
            break
        case "touchdown":
            plane.doLanding(true)
            level.groundWarning(true)
            level.showWarningText(qsTranslate("GameEngine", "Landing. Fasten seatbelts!"), 3000)
            GameEngine.playSound(Sounds.warningChime)
            break
        case "landingCancelled":
            if (!falling) {
                plane.doLanding(false)
                level.groundWarning(false)
            }
            level.showWarningText(qsTranslate("GameEngine", "Out of the runway, landing cancelled!"), 1500)
            break
        case "freeFall":
            falling = true
            plane.doLanding(true)
            level.groundWarning(false)
            break
        case "crash":
            level.explode(plane.x + plane.width / 2, plane.y + plane.height)
            GameEngine.playSound(Sounds.explosion)
            break
        case "landed":
            level.explodeHappy(plane.x + plane.width / 2, plane.y + plane.height)
            GameEngine.playSound(plane.finalSound)
            break
        }
    }

    Timer {
        interval: replayScreen.track ? Math.max(10, Math.round(1000 / replayScreen.track.fps)) : 33
        repeat: true
        running: replayScreen.playing && !replayScreen.finished && replayScreen.level !== null
        onTriggered: replayScreen.advance()
    }

    Connections {
        target: replayScreen.level
        function onPauseRequested() { replayScreen.playing = !replayScreen.playing }
        function onMuteToggled() { replayScreen.session.toggleMute() }
    }

    Keys.onSpacePressed: playing = !playing

    // Like a flight, a replay holds while the game's window is in the background.
    readonly property bool windowActive: Window.active
    onWindowActiveChanged: {
        if (!windowActive)
            playing = false
    }

    Rectangle {
        x: 12; y: 86
        width: label.width + 28; height: 30
        radius: 15
        color: Theme.dim
        Rectangle {
            x: 10; width: 10; height: 10; radius: 5
            anchors.verticalCenter: parent.verticalCenter
            color: Theme.danger
        }
        Text {
            id: label
            x: 26
            anchors.verticalCenter: parent.verticalCenter
            text: replayScreen.finished ? qsTr("Replay – end") : qsTr("Replay")
            color: Theme.white
            font.pixelSize: Theme.fontBody; font.bold: true
        }
    }

    Row {
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        anchors.margins: 12
        spacing: 10
        MenuButton {
            id: playButton
            width: 180; height: 44
            focus: true
            text: replayScreen.finished ? qsTr("Again") : replayScreen.playing ? qsTr("Pause") : qsTr("Play")
            Keys.onRightPressed: focusNext(true)
            onClicked: {
                if (replayScreen.finished)
                    replayScreen.restart()
                else
                    replayScreen.playing = !replayScreen.playing
            }
        }
        MenuButton {
            width: 110; height: 44
            text: replayScreen.speed === 2 ? qsTr("1×") : qsTr("2×")
            tint: replayScreen.speed === 2 ? Theme.accent : Theme.sky
            Keys.onRightPressed: focusNext(true)
            Keys.onLeftPressed: focusNext(false)
            onClicked: replayScreen.speed = replayScreen.speed === 2 ? 1 : 2
        }
        MenuButton {
            width: 130; height: 44
            text: qsTr("Back")
            tint: Theme.go
            Keys.onLeftPressed: focusNext(false)
            onClicked: replayScreen.goBack()
        }
    }
}
