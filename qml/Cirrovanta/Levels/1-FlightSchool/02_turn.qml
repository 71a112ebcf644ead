import QtQuick
import Cirrovanta

// Lesson: tilt to turn. The runway lies behind a hill and across the way:
// tilt a little and the aeroplane swings round in a wide, gentle arc.
Level {
    title: qsTr("A gentle turn")
    worldWidth: 1600
    worldHeight: 1100
    parTime: 29
    parResult: 1450
    startX: 160
    startY: 900
    startAngle: 0
    route: [Qt.point(190, 600), Qt.point(400, 300), Qt.point(800, 220), Qt.point(1150, 300),
            Qt.point(1262, 420), Qt.point(1270, 650)]

    Mountain {
        objectName: "obstruction_hill"
        x: 520; y: 480
        width: 420; height: 380
        points: [Qt.point(40, 150), Qt.point(160, 20), Qt.point(330, 40), Qt.point(410, 200),
                 Qt.point(340, 350), Qt.point(150, 370), Qt.point(20, 280)]
    }
    Island {
        x: 1080; y: 440
        width: 380; height: 460
        points: [Qt.point(60, 40), Qt.point(260, 10), Qt.point(370, 160), Qt.point(340, 400),
                 Qt.point(180, 455), Qt.point(30, 330), Qt.point(10, 150)]
    }
    Runway {
        objectName: "landing1"
        x: 1130; y: 600
        width: 280; height: 46
        rotation: 80
    }
    Airplane {
        model: 2
        petrol: 1
        petrolTime: 70
        turningFactor: 0.06
        accFactor: 1.6
        resistanceFactor: 1.02
        minSpeed: 40
        maxSpeed: 100
        speed: 60
        fps: 30
        landingTime: 3000
        finalSound: Sounds.fanfare
    }
    Buoy { objectName: "buoy1"; x: 380; y: 285; colour: 2 }
    Buoy { objectName: "buoy2"; x: 790; y: 200; colour: 3 }
    Buoy { objectName: "buoy3"; x: 1140; y: 310; colour: 1 }
}
