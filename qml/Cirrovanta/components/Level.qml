pragma ComponentBehavior: Bound

import QtQuick
import "Steering.js" as Steering

// The base of every level document. A level describes its world (size, water,
// ground, runway, obstructions, clouds, buoys, the aeroplane and its tuning,
// par time and demo route); this item runs the flight: the frame clock that
// calls the flight model, the camera that follows the aeroplane, the steering
// vector, the HUD, and the functions the engine calls on the level.
//
// The level item is the world itself, and the camera moves it under the view.
// So every piece of the level has the level as both its visual and its object
// parent, and the engine's scene walk meets each piece exactly once.
Item {
    id: level
    objectName: "gameLevel"
    width: worldWidth
    height: worldHeight

    // What a level document sets.
    property string title: ""
    property int worldWidth: 1600
    property int worldHeight: 1000
    property color water: "#55b3e8"
    property int parTime: 60
    // The result that earns three stars.
    property int parResult: 1000
    property var route: []
    property real startX: 100
    property real startY: 100
    property real startAngle: Math.PI / 2
    property int music: 10

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
        var found = null, strips = [], floats = []
        var items = level.children
        for (var i = 0; i < items.length; ++i) {
            var item = items[i]
            if (item.objectName === "airplane" && !found)
                found = item
            if (item.isRunway === true)
                strips.push(item)
            if (item.isAlive !== undefined && String(item.objectName).indexOf("buoy") !== -1)
                floats.push(item)
        }
        airplane = found
        runways = strips
        buoys = floats
        resetFlight()
    }

    function resetFlight() {
        ticks = 0
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
        GameEngine.adjustFlight()
        ++ticks
    }

    function autopilot() {
        if (route.length === 0 || airplane.landing)
            return
        airplane.petrol = startPetrol
        var target = route[Math.min(waypoint, route.length - 1)]
        var dx = target.x - (airplane.realX + airplane.width / 2)
        var dy = target.y - (airplane.realY + airplane.height / 2)
        var distance = Math.sqrt(dx * dx + dy * dy)
        if (distance < 36) {
            if (waypoint >= route.length - 1) {
                airplane.vectorX = 0
                airplane.vectorY = 0
                airplane.doLanding(true)
                explodeHappy(airplane.x + airplane.width / 2, airplane.y + airplane.height)
                demoRestart.restart()
                return
            }
            ++waypoint
            return
        }
        airplane.vectorX = dx / distance
        airplane.vectorY = -dy / distance
        // Without the engine's step the demo bursts the buoys it passes itself.
        var cx = airplane.realX + airplane.width / 2, cy = airplane.realY + airplane.height / 2
        for (var i = 0; i < buoys.length; ++i) {
            var b = buoys[i]
            if (b.isAlive && Math.abs(b.x + b.width / 2 - cx) < b.width && Math.abs(b.y + b.height / 2 - cy) < b.height)
                b.explode()
        }
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
        paused = Boolean(p)
        GameEngine.enableEngineTimer(!paused)
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

    Timer {
        id: demoRestart
        interval: 2600
        onTriggered: level.resetFlight()
    }

    Timer {
        id: flightClock
        interval: level.airplane && level.airplane.fps > 0 ? Math.max(10, Math.round(1000 / level.airplane.fps)) : 33
        repeat: true
        running: level.running && !level.paused && !level.ended && level.airplane !== null
        onTriggered: level.step()
    }

    Binding {
        target: level.airplane
        property: "vectorX"
        value: level.steerVector.x
        when: level.airplane !== null && !level.demo && !level.ended
    }
    Binding {
        target: level.airplane
        property: "vectorY"
        value: level.steerVector.y
        when: level.airplane !== null && !level.demo && !level.ended
    }

    // The engine hums up when the player opens the throttle, and the wheels
    // bump as the aeroplane touches down.
    readonly property bool thrusting: Math.sqrt(steerVector.x * steerVector.x + steerVector.y * steerVector.y) > 0.5
    onThrustingChanged: {
        if (thrusting && running && !demo && !paused)
            GameEngine.playSound(ticks % 2 ? 1 : 11)
    }
    Connections {
        target: level.airplane
        enabled: !level.demo
        function onLandingChanged() {
            if (level.airplane.landing)
                GameEngine.playSound(20)
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

    // The camera looks a little ahead of the aeroplane and glides after it. On
    // the title the aeroplane flies right of the menu.
    readonly property real lookX: (airplane ? airplane.x + airplane.width / 2 + Math.sin(airplane.angle) * 70 : worldWidth / 2)
                                  - (demo ? 170 : 0)
    readonly property real lookY: airplane ? airplane.y + airplane.height / 2 - Math.cos(airplane.angle) * 50 : worldHeight / 2

    x: Math.max(viewWidth - width, Math.min(0, viewWidth / 2 - lookX))
    y: Math.max(viewHeight - height, Math.min(0, viewHeight / 2 - lookY))
    Behavior on x { enabled: level.running; SmoothedAnimation { velocity: 420 } }
    Behavior on y { enabled: level.running; SmoothedAnimation { velocity: 420 } }

    Rectangle {
        id: water
        z: -100
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0; color: Qt.lighter(level.water, 1.08) }
            GradientStop { position: 1; color: Qt.darker(level.water, 1.08) }
        }
        // Soft wave marks so the player feels the motion over open water.
        Repeater {
            model: Math.floor(level.worldWidth / 160) * Math.floor(level.worldHeight / 140)
            Rectangle {
                required property int index
                readonly property int columns: Math.max(1, Math.floor(level.worldWidth / 160))
                x: (index % columns) * 160 + ((Math.floor(index / columns) % 2) * 80) + 30
                y: Math.floor(index / columns) * 140 + 40
                width: 34; height: 4; radius: 2
                color: "#bfe8ff"
                opacity: 0.35
            }
        }
    }

    // The instruments stay put on the screen while the world moves. The
    // title's demo flight never shows them, so it does not build them.
    property Hud hud: null
    Component.onCompleted: {
        if (!demo)
            hud = hudComponent.createObject(level) as Hud
    }
    Component {
        id: hudComponent
        Hud {
            z: 1000
            x: -level.x
            y: -level.y
            width: level.viewWidth
            height: level.viewHeight
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
