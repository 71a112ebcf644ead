import QtQuick
import Cirrovanta

// The long way over open water. The tank holds just enough to see the far
// island; the last stretch is a glide, so do not waste petrol on detours.
Level {
    title: qsTr("The long leg")
    worldWidth: 2800
    worldHeight: 1000
    parTime: 33
    parResult: 300
    water: "#2f8cc8"
    startX: 100
    startY: 450
    startAngle: Math.PI / 2
    route: [Qt.point(700, 430), Qt.point(1400, 520), Qt.point(2000, 500), Qt.point(2400, 500)]

    Island {
        x: 30; y: 360
        width: 280; height: 240
        points: [Qt.point(114, 6), Qt.point(211, 41), Qt.point(269, 83), Qt.point(244, 159), Qt.point(194, 206), Qt.point(86, 226), Qt.point(31, 172), Qt.point(36, 107), Qt.point(34, 42)]
    }
    Island {
        x: 1280; y: 700
        width: 240; height: 160
        points: [Qt.point(101, 5), Qt.point(174, 30), Qt.point(217, 69), Qt.point(218, 105), Qt.point(142, 148), Qt.point(73, 134), Qt.point(19, 124), Qt.point(8, 59), Qt.point(44, 39)]
    }
    Mountain {
        objectName: "obstruction_rock1"
        x: 980; y: 190
        width: 140; height: 120
        points: [Qt.point(72, 10), Qt.point(118, 22), Qt.point(124, 55), Qt.point(122, 96), Qt.point(87, 109), Qt.point(52, 103), Qt.point(16, 86), Qt.point(15, 43), Qt.point(25, 21)]
    }
    Island {
        x: 2220; y: 330
        width: 520; height: 340
        points: [Qt.point(263, 25), Qt.point(409, 82), Qt.point(496, 167), Qt.point(437, 268), Qt.point(365, 321), Qt.point(173, 323), Qt.point(80, 253), Qt.point(57, 131), Qt.point(65, 61)]
    }
    Runway {
        objectName: "landing1"
        x: 2350; y: 477
        width: 300; height: 46
    }
    Airplane {
        petrol: 0.35
        petrolTime: 60
        turningFactor: 0.05
        accFactor: 0.9
        resistanceFactor: 1.009
        minSpeed: 50
        maxSpeed: 110
        speed: 85
        fps: 30
        landingTime: 4500
        finalSound: Sounds.fanfare
    }
    Buoy { objectName: "buoy1"; x: 1383; y: 503; colour: 2 }
    Buoy { objectName: "buoy2"; x: 1700; y: 300; colour: 1 }
    Buoy { objectName: "buoy3"; x: 900; y: 700; colour: 3 }
    CloudPatch { objectName: "cloud1"; x: 1750; y: 560; width: 220; height: 160 }
}
