import QtQuick
import "Steering.js" as Steering

// The base of every level document. A level describes its world (size, water,
// ground, runway, obstructions, clouds, buoys, the aeroplane and its tuning,
// par time and demo route); this item runs the flight: the frame clock that
// calls the flight model, the camera that follows the aeroplane, the steering
// vector, the HUD, and the functions the engine calls on the level.
Item {
    id: level
    objectName: "gameLevel"
    clip: true

    // What a level document sets.
    property string title: ""
    property int worldWidth: 1600
    property int worldHeight: 1000
    property color water: "#55b3e8"
    property int parTime: 60
    property var route: []
    property real startX: 100
    property real startY: 100
    property real startAngle: Math.PI / 2
    property int music: 10
    default property alias content: world.data

    // What the screen playing the level sets.
    property bool demo: false
    property Item steer: null
    property var correction: [0, 0, 0]
    property bool muted: false

    // Flight state.
    property Item airplane: null
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
        var items = world.children
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
        hud.warning.show(String(text), Number(ms))
    }

    function groundWarning(on) {
        hud.groundWarning = Boolean(on)
    }

    function seatbeltsSign(on) {
        hud.seatbelts = Boolean(on)
    }

    // ---------------------------------------------------------------------------

    function spawn(x, y, happy) {
        var burst = explosionComponent.createObject(world, { x: Number(x), y: Number(y), happy: happy })
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

    // The camera looks a little ahead of the aeroplane and glides after it.
    readonly property real lookX: airplane ? airplane.x + airplane.width / 2 + Math.sin(airplane.angle) * 70 : worldWidth / 2
    readonly property real lookY: airplane ? airplane.y + airplane.height / 2 - Math.cos(airplane.angle) * 50 : worldHeight / 2

    Rectangle {
        id: sea
        anchors.fill: parent
        color: level.water
    }

    Item {
        id: world
        width: level.worldWidth
        height: level.worldHeight
        x: Math.max(level.width - width, Math.min(0, level.width / 2 - level.lookX))
        y: Math.max(level.height - height, Math.min(0, level.height / 2 - level.lookY))
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
    }

    Hud {
        id: hud
        anchors.fill: parent
        visible: !level.demo
        airplane: level.airplane
        petrolFraction: level.airplane && level.startPetrol > 0 ? level.airplane.petrol / level.startPetrol : 0
        runways: level.runways
        buoys: level.buoys
        muted: level.muted
        onPauseRequested: level.pauseRequested()
        onMuteToggled: level.muteToggled()
    }
}
