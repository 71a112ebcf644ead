import QtQuick
import Cirrovanta

// Lesson: buoys. A row of buoys swings left and right across the bay; each
// one burst adds to the result. Weave through them, then land.
Level {
    title: qsTr("A line of buoys")
    worldWidth: 2000
    worldHeight: 900
    parTime: 24
    parResult: 2150
    startX: 100
    startY: 422
    startAngle: Math.PI / 2
    route: [Qt.point(400, 450), Qt.point(600, 380), Qt.point(800, 450), Qt.point(1000, 520),
            Qt.point(1200, 450), Qt.point(1400, 380), Qt.point(1480, 450), Qt.point(1650, 450)]

    Island {
        x: 1540; y: 290
        width: 400; height: 320
        points: [Qt.point(30, 100), Qt.point(170, 15), Qt.point(360, 40), Qt.point(395, 180),
                 Qt.point(300, 305), Qt.point(80, 280)]
    }
    Runway {
        objectName: "landing1"
        x: 1600; y: 427
        width: 280; height: 46
    }
    Airplane {
        model: 2
        petrol: 1
        petrolTime: 50
        turningFactor: 0.06
        accFactor: 1.8
        resistanceFactor: 1.02
        minSpeed: 45
        maxSpeed: 105
        speed: 70
        fps: 30
        landingTime: 2700
        finalSound: Sounds.shortApplause
    }
    Buoy { objectName: "buoy1"; x: 383; y: 433; colour: 1 }
    Buoy { objectName: "buoy2"; x: 583; y: 363; colour: 2 }
    Buoy { objectName: "buoy3"; x: 783; y: 433; colour: 3 }
    Buoy { objectName: "buoy4"; x: 983; y: 503; colour: 1 }
    Buoy { objectName: "buoy5"; x: 1183; y: 433; colour: 2 }
    Buoy { objectName: "buoy6"; x: 1383; y: 363; colour: 3 }
    CloudPatch { objectName: "cloud1"; x: 900; y: 80; width: 200; height: 146 }
}
