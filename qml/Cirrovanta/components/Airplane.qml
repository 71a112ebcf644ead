import QtQuick
import Cirrovanta

// The aeroplane. The engine reads its tuning and steering vector and writes
// its heading, speed, petrol and position; the drawing follows by bindings.
Item {
    id: plane
    objectName: "airplane"
    width: 56
    height: 56
    z: 20

    // Steering vector, set by the level from the tilt (or by its autopilot).
    property real vectorX: 0
    property real vectorY: 0

    // Tuning, set per level.
    property real turningFactor: 0.06
    property real accFactor: 1.5
    property real resistanceFactor: 1.02
    property int fps: 30
    property int petrolTime: 40
    property int minSpeed: 40
    property int maxSpeed: 120
    property int landingTime: 3000
    property int finalSound: Sounds.fanfare

    // Flight state, written by the engine.
    property real speed: 60
    property real petrol: 1
    property real angle: 0
    property real tilt: 0
    property real realX: 0
    property real realY: 0

    // Which of the three drawings, and how high above the ground (1 cruise, 0 down).
    property int model: 1
    property real altitude: 1
    property bool landing: false

    function doLanding(on) {
        landing = Boolean(on)
    }

    // Puts the aeroplane at a point with a heading (radians), as a level starts.
    function placeAt(px, py, heading) {
        realX = px
        realY = py
        x = Math.floor(px)
        y = Math.floor(py)
        angle = heading
        tilt = 0
        landing = false
        altitude = 1
    }

    states: State {
        name: "down"
        when: plane.landing
        PropertyChanges { target: plane; altitude: 0 }
    }
    transitions: Transition {
        NumberAnimation {
            property: "altitude"
            duration: plane.landing ? plane.landingTime : 600
            easing.type: Easing.OutQuad
        }
    }

    // Light comes from the top left: the shadow falls down and right on the
    // screen whatever the heading, further the higher the aeroplane flies.
    readonly property real shadowDistance: 4 + 22 * altitude
    readonly property real headingRad: angle

    // The item itself stays unturned: the engine looks for terrain ahead in
    // the aeroplane's own coordinates along its heading, so only the drawing
    // turns and shrinks.
    Item {
        id: drawing
        anchors.fill: parent
        rotation: plane.angle * 180 / Math.PI
        scale: 0.72 + 0.28 * plane.altitude

        Picture {
            id: farShadow
            name: "plane_" + plane.model + "_shadow_2.svg"
            width: plane.width; height: plane.height
            x: plane.shadowDistance * (Math.cos(plane.headingRad) + Math.sin(plane.headingRad))
            y: plane.shadowDistance * (Math.cos(plane.headingRad) - Math.sin(plane.headingRad))
            opacity: 0.35 * plane.altitude
        }
        Picture {
            id: nearShadow
            name: "plane_" + plane.model + "_shadow_1.svg"
            width: plane.width; height: plane.height
            x: farShadow.x * 0.5
            y: farShadow.y * 0.5
            opacity: 0.55 * (1 - plane.altitude * 0.6)
        }
        Picture {
            id: body
            name: "plane_" + plane.model + ".svg"
            anchors.fill: parent
            // A little bank into the turn.
            transform: Scale {
                origin.x: body.width / 2
                xScale: 1 - Math.min(0.25, Math.abs(plane.tilt) * 4)
            }
        }
    }
}
