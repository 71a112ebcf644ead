import QtQuick
import Cirrovanta

// A reef of rocks between the islands: weave left and right of them, buoys
// mark the gaps, and the runway runs north to south across the last island.
Level {
    title: qsTr("The reef")
    worldWidth: 2100
    worldHeight: 1100
    parTime: 27
    parResult: 1300
    water: "#3fa0d6"
    startX: 100
    startY: 500
    startAngle: Math.PI / 2
    route: [Qt.point(350, 530), Qt.point(600, 650), Qt.point(850, 520), Qt.point(1100, 350),
            Qt.point(1400, 300), Qt.point(1700, 330), Qt.point(1800, 430), Qt.point(1800, 610)]

    Mountain {
        objectName: "obstruction_rock1"
        x: 445; y: 415
        width: 150; height: 130
        points: [Qt.point(74, 9), Qt.point(126, 28), Qt.point(138, 56), Qt.point(135, 87),
             Qt.point(93, 115), Qt.point(62, 124), Qt.point(29, 98), Qt.point(3, 49),
             Qt.point(47, 22)]
    }
    Mountain {
        objectName: "obstruction_rock2"
        x: 700; y: 640
        width: 140; height: 120
        points: [Qt.point(69, 10), Qt.point(117, 18), Qt.point(129, 40), Qt.point(121, 80),
             Qt.point(86, 109), Qt.point(49, 107), Qt.point(21, 93), Qt.point(16, 58),
             Qt.point(27, 29)]
    }
    Mountain {
        objectName: "obstruction_rock3"
        x: 980; y: 470
        width: 160; height: 140
        points: [Qt.point(74, 12), Qt.point(124, 30), Qt.point(152, 50), Qt.point(150, 95),
             Qt.point(100, 136), Qt.point(53, 132), Qt.point(21, 106), Qt.point(15, 52),
             Qt.point(22, 29)]
    }
    Mountain {
        objectName: "obstruction_rock4"
        x: 1230; y: 130
        width: 140; height: 120
        points: [Qt.point(61, 11), Qt.point(107, 27), Qt.point(133, 45), Qt.point(118, 89),
             Qt.point(94, 105), Qt.point(53, 106), Qt.point(18, 95), Qt.point(10, 42),
             Qt.point(30, 26)]
    }
    Mountain {
        objectName: "obstruction_rock5"
        x: 1395; y: 380
        width: 170; height: 140
        points: [Qt.point(101, 1), Qt.point(143, 23), Qt.point(170, 71), Qt.point(140, 106),
             Qt.point(98, 121), Qt.point(66, 132), Qt.point(14, 98), Qt.point(5, 65),
             Qt.point(50, 24)]
    }
    Island {
        x: 180; y: 660
        width: 240; height: 180
        points: [Qt.point(114, 11), Qt.point(186, 27), Qt.point(218, 74), Qt.point(212, 121), Qt.point(178, 161), Qt.point(88, 173), Qt.point(19, 124), Qt.point(33, 70), Qt.point(53, 41)]
    }
    Island {
        x: 1580; y: 470
        width: 420; height: 460
        points: [Qt.point(211, 46), Qt.point(360, 94), Qt.point(383, 217), Qt.point(380, 354), Qt.point(307, 409), Qt.point(125, 424), Qt.point(43, 336), Qt.point(57, 176), Qt.point(104, 102)]
    }
    Runway {
        objectName: "landing1"
        x: 1660; y: 677
        width: 280; height: 46
        rotation: 90
    }
    Airplane {
        model: 2
        petrol: 1
        petrolTime: 45
        turningFactor: 0.055
        accFactor: 1.8
        resistanceFactor: 1.018
        minSpeed: 50
        maxSpeed: 110
        speed: 75
        fps: 30
        landingTime: 2600
        finalSound: Sounds.fanfare
    }
    Buoy { objectName: "buoy1"; x: 583; y: 633; colour: 2 }
    Buoy { objectName: "buoy2"; x: 1083; y: 333; colour: 3 }
    Buoy { objectName: "buoy3"; x: 1383; y: 283; colour: 1 }
    Buoy { objectName: "buoy4"; x: 1213; y: 443; colour: 2 }
}
