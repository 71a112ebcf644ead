import QtQuick
import Cirrovanta

// Two massifs with one narrow pass between them. Line up well before the
// gap and fly straight through; the strip waits on the far side.
Level {
    title: qsTr("Threading the pass")
    worldWidth: 2200
    worldHeight: 1200
    parTime: 18
    parResult: 1100
    water: "#6f9c5a"
    startX: 122
    startY: 672
    startAngle: Math.PI / 2
    route: [Qt.point(500, 650), Qt.point(900, 620), Qt.point(1150, 605), Qt.point(1400, 585), Qt.point(1370, 560), Qt.point(1760, 560)]

    Mountain {
        objectName: "obstruction_northMassif"
        x: 260; y: -40
        width: 1300; height: 600
        points: [Qt.point(40, 40), Qt.point(640, 0), Qt.point(1240, 40), Qt.point(1300, 240),
             Qt.point(1240, 460), Qt.point(1060, 540), Qt.point(890, 600), Qt.point(760, 580),
             Qt.point(640, 560), Qt.point(500, 510), Qt.point(340, 440), Qt.point(160, 420),
             Qt.point(40, 340), Qt.point(0, 190)]
    }
    Mountain {
        objectName: "obstruction_southMassif"
        x: 560; y: 650
        width: 1260; height: 590
        points: [Qt.point(40, 590), Qt.point(0, 400), Qt.point(60, 250), Qt.point(200, 150),
             Qt.point(340, 70), Qt.point(470, 30), Qt.point(590, 0), Qt.point(720, 20),
             Qt.point(840, 50), Qt.point(1000, 110), Qt.point(1140, 200), Qt.point(1260, 350),
             Qt.point(1240, 590)]
    }
    Mountain {
        objectName: "obstruction_spur"
        x: 40; y: 940
        width: 240; height: 220
        points: [Qt.point(115, 6), Qt.point(170, 38), Qt.point(218, 97), Qt.point(213, 162),
             Qt.point(146, 201), Qt.point(75, 192), Qt.point(21, 147), Qt.point(5, 106),
             Qt.point(54, 24)]
    }
    Runway {
        objectName: "landing1"
        x: 1710; y: 537
        width: 280; height: 46
    }
    Airplane {
        model: 3
        petrol: 1
        petrolTime: 35
        turningFactor: 0.06
        accFactor: 2.0
        resistanceFactor: 1.016
        minSpeed: 60
        maxSpeed: 130
        speed: 90
        fps: 30
        landingTime: 2200
        finalSound: Sounds.fanfare
    }
    Buoy { objectName: "buoy1"; x: 883; y: 603; colour: 2 }
    Buoy { objectName: "buoy2"; x: 1383; y: 568; colour: 3 }
    Buoy { objectName: "buoy3"; x: 1283; y: 638; colour: 1 }
    CloudPatch { objectName: "cloud1"; x: 700; y: 150; width: 260; height: 180 }
}
