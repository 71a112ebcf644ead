import QtQuick
import Cirrovanta

// A short strip laid at an angle on a rocky islet. Line up with it early:
// there is only just room to settle before the far end.
Level {
    title: qsTr("Short strip at an angle")
    worldWidth: 1900
    worldHeight: 1200
    parTime: 21
    parResult: 850
    water: "#3b9ad0"
    startX: 100
    startY: 1000
    startAngle: 0
    route: [Qt.point(300, 700), Qt.point(600, 450), Qt.point(900, 330), Qt.point(1187, 451),
            Qt.point(1351, 566)]

    Island {
        x: 1170; y: 440
        width: 460; height: 340
        points: [Qt.point(205, 31), Qt.point(368, 61), Qt.point(407, 131), Qt.point(390, 259), Qt.point(304, 320), Qt.point(199, 322), Qt.point(31, 249), Qt.point(23, 124), Qt.point(66, 53)]
    }
    Mountain {
        objectName: "obstruction_rock1"
        x: 1560; y: 735
        width: 120; height: 110
        points: [Qt.point(71, 3), Qt.point(82, 19), Qt.point(116, 39), Qt.point(106, 83), Qt.point(71, 106), Qt.point(32, 99), Qt.point(19, 75), Qt.point(15, 45), Qt.point(26, 11)]
    }
    Mountain {
        objectName: "obstruction_rock2"
        x: 1060; y: 700
        width: 140; height: 120
        points: [Qt.point(79, 15), Qt.point(122, 21), Qt.point(132, 53), Qt.point(128, 90), Qt.point(98, 107), Qt.point(55, 112), Qt.point(18, 98), Qt.point(9, 46), Qt.point(33, 22)]
    }
    Mountain {
        objectName: "obstruction_rock3"
        x: 480; y: 130
        width: 160; height: 140
        points: [Qt.point(85, 15), Qt.point(112, 26), Qt.point(144, 53), Qt.point(141, 90), Qt.point(111, 121), Qt.point(53, 121), Qt.point(26, 99), Qt.point(8, 45), Qt.point(41, 29)]
    }
    Island {
        x: 60; y: 960
        width: 280; height: 200
        points: [Qt.point(135, 23), Qt.point(238, 37), Qt.point(258, 98), Qt.point(241, 125), Qt.point(196, 183), Qt.point(103, 181), Qt.point(49, 152), Qt.point(24, 74), Qt.point(75, 29)]
    }
    Runway {
        objectName: "landing1"
        x: 1300; y: 577
        width: 200; height: 46
        rotation: 35
    }
    Airplane {
        model: 3
        petrol: 1
        petrolTime: 40
        turningFactor: 0.055
        accFactor: 1.8
        resistanceFactor: 1.018
        minSpeed: 50
        maxSpeed: 110
        speed: 75
        fps: 30
        landingTime: 1800
        finalSound: Sounds.fanfare
    }
    Buoy { objectName: "buoy1"; x: 583; y: 433; colour: 1 }
    Buoy { objectName: "buoy2"; x: 1000; y: 150; colour: 3 }
    CloudPatch { objectName: "cloud1"; x: 700; y: 700; width: 220; height: 160 }
}
