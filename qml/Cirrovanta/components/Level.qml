pragma ComponentBehavior: Bound

import QtQuick
import Cirrovanta

// The base of every level document. A level describes its world (size, water,
// ground, runway, obstructions, clouds, buoys, the aeroplane and its tuning,
// par time and demo route); this item runs the flight and is what screens,
// the engine and the tests talk to: the steering vector, the keys, the
// endings, and the functions the engine calls on the level. The moving parts
// have their own files: the frame clock (FlightClock), the camera (Camera),
// the title's autopilot (DemoPilot) and the instruments (Hud).
//
// The level item is the world itself, and the camera moves it under the view.
// So every piece of the level has the level as both its visual and its object
// parent, and the engine's scene walk meets each piece exactly once. The HUD
// and the open sea belong to the level but are shown beside it, over and under
// it, so they stay put.
Item {
    id: level
    objectName: "gameLevel"
    width: worldWidth
    height: worldHeight

    // What a level document sets.
    property string title: ""
    property int worldWidth: 1600
    property int worldHeight: 1000
    property color water: Theme.sea
    property int parTime: 60
    // The result that earns three stars.
    property int parResult: 1000
    property var route: []
    property real startX: 100
    property real startY: 100
    property real startAngle: Math.PI / 2
    property int music: Sounds.drumsAndBass

    // What the screen playing the level sets.
    property bool demo: false
    property var steer: null
    property var correction: [0, 0, 0]
    property bool muted: false
    // The part of the world on screen: the stage is always 854×480.
    property real viewWidth: 854
    property real viewHeight: 480

    // Flight state.
    property Airplane airplane: null
    property bool running: false
    property bool paused: false
    property bool ended: false
    property bool passed: false
    property int ticks: 0
    property real startPetrol: 1
    property var runways: []
    property var buoys: []
    property int waypoint: 0
    readonly property real seconds: airplane && airplane.fps > 0 ? ticks / airplane.fps : 0
    readonly property int buoysBurst: {
        var n = 0
        for (var i = 0; i < buoys.length; ++i)
            if (!buoys[i].isAlive) ++n
        return n
    }
    // How the player steers this flight. Keyboard: left/right turn while held
    // and up/down set the throttle; heading and throttle stay when the keys
    // are let go. Pointer: a resting mouse does not steer until it moves.
    property bool keyboardSteering: false
    property bool pointerSteering: true
    property real throttle: 1
    property int turnKeys: 0            // 1: left held, 2: right held
    property int turnFrames: 0
    // The free fall's crash timer dies with a pause; this is the part of the
    // fall flown so far, so that a resume lets it run out where it stopped.
    property real fallFlownMs: -1
    property real fallSince: 0
    readonly property var steerVector: steer
        ? Steering.vector(steer.rawangleX, steer.rawangleY, steer.rawangleZ, steer.axisY,
                          correction[0], correction[1], correction[2])
        : ({ x: 0, y: 0 })

    signal flightEnded(bool passed)
    signal muteToggled()
    signal pauseRequested()

    // Finds the aeroplane, runways and buoys among the level's items and puts
    // the aeroplane at its start. Called once the level is loaded.
    function prepare() {
        var found = null, strips = [], floats = [], animated = []
        var items = level.children
        for (var i = 0; i < items.length; ++i) {
            var item = items[i]
            if (item.objectName === "airplane" && !found)
                found = item
            if (item.isRunway === true)
                strips.push(item)
            if (item.isAlive !== undefined && String(item.objectName).indexOf("buoy") !== -1)
                floats.push(item)
            if (item.inView !== undefined)
                animated.push(item)
        }
        airplane = found
        runways = strips
        buoys = floats
        animatedPieces = animated
        resetFlight()
    }

    // The pieces with animations of their own (buoys, runways' lights,
    // clouds) hear every third flight step whether they are near the screen,
    // and those far off it stop their animations: an item that changes costs
    // the renderer its bookkeeping on every frame, seen or not. The margin
    // lets a piece start again well before it comes into view.
    property var animatedPieces: []
    function markPiecesInView() {
        const margin = 200
        const left = -x - margin, top = -y - margin
        const right = -x + viewWidth + margin, bottom = -y + viewHeight + margin
        for (const piece of animatedPieces)
            piece.inView = piece.x + piece.width > left && piece.x < right
                && piece.y + piece.height > top && piece.y < bottom
    }

    function resetFlight() {
        ticks = 0
        turnKeys = 0
        fallFlownMs = -1
        waypoint = 0
        ended = false
        paused = false
        if (!airplane)
            return
        airplane.placeAt(startX, startY, startAngle)
        if (demo) {
            for (var i = 0; i < buoys.length; ++i)
                buoys[i].revive()
        }
        airplane.opacity = 1
        startPetrol = airplane.petrol
    }

    // One frame: the autopilot steers in the demo, then the engine moves the
    // aeroplane.
    function step() {
        if (!airplane || ended)
            return
        if (demo)
            autopilot()
        else if (keyboardSteering)
            keyboardVector()
        var before = airplane.petrol
        GameEngine.adjustFlight()
        if (before > 0 && airplane.petrol === 0 && !demo) {
            fallFlownMs = 0
            fallSince = Date.now()
        }
        if (ticks % 3 === 0)
            markPiecesInView()
        ++ticks
    }

    // The target heading lies just ahead of the aeroplane's own in the
    // direction of the held key, so it turns while the key is down and holds
    // its heading the moment it is let go. A turn starts at 40 % of the
    // aeroplane's rate and reaches full rate after half a second, so a tap
    // nudges and a hold comes round.
    function keyboardVector() {
        var side = ((turnKeys & 2) ? 1 : 0) - ((turnKeys & 1) ? 1 : 0)
        turnFrames = side === 0 ? 0 : turnFrames + 1
        var rate = Math.min(1, 0.4 + 0.6 * turnFrames / Math.max(1, airplane.fps * 0.5))
        var heading = airplane.angle + side * airplane.turningFactor * rate
        var length = Math.max(0.01, throttle)
        airplane.vectorX = Math.sin(heading) * length
        airplane.vectorY = Math.cos(heading) * length
    }

    // A steering key went down or up; answers whether it was one.
    function steeringKey(key, down) {
        var bit = 0
        switch (key) {
        case Qt.Key_Left: case Qt.Key_A: bit = 1; break
        case Qt.Key_Right: case Qt.Key_D: bit = 2; break
        case Qt.Key_Up: case Qt.Key_W:
            if (down) throttle = Math.min(1, Math.round(throttle * 4 + 1) / 4)
            break
        case Qt.Key_Down: case Qt.Key_S:
            if (down) throttle = Math.max(0, Math.round(throttle * 4 - 1) / 4)
            break
        default:
            return false
        }
        if (down && !demo && !ended && !paused)
            keyboardSteering = true
        if (bit)
            turnKeys = down && !paused ? (turnKeys | bit) : (turnKeys & ~bit)
        return true
    }

    function autopilot() {
        demoPilot.fly()
    }

    // --- Called by the engine -------------------------------------------------

    function gameOver(passedFlight) {
        if (demo || ended)
            return
        ended = true
        passed = Boolean(passedFlight)
        running = false
        GameEngine.enableEngineTimer(false)
        flightEnded(passed)
    }

    function pauseGame(p) {
        if (demo || ended)
            return
        var wasPaused = paused
        paused = Boolean(p)
        // The keys' releases go to the pause menu, so held keys are dropped.
        turnKeys = 0
        if (paused && !wasPaused && fallFlownMs >= 0)
            fallFlownMs += Date.now() - fallSince
        GameEngine.enableEngineTimer(!paused)
        if (!paused && wasPaused)
            resumeEndings()
    }

    // Stopping the engine timer also stopped the landing and crash timers.
    // A fall goes on for what was left of it; a landing roll starts again
    // with the engine's next step if the aeroplane is still on a runway, and
    // is called off here if it is not (the engine no longer knows of it).
    function resumeEndings() {
        if (!airplane || airplane.opacity === 0)
            return
        if (fallFlownMs >= 0) {
            var fullFall = 2 * airplane.landingTime
            var left = Math.max(0, fullFall - fallFlownMs)
            fallSince = Date.now()
            var keep = airplane.landingTime
            airplane.landingTime = Math.ceil(left / 2)
            GameEngine.startFreeFall()
            airplane.landingTime = keep
            return
        }
        if (airplane.landing && !onRunway()) {
            airplane.doLanding(false)
            groundWarning(false)
        }
    }

    function onRunway() {
        var cx = airplane.x + airplane.width / 2, cy = airplane.y + airplane.height / 2
        for (var i = 0; i < runways.length; ++i) {
            var p = runways[i].mapFromItem(level, cx, cy)
            if (runways[i].contains(p))
                return true
        }
        return false
    }

    function explode(x, y) {
        spawn(x, y, false)
        if (airplane)
            airplane.opacity = 0
    }

    function explodeHappy(x, y) {
        spawn(x, y, true)
    }

    function showWarningText(text, ms) {
        if (hud)
            hud.warning.show(String(text), Number(ms))
    }

    function groundWarning(on) {
        if (hud)
            hud.groundWarning = Boolean(on)
    }

    function seatbeltsSign(on) {
        if (hud)
            hud.seatbelts = Boolean(on)
    }

    // ---------------------------------------------------------------------------

    function spawn(x, y, happy) {
        var burst = explosionComponent.createObject(level, { x: Number(x), y: Number(y), happy: happy })
        return burst
    }

    Component {
        id: explosionComponent
        Explosion {}
    }

    DemoPilot {
        id: demoPilot
        level: level
    }

    FlightClock {
        id: flightClock
        fps: level.airplane ? level.airplane.fps : 0
        running: level.running && !level.paused && !level.ended && level.airplane !== null
        onTriggered: level.step()
    }

    Binding {
        target: level.airplane
        property: "vectorX"
        value: level.pointerSteering ? level.steerVector.x : 0
        when: level.airplane !== null && !level.demo && !level.ended && !level.keyboardSteering
    }
    Binding {
        target: level.airplane
        property: "vectorY"
        value: level.pointerSteering ? level.steerVector.y : 0
        when: level.airplane !== null && !level.demo && !level.ended && !level.keyboardSteering
    }

    // The engine hums up when the player opens the throttle, and the wheels
    // bump as the aeroplane touches down.
    readonly property bool thrusting: airplane !== null && Math.sqrt(airplane.vectorX * airplane.vectorX + airplane.vectorY * airplane.vectorY) > 0.5
    onThrustingChanged: {
        if (thrusting && running && !demo && !paused)
            GameEngine.playSound(ticks % 2 ? Sounds.jetWhine : Sounds.engineRumble)
    }
    Connections {
        target: level.airplane
        enabled: !level.demo
        function onLandingChanged() {
            if (level.airplane.landing)
                GameEngine.playSound(Sounds.bump)
        }
    }

    // The music follows the speed: 0.8 at the slowest, 1.2 at the fastest.
    Connections {
        target: level.airplane
        enabled: level.running && !level.demo
        function onSpeedChanged() {
            var plane = level.airplane
            var span = Math.max(1, plane.maxSpeed - plane.minSpeed)
            var t = Math.max(0, Math.min(1, (plane.speed - plane.minSpeed) / span))
            GameEngine.speedMeter(0.8 + 0.4 * t)
        }
    }

    // The camera glides after the aeroplane.
    Camera {
        id: camera
        airplane: level.airplane
        demo: level.demo
        worldWidth: level.width
        worldHeight: level.height
        viewWidth: level.viewWidth
        viewHeight: level.viewHeight
    }
    x: camera.x
    y: camera.y
    Behavior on x { enabled: level.running; SmoothedAnimation { velocity: 420 } }
    Behavior on y { enabled: level.running; SmoothedAnimation { velocity: 420 } }

    // In a flight the sea is one colour from edge to edge and goes on past
    // the world's edge, where the aeroplane may stray: it stays under the
    // screen, and its wave marks scroll with the world so that the motion
    // shows everywhere. Like the instruments it lies beside the level, under
    // it, so that the moving world does not carry it along only for it to be
    // moved back every frame.
    property Item openSea: null
    Component {
        id: openSeaComponent
        Rectangle {
            parent: level.parent
            z: level.z - 1
            width: level.viewWidth
            height: level.viewHeight
            color: level.water
            clip: true
            // The marks keep their places in the pattern (160 across, two rows
            // of 140 down), which moves as one: two bindings a frame, not two a
            // mark. Each row of marks is one picture, drawn once: the renderer
            // copies a handful of pictures a frame instead of fifty small ones.
            Item {
                x: -(((-level.x % 160) + 160) % 160)
                y: -(((-level.y % 280) + 280) % 280)
                Repeater {
                    model: Math.ceil(level.viewHeight / 140) + 3
                    Snapshot {
                        id: marks
                        required property int index
                        readonly property int columns: Math.ceil(level.viewWidth / 160) + 1
                        x: ((index + 1) % 2) * 80 + 30
                        y: (index - 1) * 140 + 40
                        width: (columns - 1) * 160 + 34
                        height: 4
                        Repeater {
                            model: marks.pictured ? 0 : 1
                            Item {
                                Repeater {
                                    model: marks.columns
                                    Rectangle {
                                        required property int index
                                        x: index * 160
                                        width: 34; height: 4; radius: 2
                                        color: Theme.haze
                                        opacity: 0.35
                                    }
                                }
                            }
                        }
                    }
                }
            }
        }
    }
    Rectangle {
        id: water
        z: -100
        visible: level.demo
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0; color: Qt.lighter(level.water, 1.08) }
            GradientStop { position: 1; color: Qt.darker(level.water, 1.08) }
        }
        // Soft wave marks so the player feels the motion over open water.
        Repeater {
            model: level.demo ? Math.floor(level.worldWidth / 160) * Math.floor(level.worldHeight / 140) : 0
            Rectangle {
                required property int index
                readonly property int columns: Math.max(1, Math.floor(level.worldWidth / 160))
                x: (index % columns) * 160 + ((Math.floor(index / columns) % 2) * 80) + 30
                y: Math.floor(index / columns) * 140 + 40
                width: 34; height: 4; radius: 2
                color: Theme.haze
                opacity: 0.35
            }
        }
    }

    // The instruments stay put on the screen while the world moves: they are
    // the level's (and go with it) but lie in the item that holds the level,
    // over it, at the view's corner. The title's demo flight never shows
    // them, so it does not build them.
    property Hud hud: null
    Component.onCompleted: {
        if (demo)
            return
        openSea = openSeaComponent.createObject(level)
        hud = hudComponent.createObject(level) as Hud
    }
    Component {
        id: hudComponent
        Hud {
            parent: level.parent
            z: level.z + 1
            width: level.viewWidth
            height: level.viewHeight
            worldX: -level.x
            worldY: -level.y
            airplane: level.airplane
            petrolFraction: level.airplane && level.startPetrol > 0 ? level.airplane.petrol / level.startPetrol : 0
            runways: level.runways
            buoys: level.buoys
            muted: level.muted
            onPauseRequested: level.pauseRequested()
            onMuteToggled: level.muteToggled()
        }
    }
}
