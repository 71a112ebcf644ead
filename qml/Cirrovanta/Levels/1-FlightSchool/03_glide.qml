import QtQuick
import Cirrovanta

// Lesson: petrol and gliding. The tank holds just enough to reach the coast;
// when the engine stops, the aeroplane glides on, slower and slower. Point it
// at the runway early and it settles there before it touches the sea.
Level {
    title: qsTr("A glide with little petrol")
    worldWidth: 1800
    worldHeight: 900
    parTime: 26
    parResult: 300
    water: "#4fb0e0"
    startX: 100
    startY: 420
    startAngle: Math.PI / 2
    route: [Qt.point(700, 450), Qt.point(1300, 450), Qt.point(1470, 450)]

    Mountain {
        objectName: "obstruction_ridge"
        x: 560; y: 560
        width: 360; height: 300
        points: [Qt.point(20, 120), Qt.point(140, 10), Qt.point(300, 60), Qt.point(350, 220),
                 Qt.point(200, 295), Qt.point(60, 250)]
    }
    Island {
        x: 1360; y: 280
        width: 420; height: 340
        points: [Qt.point(40, 120), Qt.point(180, 20), Qt.point(380, 40), Qt.point(415, 200),
                 Qt.point(330, 330), Qt.point(100, 310)]
    }
    Runway {
        objectName: "landing1"
        x: 1420; y: 427
        width: 300; height: 46
    }
    Airplane {
        model: 3
        petrol: 0.35
        petrolTime: 40
        turningFactor: 0.05
        accFactor: 0.64
        resistanceFactor: 1.008
        minSpeed: 40
        maxSpeed: 100
        speed: 75
        fps: 30
        landingTime: 4500
        finalSound: Sounds.fanfare
    }
    Buoy { objectName: "buoy1"; x: 983; y: 433; colour: 3 }
    CloudPatch { objectName: "cloud1"; x: 300; y: 140; width: 200; height: 146 }
}
