import QtQuick
import Cirrovanta

// A runway in a bowl of peaks. The only way in is the narrow gate in the
// south; turn in early, fly straight up through it and touch down on the
// paved middle of the strip.
Level {
    title: qsTr("The bowl")
    worldWidth: 2000
    worldHeight: 1500
    parTime: 20
    parResult: 1300
    water: "#6f9c5a"
    startX: 122
    startY: 872
    startAngle: 2.2
    route: [Qt.point(500, 1150), Qt.point(900, 1320), Qt.point(1200, 1330), Qt.point(1300, 1250), Qt.point(1300, 1080), Qt.point(1300, 720)]

    Mountain {
        objectName: "obstruction_rim1"
        x: 1170; y: 120
        width: 260; height: 260
        points: [Qt.point(142, 32), Qt.point(211, 39), Qt.point(247, 122), Qt.point(225, 201),
             Qt.point(163, 229), Qt.point(111, 248), Qt.point(28, 194), Qt.point(10, 87),
             Qt.point(51, 40)]
    }
    Mountain {
        objectName: "obstruction_rim2"
        x: 1450; y: 240
        width: 260; height: 260
        points: [Qt.point(136, 21), Qt.point(188, 44), Qt.point(245, 102), Qt.point(227, 198),
             Qt.point(149, 243), Qt.point(92, 254), Qt.point(18, 180), Qt.point(23, 113),
             Qt.point(65, 55)]
    }
    Mountain {
        objectName: "obstruction_rim3"
        x: 1570; y: 520
        width: 260; height: 260
        points: [Qt.point(130, 5), Qt.point(192, 47), Qt.point(254, 118), Qt.point(209, 194),
             Qt.point(185, 224), Qt.point(92, 252), Qt.point(40, 191), Qt.point(10, 128),
             Qt.point(59, 31)]
    }
    Mountain {
        objectName: "obstruction_rim4"
        x: 1450; y: 800
        width: 260; height: 260
        points: [Qt.point(114, 13), Qt.point(195, 29), Qt.point(259, 128), Qt.point(216, 194),
             Qt.point(196, 241), Qt.point(93, 224), Qt.point(40, 186), Qt.point(37, 100),
             Qt.point(60, 36)]
    }
    Mountain {
        objectName: "obstruction_rim5"
        x: 890; y: 240
        width: 260; height: 260
        points: [Qt.point(128, 19), Qt.point(207, 58), Qt.point(250, 93), Qt.point(217, 193),
             Qt.point(159, 224), Qt.point(87, 242), Qt.point(23, 202), Qt.point(18, 96),
             Qt.point(50, 34)]
    }
    Mountain {
        objectName: "obstruction_rim6"
        x: 770; y: 520
        width: 260; height: 260
        points: [Qt.point(116, 28), Qt.point(191, 42), Qt.point(231, 104), Qt.point(237, 200),
             Qt.point(147, 231), Qt.point(96, 237), Qt.point(34, 175), Qt.point(36, 100),
             Qt.point(69, 25)]
    }
    Mountain {
        objectName: "obstruction_rim7"
        x: 890; y: 800
        width: 260; height: 260
        points: [Qt.point(142, 17), Qt.point(201, 37), Qt.point(248, 98), Qt.point(222, 185),
             Qt.point(157, 243), Qt.point(66, 238), Qt.point(31, 163), Qt.point(10, 91),
             Qt.point(66, 45)]
    }
    Mountain {
        objectName: "obstruction_gateWest"
        x: 1070; y: 970
        width: 180; height: 180
        points: [Qt.point(107, 3), Qt.point(150, 36), Qt.point(166, 65), Qt.point(147, 131),
             Qt.point(125, 163), Qt.point(64, 153), Qt.point(7, 118), Qt.point(5, 81),
             Qt.point(32, 27)]
    }
    Mountain {
        objectName: "obstruction_gateEast"
        x: 1350; y: 970
        width: 180; height: 180
        points: [Qt.point(79, 20), Qt.point(131, 30), Qt.point(158, 86), Qt.point(146, 133),
             Qt.point(101, 161), Qt.point(67, 170), Qt.point(27, 140), Qt.point(15, 87),
             Qt.point(28, 37)]
    }
    Island {
        x: 1000; y: 350
        width: 600; height: 600
        points: [Qt.point(251, 16), Qt.point(510, 112), Qt.point(560, 200), Qt.point(535, 440),
             Qt.point(366, 587), Qt.point(239, 593), Qt.point(50, 440), Qt.point(21, 242),
             Qt.point(156, 45)]
    }
    Runway {
        objectName: "landing1"
        x: 1170; y: 627
        width: 260; height: 46
        rotation: -90
        // Only the paved middle counts: the blast pad and the shoulders do not.
        outline: [Qt.point(30, 6), Qt.point(260, 6), Qt.point(260, 40), Qt.point(30, 40)]
    }
    Airplane {
        petrol: 1
        petrolTime: 35
        turningFactor: 0.065
        accFactor: 2.0
        resistanceFactor: 1.016
        minSpeed: 60
        maxSpeed: 130
        speed: 90
        fps: 30
        landingTime: 2000
        finalSound: Sounds.fanfare
    }
    Buoy { objectName: "buoy1"; x: 883; y: 1303; colour: 2 }
    Buoy { objectName: "buoy2"; x: 1283; y: 1233; colour: 3 }
    Buoy { objectName: "buoy3"; x: 1283; y: 883; colour: 1 }
    Buoy { objectName: "buoy4"; x: 683; y: 783; colour: 2 }
}
