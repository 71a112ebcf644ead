import QtQuick
import Cirrovanta

// Lesson: landing. Hold the heading, fly over the runway and let the
// aeroplane settle onto it. Two buoys sit right on the way.
Level {
    title: qsTr("Straight to the runway")
    worldWidth: 1500
    worldHeight: 900
    parTime: 17
    parResult: 1300
    startX: 120
    startY: 420
    startAngle: Math.PI / 2
    route: [Qt.point(600, 450), Qt.point(1000, 450), Qt.point(1090, 450)]

    Island {
        x: 980; y: 300
        width: 420; height: 300
        points: [Qt.point(30, 90), Qt.point(140, 10), Qt.point(330, 20), Qt.point(410, 120),
                 Qt.point(380, 250), Qt.point(220, 295), Qt.point(60, 250)]
    }
    Runway {
        objectName: "landing1"
        x: 1040; y: 427
        width: 280; height: 46
    }
    Airplane {
        petrol: 1
        petrolTime: 60
        turningFactor: 0.05
        accFactor: 1.6
        resistanceFactor: 1.02
        minSpeed: 40
        maxSpeed: 100
        speed: 60
        fps: 30
        landingTime: 3000
        finalSound: Sounds.fanfare
    }
    Buoy { objectName: "buoy1"; x: 520; y: 433; colour: 1 }
    Buoy { objectName: "buoy2"; x: 760; y: 433; colour: 2 }
}
